// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LImport.h"

#include "core/app/SharedState.h"
#include "core/common/MessageBoxes.h"
#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"
#include "gui/common/FileFlow.h"
#include "gui/common/GridTable.h"
#include "gui/common/InputBoxes.h"
#include "gui/common/RangeBox.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"
#include "gui/common/WidgetEvents.h"
#include "gui/draws/RecordGridLayout.h"
#include "gui/draws/ShapeFrame.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

namespace {

const QString ShowSkippedCaption = QStringLiteral("S&kipped Lines");
const QString CloseSkippedCaption = QStringLiteral("Close S&kipped Lines");
// How long typing pauses before pasted text is read.
constexpr int PasteReadDelayMs = 300;

} // namespace

LImport::LImport(SharedState& state, Services& services, QWidget* parent)
    : ToolWindow(parent), m_state(state), m_services(services)
{
    // The weekly update adds to the draws in memory: their game is the one to read.
    m_shape = m_state.Store.RecCount() > 0
        ? m_state.Store.shape()
        : LotteryShape {m_state.Settings.DefaultNumbersPerDraw, m_state.Settings.DefaultHighNum};
    buildControls();
    wireBoxes();
    showExtraChoice();
    showHistory();
}

LImport::~LImport() = default;

void LImport::buildControls()
{
    Controls::setupWindow(this, "LImport", QStringLiteral("Import Draw History"));
    setFont(Controls::windowFont(9.75));
    buildShapeFrame();
    buildSourceControls();
    buildExtraChoice();
    buildSummary();
    buildDateFrame();
    buildPreview();
    buildNewestChoice();
    buildColumnChoice();
    buildButtonStrip();
}

void LImport::buildShapeFrame()
{
    const ShapeBoxes boxes = BuildShapeFrame(this, QStringLiteral(" Draws to import "));
    m_numCol = boxes.numbersPerDraw;
    m_highNum = boxes.highestNumber;
    m_title = boxes.title;
    m_numCol->setText(AlignedWhole(2, m_shape.numbersPerDraw));
    m_highNum->setText(AlignedWhole(2, m_shape.highestNumber));
    proposeTitle(m_state.Store.Title());
}

void LImport::buildSourceControls()
{
    static constexpr Controls::LabelRow labels[] = {
        {"FileName", "No file chosen", {2280, 1080, 2520, 300}},
        {"Label2", " Or &paste the draws here:", {225, 1500, 4575, 285}},
    };
    m_chooseButton = Controls::create(
        this, Controls::ButtonRow {"ChooseFile", "&Choose File...", {225, 1050, 1935, 360}});
    const auto sourceLabels = Controls::create(this, labels);
    m_fileName = sourceLabels[0];
    m_pasted = new QPlainTextEdit(this);
    m_pasted->setObjectName(QStringLiteral("InText"));
    m_pasted->setGeometry(TwipsRect(225, 1785, 4575, 780));
    m_pasted->setFont(Controls::windowFont(8.25));
    m_pasted->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on, as in every box of the program; tabs arrive in pasted text all the same.
    m_pasted->setTabChangesFocus(true);
    Colours::apply(m_pasted, Colours::EntryBox, Colours::Roles::Page);
    sourceLabels[1]->setBuddy(m_pasted);
    connect(m_chooseButton, &QPushButton::clicked, this, &LImport::chooseFileClicked);
    m_pasteTimer = new QTimer(this);
    m_pasteTimer->setSingleShot(true);
    m_pasteTimer->setInterval(PasteReadDelayMs);
    connect(m_pasteTimer, &QTimer::timeout, this, &LImport::pastedTextChanged);
    connect(m_pasted, &QPlainTextEdit::textChanged, this, &LImport::pastedTextEdited);
}

