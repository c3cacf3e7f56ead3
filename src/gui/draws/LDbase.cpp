#include "LDbase.h"

#include "gui/analysis/LGraph.h"
#include "core/analysis/Ranking.h"
#include "core/app/SharedState.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/Controls.h"
#include "core/common/DigitKeyFilter.h"
#include "gui/common/GridTable.h"
#include "core/common/LeadingNumber.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/NumericBox.h"
#include "gui/common/Services.h"
#include "core/common/TextFormat.h"
#include "gui/common/Twips.h"
#include "gui/common/WidgetEvents.h"
#include "core/draws/DatabaseView.h"
#include "gui/draws/InRecNum.h"
#include "gui/help/HelpPanel.h"
#include "core/help/HelpTexts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace {

const QString helpTitle = QStringLiteral("Help");
const QString entryErrorTitle = QStringLiteral("Entry Error");
const QColor yellow(255, 255, 0);
const QColor lightGrey(192, 192, 192);

constexpr int maxNumbers = 10;

bool isDigit(int key)
{
    return key >= '0' && key <= '9';
}

} // namespace

LDbase::LDbase(SharedState& state, Services& services, RecordNumberQuestion askRecordNumber,
               QWidget* parent)
    : ToolWindow(parent)
    , m_state(state)
    , m_services(services)
    , m_askRecordNumber(std::move(askRecordNumber))
{
    if (!m_askRecordNumber)
        m_askRecordNumber
            = [this](QWidget* owner) { return InRecNum::ask(m_services.messages, owner); };
    buildControls();
    wireEntryRow();
    load();
}

LDbase::~LDbase() = default;

void LDbase::buildControls()
{
    Controls::setupWindow(this, "LDbase", QStringLiteral("Database"));
    const QFont small = Controls::windowFont(8.25);
    setFont(Controls::windowFont(9.75));

    QGroupBox* frame
        = Controls::frame(this, "Frame1", QStringLiteral(" Database setup "), 0, 0, 9470, 975);
    frame->setFont(small);
    Controls::label(frame, "Label5", QStringLiteral(" Total number of choices in the lottery"), 225,
                    270, 3525, 285);
    Controls::label(frame, "Label6", QStringLiteral(" Numbers in the lottery range from 1 to"), 225,
                    585, 3525, 285);
    Controls::label(frame, "Label1", QStringLiteral(" Title"), 6435, 225, 555, 285);
    m_numCol = Controls::inputBox(frame, "NumCol", 2, 3735, 270, 330, 285);
    m_highNum = Controls::inputBox(frame, "HighNum", 2, 3735, 585, 330, 285);
    m_title = Controls::inputBox(frame, "InFileName", 40, 4500, 540, 4560, 330);

    m_newLabel = Controls::label(this, "InNew", QStringLiteral("New"), 225, 1020, 915, 360);
    m_date = Controls::inputBox(this, "InDate", 10, 1125, 1020, 1365, 360);
    for (int i = 0; i < maxNumbers; ++i) {
        const QByteArray name = "InNum" + QByteArray::number(i);
        m_numbers[std::size_t(i)]
            = Controls::inputBox(this, name.constData(), 2, 2475 + 585 * i, 1020, 600, 360);
    }
    for (QLineEdit* box : {m_numCol, m_highNum, m_title, m_date})
        Controls::setBackground(box, yellow);
    for (QLineEdit* box : m_numbers)
        Controls::setBackground(box, yellow);

    m_records = GridTable::create(this, "Grid1", 225, 1380, 8340, 2670, 240);
    m_records->setFont(small);
    m_topLine
        = Controls::label(this, "Label4", QStringLiteral("Distribution of numbers in the database"),
                          225, 4080, 9015, 285);
    m_topLine->setFont(small);
    const int distributionTops[] = {4380, 4890, 5400};
    for (int i = 0; i < 3; ++i) {
        const QByteArray name = "Grid" + QByteArray::number(i + 2);
        QTableWidget* grid
            = GridTable::create(this, name.constData(), 225, distributionTops[i], 9015, 525, 240);
        grid->setFont(small);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_distribution[std::size_t(i)] = grid;
    }

    m_helpBox = new QPlainTextEdit(this);
    m_helpBox->setObjectName(QStringLiteral("HelpBoxD"));
    m_helpBox->setGeometry(TwipsRect(6165, 1020, 3300, 4875));
    m_helpBox->setFont(small);

    auto* strip = Controls::label(this, "Label3", QString(), 0, 5940, 9480, 420);
    strip->setFont(small);
    Controls::setBackground(strip, lightGrey);
    auto* exitButton = Controls::button(this, "ExitDbase", QStringLiteral("E&xit to Menu"), 135,
                                        6000, 1455, 325);
    auto* graphButton
        = Controls::button(this, "ShowGrp", QStringLiteral("&Show Graph"), 1755, 6000, 1455, 325);
    auto* deleteButton
        = Controls::button(this, "delDbase", QStringLiteral("&Delete All"), 3330, 6000, 1230, 325);
    auto* correctButton = Controls::button(this, "CorrectRec", QStringLiteral("Correct &Record"),
                                           4680, 6000, 1770, 325);
    auto* helpButton
        = Controls::button(this, "Help3But", QStringLiteral("&Help"), 6525, 6000, 1320, 325);
    m_addButton
        = Controls::button(this, "Calc", QStringLiteral("&Add Record"), 7965, 6000, 1455, 325);

    m_help = new HelpPanel(helpButton, m_helpBox, &HelpTexts::database, m_services.messages,
                           {.beepOnKey = true, .focusPanel = true});

    QList<QWidget*> order {m_date};
    for (QLineEdit* box : m_numbers)
        order.append(box);
    order << m_addButton << helpButton << correctButton << deleteButton << graphButton << exitButton
          << m_helpBox << m_numCol << m_highNum << m_title;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_addButton, &QPushButton::clicked, this, &LDbase::addRecordClicked);
    connect(correctButton, &QPushButton::clicked, this, &LDbase::correctRecordClicked);
    connect(deleteButton, &QPushButton::clicked, this, &LDbase::deleteAllClicked);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(graphButton, &QPushButton::clicked, this, [this] {
        takeEditedBox();
        m_state.GraphOpener = 2;
        ToolWindow::open(this, new LGraph(m_state, m_services));
    });
}

