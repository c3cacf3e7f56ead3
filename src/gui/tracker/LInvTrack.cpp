#include "LInvTrack.h"

#include "core/app/FileDirectory.h"
#include "core/app/SharedState.h"
#include "gui/common/Controls.h"
#include "gui/common/GridTable.h"
#include "core/common/LeadingNumber.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/PrintJob.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"
#include "gui/common/WidgetEvents.h"
#include "gui/help/HelpPanel.h"
#include "core/help/HelpTexts.h"
#include "gui/tracker/InInvNum.h"
#include "core/tracker/Money.h"
#include "core/tracker/Statement.h"
#include "core/tracker/TrackerFile.h"

#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace {

constexpr int GridRows = 110;
constexpr int rowHeight = 240; // twips
// The widths a fresh grid column has before the sheet widens it, in twips.
constexpr int initialColumnWidth = 555;
const QString helpTitle = QStringLiteral("Help");

// The header row stays in place while the rows scroll. It stands for the grid's row 0, which the
// table keeps hidden, so that grid rows and sheet rows share their numbers; a click on it chooses
// no cell.
void setUpHeader(QTableWidget* grid, const QFont& font)
{
    QHeaderView* header = grid->horizontalHeader();
    header->show();
    header->setFixedHeight(Px(rowHeight));
    header->setFont(font);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    // Shaded as the fixed cells of the program's other grids, not in the window's blue.
    QPalette shade = header->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        shade.setColor(role, QColor(192, 192, 192));
    shade.setColor(QPalette::ButtonText, Qt::black);
    header->setPalette(shade);
}

} // namespace

LInvTrack::LInvTrack(SharedState& state, Services& services, RowQuestion askRow, QWidget* parent)
    : ToolWindow(parent)
    , m_state(state)
    , m_services(services)
    , m_askRow(std::move(askRow))
    , m_editor(state.TrackerSheet)
{
    if (!m_askRow) {
        m_askRow = [this](int rowHint, QWidget* dialogParent) {
            return InInvNum::ask(rowHint, m_services.messages, dialogParent);
        };
    }
    buildControls();
    wireGrid();

    m_state.TrackerSheet.Clear();
    SetupSheetGrid();
    CalculateSheet();
    m_state.ActionMode = ActionIdle;
}

LInvTrack::~LInvTrack() = default;

void LInvTrack::buildControls()
{
    Controls::setupWindow(this, "LInvTrack", QStringLiteral("Investment Tracker"));
    Controls::setBackground(this, QColor(0, 0, 255));
    setFont(Controls::windowFont(9.75));
    const QFont small = Controls::windowFont(8.25);

    m_grid = GridTable::create(this, "Grid6", 1890, 0, 5910, 5550, rowHeight);
    m_grid->setFont(small);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the grid for the next control, as everywhere else in the window.
    m_grid->setTabKeyNavigation(false);
    setUpHeader(m_grid, small);

    auto* insert = Controls::button(this, "InsertAss", QStringLiteral("&Insert blank line"), 1890,
                                    5535, 5685, 330);
    insert->setFont(small);
    m_netInfo = Controls::label(this, "NetInfo", QStringLiteral("Changes made, Calculate"), 7920,
                                5355, 1500, 465);
    m_netInfo->setFont(small);
    m_netInfo->setWordWrap(true);
    m_netInfo->setAlignment(Qt::AlignCenter);
    Controls::setBackground(m_netInfo, QColor(255, 255, 0));
    m_netInfo->hide();

    m_helpText = new QPlainTextEdit(this);
    m_helpText->setObjectName(QStringLiteral("HlpTxt"));
    m_helpText->setGeometry(TwipsRect(0, 3270, 9480, 2670));
    m_helpText->setFont(small);
    // The panel keeps its own white page: the window's blue would leave black text unreadable.
    QPalette page = m_helpText->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    m_helpText->setPalette(page);

    auto* strip = Controls::label(this, "Label1", QString(), 0, 5940, 9480, 420);
    Controls::setBackground(strip, QColor(192, 192, 192));
    auto* exitButton
        = Controls::button(this, "Exit1", QStringLiteral("E&xit to Menu"), 180, 6000, 1455, 325);
    auto* print
        = Controls::button(this, "Printr", QStringLiteral("To &Printer"), 1890, 6000, 1230, 325);
    auto* helpButton
        = Controls::button(this, "Help9", QStringLiteral("&Help"), 3465, 6000, 1320, 325);
    auto* open
        = Controls::button(this, "Loadnet", QStringLiteral("&Open File"), 5085, 6000, 1230, 325);
    auto* save
        = Controls::button(this, "SaveNet", QStringLiteral("&Save File"), 6525, 6000, 1230, 325);
    auto* calculate
        = Controls::button(this, "Calc7", QStringLiteral("&Calculate"), 8010, 6000, 1230, 325);

    m_help = new HelpPanel(helpButton, m_helpText, &HelpTexts::tracker, m_services.messages,
                           {.beepOnKey = true, .focusPanel = true});

    const QList<QWidget*> order {m_grid, insert, exitButton, print,     helpButton,
                                 open,   save,   calculate,  m_helpText};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_grid->setFocus();

    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(print, &QPushButton::clicked, this, &LInvTrack::printClicked);
    connect(open, &QPushButton::clicked, this, &LInvTrack::openClicked);
    connect(save, &QPushButton::clicked, this, &LInvTrack::saveClicked);
    connect(calculate, &QPushButton::clicked, this, &LInvTrack::calculateClicked);
    connect(insert, &QPushButton::clicked, this, &LInvTrack::insertClicked);
}

