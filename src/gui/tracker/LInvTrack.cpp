// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LInvTrack.h"

#include "core/app/SharedState.h"
#include "core/common/Document.h"
#include "core/common/KeyCodes.h"
#include "core/common/MessageBoxes.h"
#include "core/help/HelpTexts.h"
#include "core/tracker/Money.h"
#include "core/tracker/Statement.h"
#include "core/tracker/TrackerDocument.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"
#include "gui/common/FileFlow.h"
#include "gui/common/GridTable.h"
#include "gui/common/PrintJob.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"
#include "gui/common/WidgetEvents.h"
#include "gui/help/HelpPanel.h"
#include "gui/tracker/InInvNum.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace {

constexpr int GridRows = 110;
constexpr int RowHeight = 240; // twips
// The widths a fresh grid column has before the sheet widens it, in twips.
constexpr int InitialColumnWidth = 555;

// The header row stays in place while the rows scroll. It stands for the grid's row 0, which the
// table keeps hidden, so that grid rows and sheet rows share their numbers; a click on it chooses
// no cell.
void setUpHeader(QTableWidget* grid, const QFont& font)
{
    QHeaderView* header = grid->horizontalHeader();
    header->show();
    header->setFixedHeight(Px(RowHeight));
    header->setFont(font);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    // Shaded as the fixed cells of the program's other grids, not in the window's blue.
    Colours::apply(header, Colours::GridHeader, Colours::Roles::Sections);
}

} // namespace

LInvTrack::LInvTrack(SharedState& state, Services& services, RowQuestion askRow, QWidget* parent)
    : ToolWindow(parent)
    , m_state(state)
    , m_services(services)
    , m_askRow(std::move(askRow))
    , m_sheet(state.Tracker)
{
    if (!m_askRow) {
        m_askRow = [this](int rowHint, QWidget* dialogParent) {
            return InInvNum::ask(rowHint, m_services.messages, dialogParent);
        };
    }
    buildControls();
    wireGrid();

    // The sheet outlives the window: it shows what was typed, opened or posted before.
    m_sheet.forgetCursor();
    SetupSheetGrid();
    CalculateSheet();
}

LInvTrack::~LInvTrack() = default;

void LInvTrack::buildControls()
{
    Controls::setupWindow(this, "LInvTrack", QStringLiteral("Investment Tracker"));
    Colours::apply(this, Colours::BlueWindow, Colours::Roles::Backdrop);
    setFont(Controls::windowFont(9.75));
    const QFont small = Controls::windowFont(8.25);

    m_grid = GridTable::create(this, "Grid6", 1890, 0, 5910, 5550, RowHeight);
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
    Colours::apply(m_netInfo, Colours::EntryBox);
    m_netInfo->hide();

    m_helpText = new QPlainTextEdit(this);
    m_helpText->setObjectName(QStringLiteral("HlpTxt"));
    m_helpText->setGeometry(TwipsRect(0, 3270, 9480, 2670));
    m_helpText->setFont(small);
    // The panel keeps its own white page: the window's blue would leave black text unreadable.
    Colours::apply(m_helpText, Colours::Paper, Colours::Roles::Cells);

    buildButtonStrip(insert);
    m_grid->setFocus();
    connect(insert, &QPushButton::clicked, this, &LInvTrack::insertClicked);
}

void LInvTrack::buildButtonStrip(QPushButton* insert)
{
    static constexpr Controls::WiredButtonRow<LInvTrack> buttons[] = {
        {{"Exit1", "E&xit to Menu", {180, 6000, 1455, 325}}, nullptr},
        {{"Printr", "To &Printer", {1890, 6000, 1230, 325}}, &LInvTrack::printClicked},
        {{"Help9", "&Help", {3465, 6000, 1320, 325}}, nullptr},
        {{"Loadnet", "&Open File", {5085, 6000, 1230, 325}}, &LInvTrack::openClicked},
        {{"SaveNet", "&Save File", {6525, 6000, 1230, 325}}, &LInvTrack::saveClicked},
        {{"Calc7", "&Calculate", {8010, 6000, 1230, 325}}, &LInvTrack::calculateClicked},
    };
    Controls::buttonStrip(this, "Label1");
    const auto strip = Controls::create(this, buttons);
    connect(strip[0], &QPushButton::clicked, this, &QWidget::close);
    m_help = new HelpPanel(strip[2], m_helpText, &HelpTexts::tracker, m_services.messages,
                           {.beepOnKey = true, .focusPanel = true});
    QList<QWidget*> order {m_grid, insert};
    for (QPushButton* button : strip)
        order.append(button);
    order.append(m_helpText);
    Controls::tabOrder(order);
}