void LDbase::wireEntryRow()
{
    MessageBoxes& messages = m_services.messages;
    bool& editing = m_state.EditingFlag;
    QLineEdit* firstNumber = m_numbers[0];

    MakeNumericBox(m_numCol, editing, m_highNum, messages, [this] { numbersPerDrawLeft(); });
    MakeNumericBox(m_highNum, editing, firstNumber, messages, [this] { highestNumberLeft(); });

    const auto startTitle = [this, &editing] {
        if (!editing) {
            m_title->clear();
            editing = true;
        }
    };
    WidgetEvents::onClick(m_title, [&editing] { editing = true; });
    WidgetEvents::onKeyPress(m_title, [&messages, firstNumber, startTitle](int key) {
        if (key == KeyEnter) {
            firstNumber->setFocus(Qt::TabFocusReason);
            return KeyDropped;
        }
        // A draw file keeps the title between double quotes: one inside it cannot be stored.
        if (key == '"') {
            messages.beep();
            return KeyDropped;
        }
        startTitle();
        return key;
    });
    WidgetEvents::onPasteKey(m_title, startTitle);
    // Pasted or dropped text loses what the file could not keep (quotes, line breaks), and the
    // title is taken as it is typed, so no way of leaving the window can lose it.
    Controls::fileTextBox(m_title);
    connect(m_title, &QLineEdit::textEdited, this, &LDbase::titleEdited);

    Controls::keyboardOnly(m_date);
    Controls::acceptOnly(m_date, QStringLiteral("[0-9./-]*"));
    for (QLineEdit* box : m_numbers)
        MakeDigitBox(box, messages);
    WidgetEvents::onKeyPress(m_date, [&messages, firstNumber](int key) {
        if (key == KeyEnter) {
            firstNumber->setFocus(Qt::TabFocusReason);
            return KeyDropped;
        }
        if (isDigit(key) || key == KeyBackspace || key == 127 || key == '.' || key == '-'
            || key == '/')
            return key;
        messages.beep();
        return KeyDropped;
    });
    WidgetEvents::onFocusOut(m_date, [this] { dateLeft(); });

    for (int i = 0; i < maxNumbers; ++i) {
        WidgetEvents::onKeyPress(m_numbers[std::size_t(i)], [this, i, &messages](int key) {
            if (key == KeyEnter) {
                if (i < numbersPerDraw() - 1)
                    m_numbers[std::size_t(i + 1)]->setFocus(Qt::TabFocusReason);
                else
                    m_addButton->setFocus(Qt::TabFocusReason);
                return KeyDropped;
            }
            if (isDigit(key) || key == KeyBackspace || key == 127)
                return key;
            messages.beep();
            return KeyDropped;
        });
    }
}