void LInvTrack::wireGrid()
{
    // Every way the user moves the current cell starts that cell afresh.
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (!m_movingCursor && row >= 0 && column >= 0)
            m_editor.cellChosen(row, column);
    });
    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int column) { m_editor.cellChosen(row, column); });
    m_grid->installEventFilter(this);
    // The grid never edits by itself: typed characters go to the sheet editor.
    WidgetEvents::onKeyPress(m_grid, [this](int key) {
        apply(m_editor.keyPress(key));
        return 0;
    });
    WidgetEvents::onKeyDown(m_grid, [this](int key) {
        if (key != Qt::Key_Delete)
            return false;
        apply(m_editor.deleteKey());
        return true;
    });
}

void LInvTrack::apply(const SheetEditor::Result& result)
{
    using Outcome = SheetEditor::Result::Outcome;
    switch (result.outcome) {
    case Outcome::Ignored:
        break;
    case Outcome::Refused:
        m_services.messages.beep();
        break;
    case Outcome::RowLimit:
        m_services.messages.inform(helpTitle, QStringLiteral("105 Row limit."));
        break;
    case Outcome::MoveDown:
        if (result.row + 1 < m_grid->rowCount())
            m_grid->setCurrentCell(result.row + 1, result.column);
        break;
    case Outcome::Edited:
        moveGridCursor(result.row, result.column);
        setCell(result.row, result.column, result.cellText);
        if (result.column == 1)
            fitAmountColumn(false);
        m_netInfo->show();
        break;
    }
}

bool LInvTrack::eventFilter(QObject* watched, QEvent* event)
{
    // Coming back to the grid by the keyboard (after Calculate, say) continues in the cell last
    // edited. A click chooses the cell under the mouse instead: moving the cursor here would
    // scroll the grid before the click is placed, and the click would land on another row.
    if (watched == m_grid && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason
            && reason != Qt::PopupFocusReason)
            restoreEditedCell();
    }
    return ToolWindow::eventFilter(watched, event);
}

void LInvTrack::restoreEditedCell()
{
    if (m_editor.CurrentRow)
        moveGridCursor(*m_editor.CurrentRow, m_editor.CurrentCol);
}

void LInvTrack::fitAmountColumn(bool mayNarrow)
{
    // Amounts and the total are shown whole; where they need more room the description column
    // gives way.
    const int usual = Px(initialColumnWidth + 1000);
    const int columns = Px(initialColumnWidth + 3490) + usual;
    const QFontMetrics metrics(m_grid->font());
    // The text margins of a cell on either side, and its grid line.
    const int margin
        = 2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 1) + 2;
    int needed = mayNarrow ? usual : m_grid->columnWidth(1);
    for (int row = 1; row < m_grid->rowCount(); ++row)
        if (const QTableWidgetItem* item = m_grid->item(row, 1))
            needed = std::max(needed, metrics.horizontalAdvance(item->text()) + margin);
    needed = std::min(needed, columns - Px(1000));
    m_grid->setColumnWidth(1, needed);
    m_grid->setColumnWidth(0, columns - needed);
}

void LInvTrack::moveGridCursor(int row, int column)
{
    m_movingCursor = true;
    m_grid->setCurrentCell(row, column);
    m_movingCursor = false;
}

void LInvTrack::setCell(int row, int column, const QString& text)
{
    GridTable::setText(m_grid, row, column, text);
    const Qt::Alignment across = column == 1 ? Qt::AlignRight : Qt::AlignLeft;
    m_grid->item(row, column)->setTextAlignment(across | Qt::AlignVCenter);
}

void LInvTrack::SetupSheetGrid()
{
    GridTable::resize(m_grid, 2, 2, 1, 0);
    m_grid->setRowHidden(0, true);
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Description"), QStringLiteral("              Amount")});
    m_grid->setColumnWidth(0, Px(initialColumnWidth + 3490));
    m_grid->setColumnWidth(1, Px(initialColumnWidth + 1000));
}

void LInvTrack::CalculateSheet()
{
    m_state.TrackerSheet.CalculateSheet();
    ShowSheet();
}