void LInvTrack::wireGrid()
{
    // Every way the user moves the current cell starts that cell afresh, and keys go there.
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (!m_movingCursor && row >= 0 && column >= 0)
            m_sheet.cellChosen(row, column);
    });
    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int column) { m_sheet.cellChosen(row, column); });
    // The grid never edits by itself: typed characters go to the sheet editor.
    WidgetEvents::onKeyPress(m_grid, [this](int key) {
        apply(m_sheet.keyPress(key));
        return KeyDropped;
    });
    WidgetEvents::onKeyDown(m_grid, [this](int key) {
        if (key != Qt::Key_Delete)
            return false;
        apply(m_sheet.deleteKey());
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
        m_services.messages.inform(HelpTitle, QStringLiteral("105 Row limit."));
        break;
    case Outcome::MoveDown:
        if (result.row + 1 < m_grid->rowCount())
            m_grid->setCurrentCell(result.row + 1, result.column);
        break;
    case Outcome::Edited:
        // A line typed on the total's line moves the total out of the way first.
        if (m_sheet.editor().totalRow() != m_shownTotalRow)
            showTotal();
        moveGridCursor(result.row, result.column);
        setCell(result.row, result.column, result.cellText);
        if (result.amountCleared)
            setCell(result.row, 1, QString());
        if (result.column == 1)
            fitAmountColumn(false);
        m_netInfo->show();
        break;
    }
}

void LInvTrack::fitAmountColumn(bool mayNarrow)
{
    // Amounts and the total are shown whole; where they need more room the description column
    // gives way.
    const int usual = Px(InitialColumnWidth + 1000);
    const int columns = Px(InitialColumnWidth + 3490) + usual;
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

void LInvTrack::showCursor()
{
    const SheetEditor::Cursor cursor = m_sheet.editor().cursor();
    moveGridCursor(cursor.row, cursor.column);
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
    m_grid->setColumnWidth(0, Px(InitialColumnWidth + 3490));
    m_grid->setColumnWidth(1, Px(InitialColumnWidth + 1000));
}

void LInvTrack::CalculateSheet()
{
    m_sheet.calculate();
    ShowSheet();
}

void LInvTrack::ShowSheet()
{
    const Sheet& sheet = m_sheet.sheet();
    m_movingCursor = true;
    GridTable::resize(m_grid, GridRows, 2, 1, 0);
    {
        const GridTable::BulkChange change(m_grid);
        GridTable::clear(m_grid, 1, 0);
        for (int i = 1; i <= sheet.SheetRowCount; ++i) {
            setCell(i, 0, Money::CellText(sheet.cell(i, 0)));
            setCell(i, 1, Money::FormatRowAmount(sheet, i));
        }
        m_shownTotalRow = 0;
        showTotal();
    }
    m_movingCursor = false;
    fitAmountColumn(true);
    // The cursor stays on the line it was on, or rests on the total before any cell was chosen.
    showCursor();
}

void LInvTrack::showTotal()
{
    if (m_shownTotalRow > 0) {
        setCell(m_shownTotalRow, 0, QString());
        setCell(m_shownTotalRow, 1, QString());
    }
    m_shownTotalRow = m_sheet.editor().totalRow();
    setCell(m_shownTotalRow, 0, QStringLiteral("Total"));
    setCell(m_shownTotalRow, 1,
            m_state.Settings.CurrencySymbol + Money::FormatTotalUnits(m_sheet.sheet().SheetTotal));
}

void LInvTrack::calculateClicked()
{
    m_help->close();
    CalculateSheet();
    m_netInfo->hide();
}

void LInvTrack::insertClicked()
{
    const std::optional<int> row = m_askRow(m_sheet.editor().CurrentRow.value_or(0), this);
    if (row && m_sheet.insertBlankRow(*row))
        ShowSheet();
}

void LInvTrack::openClicked()
{
    // Opening replaces the sheet; lines not saved are not dropped without a word.
    if (!MayDropDocuments({&m_sheet}, m_services.messages))
        return;
    hide();
    // A file that cannot be read leaves an empty sheet, as a new one.
    if (m_services.files.open(m_sheet) == FileFlow::Opened::Failed)
        m_sheet.clear();
    CalculateSheet();
    comeBack();
}

void LInvTrack::OpenTrackerFile(const QString& path)
{
    if (!m_services.files.open(m_sheet, path))
        m_sheet.clear();
    CalculateSheet();
}

void LInvTrack::saveClicked()
{
    hide();
    if (m_sheet.sheet().SheetRowCount == 0) {
        m_services.messages.inform(HelpTitle, QStringLiteral("No Records to Save"));
    } else if (const std::optional<FileChoice> choice
               = m_services.files.choose(FileKind::Tracker, Direction::Save, m_sheet.fileName())) {
        // Typed lines not yet calculated are in the file too.
        m_services.files.save(m_sheet, choice->path);
    }
    comeBack();
}

void LInvTrack::printClicked()
{
    if (!ConfirmPrintout(m_services))
        return;
    SendPrintout(m_services, InvestmentStatement(m_sheet.sheet(), m_state.Settings.CurrencySymbol));
}

void LInvTrack::comeBack()
{
    // Shown again after the file dialog, the window takes up the keyboard where it left it.
    show();
    activateWindow();
}

bool LInvTrack::mayLeave()
{
    // The sheet stays in memory with the program; it is asked about when it would be dropped.
    return true;
}