void LImport::buildExtraChoice()
{
    static constexpr Controls::LabelRow labels[] = {
        {"Label9", " Ex&tra numbers", {225, 2625, 1230, 285}},
        {"Label10", "to", {4050, 2625, 390, 285}},
    };
    static constexpr Controls::BoxRow boxes[] = {
        {"InExtra", 2, {1470, 2610, 330, 300}},
        {"InExtraLow", 2, {3705, 2610, 330, 300}},
        {"InExtraHigh", 2, {4470, 2610, 330, 300}},
    };
    const auto captions = Controls::create(this, labels);
    const QFont small = Controls::windowFont(8.25);
    for (QLabel* caption : captions)
        caption->setFont(small);
    captions[1]->setAlignment(Qt::AlignCenter);
    const auto created = Controls::create(this, boxes);
    for (QLineEdit* box : created)
        Colours::apply(box, Colours::EntryBox);
    m_extraNumbers = created[0];
    m_extraLowest = created[1];
    m_extraHighest = created[2];
    captions[0]->setBuddy(m_extraNumbers);
    m_extraPool = new QComboBox(this);
    m_extraPool->setObjectName(QStringLiteral("ExtraPool"));
    m_extraPool->setGeometry(TwipsRect(1860, 2610, 1785, 300));
    m_extraPool->setFont(small);
    m_extraPool->addItems({QStringLiteral("main pool"), QStringLiteral("own pool from")});
    m_extraNumbers->setText(AlignedNumber(2, m_shape.extraNumbers));
    m_extraLowest->setText(AlignedNumber(2, m_shape.extraLowest));
    m_extraHighest->setText(AlignedWhole(2, m_shape.extraHighest));
    connect(m_extraPool, &QComboBox::currentIndexChanged, this, &LImport::extraPoolChosen);
}

void LImport::showExtraChoice()
{
    const bool extra = m_shape.extraNumbers > 0;
    const bool own = m_shape.extraPool == LotteryShape::ExtraPool::Own;
    m_extraLowest->setEnabled(own);
    m_extraHighest->setEnabled(own);
    // The last columns named are the extra numbers'.
    m_numberColumnsCaption->setText(extra ? QStringLiteral(" Num&bers + extra")
                                          : QStringLiteral(" Num&ber columns"));
}

void LImport::extraPoolChosen(int index)
{
    takeEditedBox();
    takePendingText();
    m_shape.extraPool = index == 1 ? LotteryShape::ExtraPool::Own : LotteryShape::ExtraPool::Main;
    showExtraChoice();
    readHistory();
}

void LImport::buildSummary()
{
    m_summary = Controls::label(this, "Summary", QString(), 4995, 1050, 4260, 1005);
    m_summary->setFont(Controls::windowFont(8.25));
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_summary->setWordWrap(true);
    m_skippedButton
        = Controls::button(this, "ShowSkipped", ShowSkippedCaption, 4995, 2100, 4260, 325);
    connect(m_skippedButton, &QPushButton::clicked, this, &LImport::toggleSkippedLines);
}

void LImport::buildDateFrame()
{
    QGroupBox* dates
        = Controls::frame(this, "Frame2", QStringLiteral(" Dates "), 4995, 2475, 4260, 810);
    dates->setFont(Controls::windowFont(8.25));
    // Greyed captions stay readable on the grey of the frame.
    QPalette greyed = dates->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        greyed.setColor(QPalette::Disabled, role, Colours::GreyedText);
    dates->setPalette(greyed);
    const auto radio = [dates](const char* name, const QString& caption, int top) {
        auto* button = new QRadioButton(caption, dates);
        button->setObjectName(QLatin1StringView(name));
        button->setGeometry(TwipsRect(120, top, 2850, 255));
        return button;
    };
    m_dayFirst = radio("DayFirst", QStringLiteral("&Day before month"), 240);
    m_monthFirst = radio("MonthFirst", QStringLiteral("&Month before day"), 510);
    m_dateOrderGroup = new QButtonGroup(this);
    m_dateOrderGroup->addButton(m_dayFirst);
    m_dateOrderGroup->addButton(m_monthFirst);
    connect(m_dayFirst, &QRadioButton::clicked, this,
            [this] { dateOrderChosen(DateOrder::DayMonth); });
    connect(m_monthFirst, &QRadioButton::clicked, this,
            [this] { dateOrderChosen(DateOrder::MonthDay); });
}

void LImport::buildPreview()
{
    const QFont small = Controls::windowFont(8.25);
    Controls::label(this, "Label3", QStringLiteral(" The first draws as they will be stored"), 225,
                    3360, 4575, 285)
        ->setFont(small);
    m_preview = GridTable::create(this, "Grid1", 225, 3645, 9015, 2235, 240);
    m_preview->setFont(small);
    m_skippedBox = new QPlainTextEdit(this);
    m_skippedBox->setObjectName(QStringLiteral("SkippedBox"));
    m_skippedBox->setGeometry(TwipsRect(225, 3315, 9015, 2565));
    m_skippedBox->setFont(small);
    m_skippedBox->setReadOnly(true);
    m_skippedBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_skippedBox->hide();
}