void LDbase::load()
{
    const DrawStore& store = m_state.Store;
    m_title->setText(store.Title());
    m_numCol->setText(QString::number(m_state.Settings.DefaultNumbersPerDraw));
    m_highNum->setText(QString::number(m_state.Settings.DefaultHighNum));
    if (store.RecCount() > 0)
        RefreshDatabaseWindow();
    SetupRecordGrid();
    setupDistributionGrids();
    ShowNewDate();
    AddRecord(); // adds nothing with empty boxes, but tells when the store is full
    m_date->setFocus();
}

int LDbase::numbersPerDraw() const
{
    return std::clamp(m_state.Store.ColCount() - 2, 0, maxNumbers);
}

QStringList LDbase::visibleNumberTexts() const
{
    QStringList texts;
    for (int k = 0; k < numbersPerDraw(); ++k)
        texts.append(m_numbers[std::size_t(k)]->text());
    return texts;
}

void LDbase::clearNumberBoxes()
{
    for (int k = 0; k < numbersPerDraw(); ++k)
        m_numbers[std::size_t(k)]->clear();
}

void LDbase::SetupRecordGrid()
{
    DrawStore& store = m_state.Store;
    m_gridRowCapacity = store.RecCount() + 24;

    int colCount = int(LeadingWholeNumber(m_numCol->text())) + 2;
    if (colCount > 12) {
        colCount = 12;
        m_numCol->setText(QStringLiteral("10"));
    }
    store.SetColCount(colCount);
    int highNum = int(LeadingWholeNumber(m_highNum->text()));
    if (highNum > 60) {
        highNum = 60;
        m_highNum->setText(QStringLiteral("60"));
    }
    store.SetHighNum(highNum);

    for (int i = 0; i < maxNumbers; ++i)
        m_numbers[std::size_t(i)]->setVisible(i < numbersPerDraw());

    const int columns = std::max(colCount, 2);
    GridTable::resize(m_records, m_gridRowCapacity, columns, 1, 1);
    m_records->resize(Px(589 * columns + 1320), m_records->height());
    m_records->setColumnWidth(0, Px(900));
    m_records->setColumnWidth(1, Px(1320));
    GridTable::setText(m_records, 0, 0, QStringLiteral("Record"));
    GridTable::setText(m_records, 0, 1, QStringLiteral("Date"));
    for (int c = 2; c < columns; ++c) {
        m_records->setColumnWidth(c, Px(575));
        GridTable::setText(m_records, 0, c, u' ' + QString::number(c - 1));
    }
}

void LDbase::SetupDistributionGrid(QTableWidget* grid, int first)
{
    GridTable::resize(grid, 2, 20, 1, 0);
    const QStringList headers = DatabaseView::DistributionHeaders(first, m_state.Store.HighNum());
    for (int column = 0; column < 20; ++column) {
        grid->setColumnWidth(column, Px(440));
        GridTable::setText(grid, 0, column, headers[column]);
    }
}

void LDbase::setupDistributionGrids()
{
    for (int i = 0; i < 3; ++i)
        SetupDistributionGrid(m_distribution[std::size_t(i)], 1 + 20 * i);
}

void LDbase::ShowNewDate()
{
    m_state.Store.ProposeNewDate(Today());
    m_date->setText(FormatShortDate(m_state.Store.NewDate()));
}

void LDbase::ShowDistribution()
{
    DrawStore& store = m_state.Store;
    for (int i = 0; i < 3; ++i) {
        const QStringList counts
            = DatabaseView::DistributionCounts(store.NumberCounts(), 1 + 20 * i);
        for (int column = 0; column < 20; ++column)
            GridTable::setText(m_distribution[std::size_t(i)], 1, column, counts[column]);
    }
    // Always by count: a mode another window left behind is none of this window's business.
    store.SortedCounts() = RankByCount(store.NumberCounts(), store.HighNum(), RankOrder::ByCount);
    if (const auto line
        = DatabaseView::TopNumbersLine(store.SortedCounts(), store.ColCount() - 2)) {
        m_topLine->setText(*line);
        m_state.DistributionText = *line;
    }
}