void LInvTrack::ShowSheet()
{
    const Sheet& sheet = m_state.TrackerSheet;
    GridTable::resize(m_grid, GridRows, 2, 1, 0);
    const GridTable::BulkChange change(m_grid);
    GridTable::clear(m_grid, 1, 0);
    for (int i = 1; i <= sheet.SheetRowCount; ++i) {
        setCell(i, 0, Money::CellText(sheet.cell(i, 0)));
        setCell(i, 1, Money::FormatAmountCell(sheet.cell(i, 1)));
    }
    const int totalRow = sheet.SheetRowCount + 2;
    setCell(totalRow, 0, QStringLiteral("Total"));
    setCell(totalRow, 1, m_state.Settings.CurrencySymbol + Money::FormatTotal(sheet.total()));
    fitAmountColumn(true);
    // The cursor rests on the total until the grid is used again. When the grid still has the
    // focus (Calculate by its access key), typing goes on where it was, so the cursor stays there.
    if (m_grid->hasFocus() && m_editor.CurrentRow)
        restoreEditedCell();
    else
        moveGridCursor(totalRow, 1);
}

void LInvTrack::calculateClicked()
{
    m_help->close();
    CalculateSheet();
    m_state.SheetChanged = true;
    m_netInfo->hide();
}

void LInvTrack::insertClicked()
{
    const QString answer = m_askRow(m_editor.CurrentRow.value_or(0), this);
    if (m_state.TrackerSheet.InsertBlankRow(LeadingNumber(answer)))
        ShowSheet();
}

void LInvTrack::openClicked()
{
    // Opening replaces the sheet; a calculated one is not dropped without a word.
    if (goBackToSave())
        return;
    hide();
    if (ChooseFile(m_state, m_services.fileDialogs, ActionOpenTrackerFile))
        readTrackerFile(m_state.FilePath);
    m_state.ActionMode = ActionIdle;
    m_state.FilePath.clear();
    CalculateSheet();
    comeBack();
}

void LInvTrack::OpenTrackerFile(const QString& path)
{
    readTrackerFile(path);
    CalculateSheet();
}

void LInvTrack::readTrackerFile(const QString& path)
{
    Sheet& sheet = m_state.TrackerSheet;
    TrackerFile::ReadResult read;
    QFile file(path);
    if (OpenRegularFile(file))
        read = TrackerFile::Read(file);
    else
        read.error = TrackerFile::ReadError::Unreadable;
    if (read.error == TrackerFile::ReadError::None) {
        sheet = read.sheet;
        m_state.TrackerFileName = QFileInfo(path).fileName();
    } else {
        m_services.messages.inform(
            QStringLiteral("Loading Error"),
            QStringLiteral("File not found or wrong format. Check Filename and/or Directory."));
        m_state.TrackerFileName.clear();
        sheet.Clear();
    }
    // The sheet is now the file's, or empty: nothing in it waits to be saved.
    m_state.SheetChanged = false;
}

void LInvTrack::saveClicked()
{
    hide();
    const Sheet& sheet = m_state.TrackerSheet;
    if (sheet.SheetRowCount == 0) {
        m_services.messages.inform(helpTitle, QStringLiteral("No Records to Save"));
    } else if (ChooseFile(m_state, m_services.fileDialogs, ActionSaveTrackerFile)) {
        QString reason;
        const bool saved = SaveFileAtomically(
            m_state.FilePath,
            [&sheet](QIODevice& device) { return TrackerFile::Write(sheet, device); }, &reason);
        if (saved) {
            m_state.TrackerFileName = QFileInfo(m_state.FilePath).fileName();
            // Only a save that succeeded makes leaving without a question safe.
            m_state.SheetChanged = false;
        } else {
            QString message = QStringLiteral(" Bad Filename. Must be in the form MYFILE.ZPX");
            if (!reason.isEmpty())
                message += u'\n' + reason;
            m_services.messages.inform(QStringLiteral("Saving Error"), message);
        }
    }
    comeBack();
    m_state.ActionMode = ActionIdle;
    m_state.FilePath.clear();
}

void LInvTrack::printClicked()
{
    if (!ConfirmPrintout(m_services))
        return;
    SendPrintout(m_services,
                 InvestmentStatement(m_state.TrackerSheet, m_state.Settings.CurrencySymbol));
}

void LInvTrack::comeBack()
{
    // Shown again after the file dialog, the window takes up the keyboard where it left it.
    show();
    activateWindow();
}

bool LInvTrack::goBackToSave()
{
    if (!m_state.SheetChanged || m_state.TrackerSheet.SheetRowCount == 0)
        return false;
    const QString question
        = m_state.TrackerFileName
        + QStringLiteral(
              " file in memory will be erased. Do you want to go back and save it to Disk?.");
    return m_services.messages.ask(QStringLiteral("Changed File in Memory"), question);
}

bool LInvTrack::mayLeave()
{
    Sheet& sheet = m_state.TrackerSheet;
    if (goBackToSave())
        return false;
    if (!(m_state.SheetChanged && sheet.SheetRowCount == 0)) {
        m_state.SheetChanged = false;
        m_state.TrackerFileName.clear();
        sheet.Clear();
        m_state.ActionMode = ActionIdle;
    }
    return true;
}