void LImport::buildNewestChoice()
{
    m_newestOnly = new QCheckBox(QStringLiteral("Take only the ne&west draws:"), this);
    m_newestOnly->setObjectName(QStringLiteral("NewestOnly"));
    m_newestOnly->setGeometry(TwipsRect(4995, 3345, 2700, 285));
    m_newestOnly->setFont(Controls::windowFont(8.25));
    m_newest = new QSpinBox(this);
    m_newest->setObjectName(QStringLiteral("InNewest"));
    m_newest->setGeometry(TwipsRect(7785, 3330, 1470, 300));
    m_newest->setRange(1, DrawStore::MaxRecords);
    m_newest->setValue(std::min(1000, DrawStore::MaxRecords));
    m_newest->setEnabled(false);
    Colours::apply(m_newest, Colours::EntryBox, Colours::Roles::Page);
    connect(m_newestOnly, &QCheckBox::toggled, this, [this](bool on) {
        m_newest->setEnabled(on);
        showHistory();
    });
    connect(m_newest, &QSpinBox::valueChanged, this, [this] { showHistory(); });
}

void LImport::buildColumnChoice()
{
    static constexpr Controls::LabelRow labels[] = {
        {"Label7", " Date co&lumn", {225, 3000, 1230, 285}},
        {"Label8", " Num&ber columns", {2055, 3000, 1575, 285}},
    };
    static constexpr Controls::BoxRow boxes[] = {
        {"InDateCol", 3, {1470, 2985, 480, 300}},
        {"InNumCols", 40, {3630, 2985, 1170, 300}},
    };
    const auto captions = Controls::create(this, labels);
    const QFont small = Controls::windowFont(8.25);
    const auto created = Controls::create(this, boxes);
    m_dateColumn = created[0];
    m_numberColumns = created[1];
    m_numberColumnsCaption = captions[1];
    for (int i = 0; i < 2; ++i) {
        captions[std::size_t(i)]->setFont(small);
        captions[std::size_t(i)]->setBuddy(created[std::size_t(i)]);
        Colours::apply(created[std::size_t(i)], Colours::EntryBox);
        connect(created[std::size_t(i)], &QLineEdit::editingFinished, this,
                [this] { takeColumns(); });
    }
}

void LImport::buildButtonStrip()
{
    static constexpr Controls::WiredButtonRow<LImport> buttons[] = {
        {{"ExitImport", "E&xit to Menu", {135, 6000, 1455, 325}}, nullptr},
        {{"ReplaceDb", "&Replace the database", {4965, 6000, 2160, 325}}, &LImport::replaceClicked},
        {{"AddDb", "&Add to the database", {7245, 6000, 2100, 325}}, &LImport::addClicked},
    };
    Controls::buttonStrip(this, "Label4")->setFont(Controls::windowFont(8.25));
    const auto strip = Controls::create(this, buttons);
    connect(strip[0], &QPushButton::clicked, this, &QWidget::close);
    m_replaceButton = strip[1];

    Controls::tabOrder({m_chooseButton, m_pasted,        m_extraNumbers, m_extraPool,
                        m_extraLowest,  m_extraHighest,  m_dateColumn,   m_numberColumns,
                        m_numCol,       m_highNum,       m_title,        m_dayFirst,
                        m_monthFirst,   m_skippedButton, m_newestOnly,   m_newest,
                        m_preview,      m_skippedBox,    strip[1],       strip[2],
                        strip[0]});
    m_chooseButton->setFocus();
}

void LImport::wireBoxes()
{
    MessageBoxes& messages = m_services.messages;
    m_numbersPerDrawRange
        = new RangeBox(m_numCol, RangeBox::numbersPerDraw(), m_editing, m_highNum, messages);
    m_highestNumberRange
        = new RangeBox(m_highNum, RangeBox::highestNumber(), m_editing, m_title, messages);
    // Only a number typed is checked, and one out of range gives way to the shape's.
    m_numbersPerDrawRange->checkTypedOnly([this] { return m_shape.numbersPerDraw; });
    m_highestNumberRange->checkTypedOnly([this] { return m_shape.highestNumber; });
    m_numbersPerDrawRange->onTaken(
        [this](int value) { shapeTaken(m_shape.numbersPerDraw, value); });
    m_highestNumberRange->onTaken([this](int value) { shapeTaken(m_shape.highestNumber, value); });

    const auto extraRange = [&](QLineEdit* box, RangeBox::Range range, QWidget* next, int& value) {
        auto* checked = new RangeBox(box, range, m_editing, next, messages);
        checked->checkTypedOnly([&value] { return value; });
        checked->onTaken([this, &value](int typed) {
            shapeTaken(value, typed);
            showExtraChoice();
        });
        return checked;
    };
    m_extraNumbersRange = extraRange(
        m_extraNumbers, {0, LotteryShape::MaxExtraNumbers, QStringLiteral(" Must be from 0 to 2")},
        m_extraPool, m_shape.extraNumbers);
    m_extraLowestRange = extraRange(m_extraLowest, {0, 1, QStringLiteral(" Must be 0 or 1")},
                                    m_extraHighest, m_shape.extraLowest);
    m_extraHighestRange = extraRange(
        m_extraHighest, {1, LotteryShape::MaxExtraHighest, QStringLiteral(" Must be from 1 to 50")},
        m_dateColumn, m_shape.extraHighest);

    WidgetEvents::enterMovesTo(m_title, m_replaceButton);
    // A draw file keeps the title between double quotes: what it cannot hold never gets in.
    MakeFileTextBox(m_title, messages);
}