void LDbase::fillRecordGrid()
{
    const DrawStore& store = m_state.Store;
    const GridTable::BulkChange change(m_records);
    for (int row = 1; row <= store.RecCount(); ++row) {
        const QStringList texts = DatabaseView::RecordRowTexts(store, store.RecCount() - row + 1);
        for (int column = 0; column < texts.size() && column < m_records->columnCount(); ++column)
            GridTable::setText(m_records, row, column, texts[column]);
    }
}

void LDbase::RefreshDatabaseWindow()
{
    try {
        DrawStore& store = m_state.Store;
        // A draw file may announce a shape beyond the window's limits: it is cut to them, and
        // the records keep their numbers.
        store.SetColCount(std::clamp(store.ColCount(), 3, 12));
        store.SetHighNum(std::clamp(store.HighNum(), 1, DrawStore::HighestNumber));
        m_numCol->setText(AlignedWhole(2, store.ColCount() - 2));
        m_highNum->setText(AlignedWhole(2, store.HighNum()));
        SetupRecordGrid();
        setupDistributionGrids();
        ShowNewDate();
        fillRecordGrid();
        m_newLabel->setText(QStringLiteral("New"));
        m_date->setText(FormatShortDate(store.NewDate()));
        clearNumberBoxes();
        m_state.Store.CountNumbers();
        ShowDistribution();
    } catch (const std::exception&) {
        m_services.messages.inform(helpTitle, QStringLiteral("Unknown error6."));
    }
}

bool LDbase::dateIsValid() const
{
    return ParseUserDate(m_date->text(), Today()).isValid();
}

void LDbase::dateLeft()
{
    const QDate date = ParseUserDate(m_date->text(), Today());
    if (date.isValid()) {
        m_date->setText(FormatShortDate(date));
        return;
    }
    m_services.messages.inform(QStringLiteral("Entry error"),
                               QStringLiteral("Not a proper date, try again. "));
    // Back to the date once the focus change that is under way has ended.
    QTimer::singleShot(0, m_date, [date = m_date] { date->setFocus(); });
}

void LDbase::addRecordClicked()
{
    if (LeadingNumber(m_numbers[0]->text()) == 0) {
        m_services.messages.inform(helpTitle, QStringLiteral(" No record to add to database."));
        return;
    }
    // A record is never stored with a date the draw file could not write.
    if (!dateIsValid()) {
        dateLeft();
        return;
    }
    if (m_correcting) {
        ReplaceRecord();
        return;
    }
    m_state.Store.SetChangedFlag(true);
    AddRecord();
}

void LDbase::AddRecord()
{
    DrawStore& store = m_state.Store;
    if (store.RecCount() >= DrawStore::MaxRecords) {
        m_services.messages.inform(helpTitle, QStringLiteral("Max amount of records = 2000"));
        return;
    }
    if (LeadingNumber(m_numbers[0]->text()) == 0)
        return;
    const QStringList numbers = visibleNumberTexts();
    if (const auto fault
        = DatabaseView::CheckEntry(numbers, store.HighNum(), DatabaseView::EntryKind::NewRecord)) {
        m_services.messages.inform(entryErrorTitle, *fault);
        return;
    }

    BusyCursor busy;
    try {
        if (m_gridRowCapacity == store.RecCount() + 4)
            SetupRecordGrid();
        store.AppendRecord(m_date->text(), numbers);
        fillRecordGrid();
        ShowNewDate();
        clearNumberBoxes();
        store.CountNumbers();
        ShowDistribution();
        m_numbers[0]->setFocus();
    } catch (const std::exception&) {
        m_services.messages.inform(entryErrorTitle, QStringLiteral("Check for wrong entry."));
    }
}