void LImport::chooseFileClicked()
{
    takeEditedBox();
    const std::optional<FileChoice> chosen
        = m_services.files.choose(FileKind::History, Direction::Open, QString());
    if (chosen)
        OpenHistoryFile(chosen->path);
}

void LImport::OpenHistoryFile(const QString& path)
{
    QString reason;
    std::optional<QByteArray> bytes;
    {
        BusyCursor busy;
        bytes = ImportView::ReadHistoryFile(path, &reason);
    }
    if (!bytes) {
        m_services.files.reportLoadingError(reason);
        return;
    }
    m_bytes = *bytes;
    m_path = QFileInfo(path).absoluteFilePath();
    m_dateOrder = DateOrder::FromFile;
    m_columns = {};
    m_fileName->setText(QFileInfo(path).fileName());
    proposeTitle(ImportView::DefaultTitle(path));
    {
        // The history is the file now, not what was pasted before.
        const QSignalBlocker quiet(m_pasted);
        m_pasted->clear();
        m_pasteTimer->stop();
    }
    readHistory();
    settleDateOrder();
}

void LImport::pastedTextEdited()
{
    m_pasteTimer->start();
}

void LImport::takePendingText()
{
    if (!m_pasteTimer->isActive())
        return;
    m_pasteTimer->stop();
    pastedTextChanged();
}

int LImport::newestTaken() const
{
    return m_newestOnly->isChecked() ? m_newest->value() : 0;
}

ImportView::Plan LImport::summaryPlan() const
{
    const DrawStore& store = m_state.Store;
    const bool adding = store.RecCount() > 0 && m_import->mergeRefusal(store).isEmpty();
    return ImportView::PlanImport(store, *m_import,
                                  adding ? ImportView::Mode::Add : ImportView::Mode::Replace,
                                  newestTaken());
}

void LImport::pastedTextChanged()
{
    const QString text = m_pasted->toPlainText();
    // Text that replaces a file, or all text, is a new history; an edit keeps the order chosen.
    if (!m_path.isEmpty() || text.isEmpty()) {
        m_dateOrder = DateOrder::FromFile;
        m_columns = {};
    }
    m_bytes = text.toUtf8();
    m_path.clear();
    m_fileName->setText(text.isEmpty() ? QStringLiteral("No file chosen")
                                       : QStringLiteral("Pasted text"));
    // Pasted text has no name of its own: the database keeps its title unless one is typed.
    proposeTitle(m_state.Store.Title());
    readHistory();
}

void LImport::proposeTitle(const QString& title)
{
    // A title the user typed stays whatever is read.
    if (m_title->text() != m_proposedTitle)
        return;
    m_title->setText(title);
    m_title->setCursorPosition(0); // a title longer than the box shows from its start
    m_proposedTitle = m_title->text();
}

void LImport::readHistory()
{
    m_import.reset();
    m_dateOrderUndecided = false;
    if (!m_path.isEmpty() || !m_bytes.isEmpty()) {
        BusyCursor busy;
        m_import.emplace(m_bytes, m_shape, QDate::currentDate(), DateOrder::FromFile, m_columns);
        m_dateOrderUndecided = m_import->dateOrderUndecided();
        // The user's order counts only where the history itself cannot tell.
        if (m_dateOrderUndecided && m_dateOrder != DateOrder::FromFile)
            m_import.emplace(m_bytes, m_shape, QDate::currentDate(), m_dateOrder, m_columns);
    }
    showHistory();
}

void LImport::showHistory()
{
    QStringList report;
    if (m_import) {
        const ImportView::Plan plan = summaryPlan();
        m_summary->setText(ImportView::SummaryLines(*m_import, plan).join(u'\n'));
        report = ImportView::SkippedLineTexts(*m_import)
            + ImportView::ConflictTexts(plan, m_import->shape());
    } else {
        m_summary->setText(QStringLiteral("Choose a draw history file or paste its text."));
    }
    showPreview();
    showColumns();
    m_skippedBox->setPlainText(report.join(u'\n'));
    m_skippedButton->setEnabled(!report.isEmpty());
    if (report.isEmpty() && !m_skippedBox->isHidden())
        toggleSkippedLines();
    showDateOrder();
}

void LImport::showPreview()
{
    const QList<QStringList> rows = m_import
        ? ImportView::PreviewRows(*m_import, ImportView::PreviewDraws, newestTaken())
        : QList<QStringList>();
    const int columns = LotteryShape::recordColumnsFor(
        std::min(m_shape.drawnNumbers(), LotteryShape::MaxDrawnNumbers));
    GridTable::resize(m_preview, int(rows.size()) + 1, columns, 1, 1);
    // As the database window's record grid of the same shape shows them.
    RecordGridLayout::apply(m_preview, columns);
    // A game of many numbers scrolls within the window rather than running past its edge.
    m_preview->resize(std::min(m_preview->width(), width() - 2 * m_preview->x()),
                      m_preview->height());
    const GridTable::BulkChange change(m_preview);
    GridTable::clear(m_preview, 0, 0);
    for (int c = 0; c < columns; ++c)
        GridTable::setText(m_preview, 0, c,
                           DatabaseView::RecordHeaderText(c, m_shape.numbersPerDraw));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size() && column < columns; ++column)
            GridTable::setText(m_preview, row + 1, column, rows[row][column]);
    // The extra numbers follow the main ones on another ground.
    const int firstExtra = m_shape.firstExtraColumn();
    for (int row = 1; row < m_preview->rowCount(); ++row)
        for (int column = 2; column < columns; ++column)
            Colours::apply(m_preview->item(row, column),
                           column >= firstExtra ? &Colours::ExtraSetCell : nullptr);
}

void LImport::showColumns()
{
    const DrawHistoryImport::Columns used
        = m_import ? m_import->columnsUsed() : DrawHistoryImport::Columns();
    m_dateColumn->setText(used.date > 0 ? QString::number(used.date) : QString());
    m_numberColumns->setText(DrawHistoryImport::ColumnsText(used.numbers));
    // The columns the history has, with their headings, to choose from.
    QStringList columns;
    for (int column = 1; m_import && column <= m_import->columnCount(); ++column) {
        const QString heading = m_import->columnHeading(column);
        columns.append(heading.isEmpty() ? QString::number(column)
                                         : QStringLiteral("%1: %2").arg(column).arg(heading));
    }
    // Headings are the file's text: escaped in a paragraph, they show as they stand.
    const QString tip = columns.isEmpty() ? QString()
                                          : QStringLiteral("<p>")
            + (QStringLiteral("Columns of the history: ") + columns.join(QStringLiteral(", ")))
                  .toHtmlEscaped()
            + QStringLiteral("</p>");
    m_dateColumn->setToolTip(tip);
    // The columns named hold the main numbers, then the extra ones.
    const int extra = m_shape.extraNumbers;
    const QString order = extra == 0 ? QString()
        : extra == 1
        ? QStringLiteral("<p>The last column named holds the extra number.</p>")
        : QStringLiteral("<p>The last %1 columns named hold the extra numbers.</p>").arg(extra);
    m_numberColumns->setToolTip(tip + order);
}

bool LImport::takeColumns()
{
    if (!m_import)
        return true;
    const QString dateText = m_dateColumn->text().trimmed();
    bool dateRead = dateText.isEmpty();
    const int date = dateRead ? 0 : dateText.toInt(&dateRead);
    const QString numbersText = m_numberColumns->text().trimmed();
    std::optional<DrawHistoryImport::Columns> typed;
    if (dateRead && date >= 0)
        typed = numbersText.isEmpty() ? DrawHistoryImport::Columns {date, {}}
                                      : DrawHistoryImport::ParseColumns(numbersText, date);
    if (!typed) {
        m_services.messages.inform(
            HelpTitle,
            QStringLiteral(
                " Type the column of the date and the columns of the drawn numbers, counted from 1, such as 2 and 3-8 or 5,7,9-12."));
        showColumns();
        return false;
    }
    // What the boxes showed, or what was asked for already, reads the same again.
    if (*typed == m_import->columnsUsed() || *typed == m_columns)
        return true;
    m_columns = *typed;
    readHistory();
    return true;
}