void LDbase::ReplaceRecord()
{
    const QStringList numbers = visibleNumberTexts();
    if (const auto fault = DatabaseView::CheckEntry(numbers, m_state.Store.HighNum(),
                                                    DatabaseView::EntryKind::Correction)) {
        m_services.messages.inform(entryErrorTitle, *fault);
        return;
    }
    DrawStore& store = m_state.Store;
    const int record = *m_correcting;
    BusyCursor busy;
    try {
        if (!store.ReplaceRecord(record, m_date->text(), numbers)) {
            // The row says "New" again and Add would append what is typed.
            m_correcting.reset();
            m_newLabel->setText(QStringLiteral("New"));
            m_services.messages.inform(helpTitle, QStringLiteral(" Record Number does not exist."));
            return;
        }
        store.SetChangedFlag(true);
    } catch (const std::exception&) {
        m_services.messages.inform(helpTitle, QStringLiteral("Unknown error3"));
    }
    m_correcting.reset();
    RefreshDatabaseWindow();
}

void LDbase::correctRecordClicked()
{
    const DrawStore& store = m_state.Store;
    if (store.RecCount() == 0) {
        m_services.messages.inform(helpTitle, QStringLiteral(" No records to correct "));
        return;
    }
    // Asking for another record ends the correction under way, whatever the answer.
    const int record = m_askRecordNumber(this);
    endCorrection();
    if (record < 1)
        return;
    if (record > store.RecCount()) {
        m_services.messages.inform(helpTitle, QStringLiteral(" Record Number does not exist."));
        return;
    }
    m_correcting = record;
    m_newLabel->setText(u' ' + QString::number(record));
    m_date->setText(DatabaseView::DateText(store.cell(record, 1)));
    for (int k = 0; k < numbersPerDraw(); ++k) {
        // A number the box cannot show whole is left for the user to type rather than cut.
        const long long number = qRound64(store.cell(record, k + 2).numericValue());
        m_numbers[std::size_t(k)]->setText(number >= 0 && number <= 99 ? FormatWhole(number)
                                                                       : QString());
    }
}

void LDbase::endCorrection()
{
    if (!m_correcting)
        return;
    m_correcting.reset();
    m_newLabel->setText(QStringLiteral("New"));
    clearNumberBoxes();
    ShowNewDate();
}

void LDbase::deleteAllClicked()
{
    if (!m_services.messages.ask(QStringLiteral("Erase Database"),
                                 QStringLiteral("Yes will delete the database file in memory.")))
        return;
    endCorrection();
    m_state.Store.Reset();
    // Nothing is left that could be lost.
    m_state.Store.SetChangedFlag(false);
    m_title->clear();
    m_topLine->clear();
    SetupRecordGrid();
    GridTable::clear(m_records, 1, 0);
    for (QTableWidget* grid : m_distribution)
        GridTable::clear(grid, 1, 0);
}

void LDbase::titleEdited(const QString& text)
{
    DrawStore& store = m_state.Store;
    if (store.Title() == FileSafeText(text))
        return;
    store.SetTitle(text);
    store.SetChangedFlag(true);
}

void LDbase::takeEditedBox()
{
    const QWidget* focused = focusWidget();
    if (focused == m_numCol)
        numbersPerDrawLeft();
    else if (focused == m_highNum)
        highestNumberLeft();
}

bool LDbase::mayLeave()
{
    takeEditedBox();
    return true;
}

bool LDbase::shapeBoxLeft(QLineEdit* box, int limit, int current, const QString& rangeMessage)
{
    bool& editing = m_state.EditingFlag;
    if (!editing)
        return false;
    const long long value = LeadingWholeNumber(box->text());
    box->setText(AlignedWhole(2, value));
    editing = false;
    if (value < 1 || value > limit) {
        m_services.messages.inform(helpTitle, rangeMessage);
        box->setText(AlignedWhole(2, current));
        return false;
    }
    if (m_state.Store.RecCount() > 0) {
        m_services.messages.inform(
            helpTitle,
            QStringLiteral(
                " Cannot change while records exist in a database. 'Delete All' first."));
        box->setText(AlignedWhole(2, current));
        return false;
    }
    return true;
}

void LDbase::numbersPerDrawLeft()
{
    if (shapeBoxLeft(m_numCol, 10, m_state.Store.ColCount() - 2,
                     QStringLiteral(" Must be from 1 to 10")))
        SetupRecordGrid();
}

void LDbase::highestNumberLeft()
{
    if (!shapeBoxLeft(m_highNum, 60, m_state.Store.HighNum(),
                      QStringLiteral(" Must be from 1 to 60")))
        return;
    SetupRecordGrid();
    setupDistributionGrids();
    ShowDistribution();
}