void LImport::showDateOrder()
{
    m_dayFirst->setEnabled(m_dateOrderUndecided);
    m_monthFirst->setEnabled(m_dateOrderUndecided);
    // Only a history that leaves the order open shows one; the others say it themselves.
    const bool shown = m_dateOrderUndecided && m_import;
    m_dateOrderGroup->setExclusive(false);
    m_dayFirst->setChecked(shown && m_import->dateOrder() == DateOrder::DayMonth);
    m_monthFirst->setChecked(shown && m_import->dateOrder() == DateOrder::MonthDay);
    m_dateOrderGroup->setExclusive(true);
}

void LImport::settleDateOrder()
{
    if (!m_dateOrderUndecided || m_dateOrder != DateOrder::FromFile)
        return;
    const std::optional<ImportView::DateOrderExample> example
        = ImportView::FindDateOrderExample(m_bytes, m_shape, QDate::currentDate(), m_columns);
    if (!example)
        return;
    const bool dayFirst = m_services.messages.ask(QStringLiteral("Date Order"),
                                                  ImportView::DateOrderQuestion(*example));
    dateOrderChosen(dayFirst ? DateOrder::DayMonth : DateOrder::MonthDay);
}

void LImport::dateOrderChosen(DateOrder order)
{
    takePendingText();
    m_dateOrder = order;
    readHistory();
}

void LImport::toggleSkippedLines()
{
    takePendingText();
    const bool open = m_skippedBox->isHidden();
    m_skippedBox->setVisible(open);
    m_skippedButton->setText(open ? CloseSkippedCaption : ShowSkippedCaption);
    if (open) {
        m_skippedBox->raise();
        m_skippedBox->setFocus();
    }
}

void LImport::importClicked(ImportView::Mode mode)
{
    takeEditedBox();
    takePendingText();
    if (!takeColumns())
        return;
    MessageBoxes& messages = m_services.messages;
    if (!m_import) {
        messages.inform(HelpTitle,
                        QStringLiteral(" Choose a draw history file or paste its text first."));
        return;
    }
    settleDateOrder();
    DrawStore& store = m_state.Store;
    ImportView::Plan plan = ImportView::PlanImport(store, *m_import, mode, newestTaken());
    if (!plan.refusal.isEmpty()) {
        messages.inform(HelpTitle, u' ' + plan.refusal);
        // The user chooses the columns instead.
        if (m_import->columnsNeeded()) {
            m_numberColumns->setFocus();
            m_numberColumns->selectAll();
        }
        return;
    }
    // Draws are dropped to fit only when the user says so.
    if (plan.excess > 0) {
        if (!messages.ask(QStringLiteral("Too Many Draws"), ImportView::TooManyQuestion(plan)))
            return;
        ImportView::KeepNewestThatFit(plan, store.records());
    }
    // Draws not saved yet are never dropped without the question opening a file asks.
    const bool replacing = mode == ImportView::Mode::Replace;
    if ((replacing || plan.dropsDrawsInMemory) && !MayDropDocuments({&store}, messages))
        return;

    {
        BusyCursor busy;
        ImportView::Apply(store, std::move(plan), m_import->shape(), m_title->text());
    }
    // The draws in memory no longer come from the file that was open: a save must not propose
    // to overwrite it.
    if (replacing)
        store.proposeFileName(m_path.isEmpty() ? QString() : ImportView::DrawFileName(m_path));
    close();
    Q_EMIT imported();
}

void LImport::takeEditedBox()
{
    const QWidget* focused = focusWidget();
    for (RangeBox* range : {m_numbersPerDrawRange, m_highestNumberRange, m_extraNumbersRange,
                            m_extraLowestRange, m_extraHighestRange})
        if (focused == range->box())
            range->leave();
}

void LImport::shapeTaken(int& value, int typed)
{
    if (typed == value)
        return;
    value = typed;
    if (m_pasteTimer->isActive())
        takePendingText(); // reads with the new shape
    else
        readHistory();
}

bool LImport::mayLeave()
{
    takeEditedBox();
    return true;
}

void LImport::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    ToolWindow::keyPressEvent(event);
}
