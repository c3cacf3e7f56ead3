// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LDbase.h"

#include "core/analysis/TopNumbers.h"
#include "core/app/SharedState.h"
#include "core/common/KeyCodes.h"
#include "core/common/LeadingNumber.h"
#include "core/common/MessageBoxes.h"
#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"
#include "core/help/HelpTexts.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"
#include "gui/common/GridTable.h"
#include "gui/common/InputBoxes.h"
#include "gui/common/RangeBox.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"
#include "gui/common/WidgetEvents.h"
#include "gui/draws/DistributionModel.h"
#include "gui/draws/InRecNum.h"
#include "gui/draws/RecordGridLayout.h"
#include "gui/draws/RecordGridModel.h"
#include "gui/draws/RecordGridView.h"
#include "gui/draws/ShapeFrame.h"
#include "gui/help/HelpPanel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace {

const QString EntryErrorTitle = QStringLiteral("Entry Error");

// In twips: the places of the entry row's boxes and of the distribution grids.
constexpr int NumberBoxLeft = 2475;
constexpr int NumberBoxStep = 585;
constexpr int NumberBoxWidth = 600;
constexpr int ExtraBoxGap = 150;
constexpr int DistributionTop = 4380;
constexpr int DistributionStep = 510;
constexpr int ClassicDistributionRows = 3;
constexpr int Margin = 225;

int rowsFor(int numbers)
{
    return (numbers + DistributionModel::Columns - 1) / DistributionModel::Columns;
}

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
    wireShapeBoxes();
    wireTitle();
    wireDate();
    wireNumberBoxes();
    load();
}

LDbase::~LDbase() = default;

void LDbase::buildControls()
{
    Controls::setupWindow(this, "LDbase", QStringLiteral("Database"));
    setFont(Controls::windowFont(9.75));
    buildSetupFrame();
    buildEntryRow();
    buildGrids();
    buildButtonStrip();
    m_classicSize = size();
    for (QObject* child : children())
        if (auto* control = qobject_cast<QWidget*>(child))
            m_classicPlaces.insert(control, control->geometry());
}

void LDbase::buildSetupFrame()
{
    const ShapeBoxes boxes = BuildShapeFrame(this, QStringLiteral(" Database setup "));
    m_numbersPerDraw = boxes.numbersPerDraw;
    m_highestNumber = boxes.highestNumber;
    m_title = boxes.title;
    m_choices = BuildShapeChoices(findChild<QGroupBox*>(QStringLiteral("Frame1")));
}

QLineEdit* LDbase::newNumberBox(int i)
{
    const QByteArray name = "InNum" + QByteArray::number(i);
    QLineEdit* box = Controls::inputBox(
        this, name.constData(), 2, NumberBoxLeft + NumberBoxStep * i, 1020, NumberBoxWidth, 360);
    Colours::apply(box, Colours::EntryBox);
    return box;
}

// The boxes past the classic ten are made when a game first needs them: every window opened
// would otherwise build ten boxes that classic games never show.
QLineEdit* LDbase::numberBox(int i)
{
    for (int k = 0; k <= i; ++k) {
        if (m_numbers[std::size_t(k)])
            continue;
        QLineEdit* box = newNumberBox(k);
        m_numbers[std::size_t(k)] = box;
        m_classicPlaces.insert(box, box->geometry());
        wireNumberBox(k);
        QWidget::setTabOrder(m_numbers[std::size_t(k - 1)], box);
    }
    return m_numbers[std::size_t(i)];
}

void LDbase::buildEntryRow()
{
    m_newLabel = Controls::label(this, "InNew", QStringLiteral("New"), 225, 1020, 915, 360);
    m_date = Controls::inputBox(this, "InDate", 10, 1125, 1020, 1365, 360);
    Colours::apply(m_date, Colours::EntryBox);
    for (int i = 0; i < LotteryShape::ClassicMaxNumbersPerDraw; ++i)
        m_numbers[std::size_t(i)] = newNumberBox(i);
    // Placed after the main numbers' boxes by the layout of the shape.
    for (std::size_t i = 0; i < m_extras.size(); ++i) {
        const QByteArray name = "InExtra" + QByteArray::number(int(i));
        QLineEdit* box
            = Controls::inputBox(this, name.constData(), 2, 0, 1020, NumberBoxWidth, 360);
        Colours::apply(box, Colours::ExtraEntryBox);
        box->hide();
        m_extras[i] = box;
    }
}

void LDbase::buildGrids()
{
    const QFont small = Controls::windowFont(8.25);
    m_recordModel = new RecordGridModel(m_state.Store, this);
    m_records = new RecordGridView(this);
    GridTable::setUpView(m_records, "Grid1", m_recordModel, 225, 1380, 8340, 2670, 240);
    m_records->setFont(small);
    m_topLine
        = Controls::label(this, "Label4", QStringLiteral("Distribution of numbers in the database"),
                          225, 4080, 9015, 285);
    m_topLine->setFont(small);
    m_distributionPool = new QComboBox(this);
    m_distributionPool->setObjectName(QStringLiteral("DistPool"));
    m_distributionPool->addItems({QStringLiteral("Main numbers"), QStringLiteral("Extra numbers")});
    m_distributionPool->setGeometry(TwipsRect(7140, 4020, 2100, 330));
    m_distributionPool->setFont(small);
    m_distributionPool->hide();
    for (std::size_t i = 0; i < std::size_t(ClassicDistributionRows); ++i)
        addDistributionGrid(i);

    m_helpBox = new QPlainTextEdit(this);
    m_helpBox->setObjectName(QStringLiteral("HelpBoxD"));
    m_helpBox->setGeometry(TwipsRect(6165, 1020, 3300, 4875));
    m_helpBox->setFont(small);
}

// The rows past the classic three are made when a game first needs them: every window opened
// would otherwise build two grids that classic games never show.
void LDbase::addDistributionGrid(std::size_t row)
{
    const QByteArray name = "Grid" + QByteArray::number(int(row) + 2);
    auto* model = new DistributionModel(m_state.Store, int(row), this);
    QTableView* grid
        = GridTable::createView(this, name.constData(), model, Margin,
                                DistributionTop + DistributionStep * int(row), 9015, 525, 240);
    grid->setFont(Controls::windowFont(8.25));
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int column = 0; column < DistributionModel::Columns; ++column)
        grid->setColumnWidth(column, Px(440));
    m_distributionModels[row] = model;
    m_distributionGrids[row] = grid;
}

void LDbase::buildButtonStrip()
{
    static constexpr Controls::WiredButtonRow<LDbase> buttons[] = {
        {{"ExitDbase", "E&xit to Menu", {135, 6000, 1455, 325}}, nullptr},
        {{"ShowGrp", "&Show Graph", {1755, 6000, 1455, 325}}, &LDbase::showGraphClicked},
        {{"delDbase", "&Delete All", {3330, 6000, 1230, 325}}, &LDbase::deleteAllClicked},
        {{"CorrectRec", "Correct &Record", {4680, 6000, 1770, 325}}, &LDbase::correctRecordClicked},
        {{"Help3But", "&Help", {6525, 6000, 1320, 325}}, nullptr},
        {{"Calc", "&Add Record", {7965, 6000, 1455, 325}}, &LDbase::addRecordClicked},
    };
    Controls::buttonStrip(this, "Label3")->setFont(Controls::windowFont(8.25));
    const auto strip = Controls::create(this, buttons);
    connect(strip[0], &QPushButton::clicked, this, &QWidget::close);
    m_help = new HelpPanel(strip[4], m_helpBox, &HelpTexts::database, m_services.messages,
                           {.beepOnKey = true, .focusPanel = true});
    m_addButton = strip[5];
    // Tab order: the entry row, then the buttons from "&Add Record" leftwards.
    QList<QWidget*> order {m_date};
    for (QLineEdit* box : m_numbers)
        if (box)
            order.append(box);
    for (QLineEdit* box : m_extras)
        order.append(box);
    for (auto button = strip.rbegin(); button != strip.rend(); ++button)
        order.append(*button);
    order << m_helpBox << m_numbersPerDraw << m_highestNumber << m_choices.common
          << m_choices.extraNumbers << m_choices.samePool << m_choices.ownPool << m_choices.lowest
          << m_choices.highest << m_title << m_distributionPool;
    Controls::tabOrder(order);
}

void LDbase::showGraphClicked()
{
    takeEditedBox();
    Q_EMIT graphsRequested();
}

void LDbase::wireShapeBoxes()
{
    MessageBoxes& messages = m_services.messages;
    m_numbersPerDrawRange = new RangeBox(m_numbersPerDraw, RangeBox::numbersPerDraw(), m_editing,
                                         m_highestNumber, messages);
    m_highestNumberRange = new RangeBox(m_highestNumber, RangeBox::highestNumber(), m_editing,
                                        m_numbers[0], messages);
    takeIntoShape(m_numbersPerDrawRange, &LotteryShape::numbersPerDraw);
    takeIntoShape(m_highestNumberRange, &LotteryShape::highestNumber);
    wireShapeChoices();
}

void LDbase::takeIntoShape(RangeBox* range, int LotteryShape::*field)
{
    // Only a number typed is checked, and one out of range gives way to the store's.
    range->checkTypedOnly([this, field] { return m_state.Store.shape().*field; });
    range->onTaken([this, field](int value) {
        LotteryShape shape = m_state.Store.shape();
        shape.*field = value;
        changeShape(shape);
    });
}

void LDbase::wireShapeChoices()
{
    MessageBoxes& messages = m_services.messages;
    connect(m_choices.common, &QComboBox::activated, this, [this](int index) {
        // A listed game shows the extra numbers' row when it has them; "Other game" shows it
        // for a game of one's own.
        const std::optional<LotteryShape> shape = ShapeChoices::listed(index);
        m_extraRow = !shape || shape->extraNumbers > 0;
        if (shape && *shape != m_state.Store.shape())
            changeShape(*shape);
        else
            showShape(ShapeText::Aligned);
        layOutForShape();
    });
    m_extraNumbersRange
        = new RangeBox(m_choices.extraNumbers,
                       {0, LotteryShape::MaxExtraNumbers, QStringLiteral(" Must be from 0 to 2")},
                       m_editing, m_choices.samePool, messages);
    m_lowestRange = new RangeBox(m_choices.lowest, {0, 1, QStringLiteral(" Must be 0 or 1")},
                                 m_editing, m_choices.highest, messages);
    m_highestRange
        = new RangeBox(m_choices.highest,
                       {1, LotteryShape::MaxExtraHighest, QStringLiteral(" Must be from 1 to 50")},
                       m_editing, m_numbers[0], messages);
    takeIntoShape(m_extraNumbersRange, &LotteryShape::extraNumbers);
    takeIntoShape(m_lowestRange, &LotteryShape::extraLowest);
    takeIntoShape(m_highestRange, &LotteryShape::extraHighest);
    const auto choosePool = [this](LotteryShape::ExtraPool pool) {
        LotteryShape shape = m_state.Store.shape();
        if (pool == shape.extraPool)
            return;
        shape.extraPool = pool;
        // An own pool starts as the common one of ten numbers.
        if (pool == LotteryShape::ExtraPool::Own && shape.extraHighest < 10)
            shape.extraHighest = 10;
        changeShape(shape);
    };
    connect(m_choices.samePool, &QRadioButton::clicked, this,
            [choosePool] { choosePool(LotteryShape::ExtraPool::Main); });
    connect(m_choices.ownPool, &QRadioButton::clicked, this,
            [choosePool] { choosePool(LotteryShape::ExtraPool::Own); });
    connect(m_distributionPool, &QComboBox::currentIndexChanged, this,
            &LDbase::showDistributionPool);
}

void LDbase::showDistributionPool()
{
    const bool extra = m_distributionPool->currentIndex() == 1 && extraNumbers() > 0;
    for (DistributionModel* model : m_distributionModels)
        if (model)
            model->showPool(extra ? DistributionModel::Pool::Extra : DistributionModel::Pool::Main);
    ShowDistribution();
}

void LDbase::wireTitle()
{
    const auto startTitle = [this] {
        if (!m_editing) {
            m_title->clear();
            m_editing = true;
        }
    };
    WidgetEvents::onClick(m_title, [this] { m_editing = true; });
    WidgetEvents::enterMovesTo(m_title, m_numbers[0], [startTitle](int key) {
        startTitle();
        return key;
    });
    WidgetEvents::onPasteKey(m_title, startTitle);
    // Hooked after the title's own keys, so that a refused quote does not start the title
    // afresh. Pasted or dropped text loses what the file could not keep (quotes, line breaks).
    MakeFileTextBox(m_title, m_services.messages);
    // The title is taken as it is typed, so no way of leaving the window can lose it.
    connect(m_title, &QLineEdit::textEdited, this, &LDbase::titleEdited);
}

void LDbase::wireDate()
{
    Controls::keyboardOnly(m_date);
    Controls::acceptOnly(m_date, QStringLiteral("[0-9./-]*"));
    WidgetEvents::enterMovesTo(m_date, m_numbers[0], [this](int key) {
        if (isDigit(key) || key == KeyBackspace || key == '.' || key == '-' || key == '/')
            return key;
        m_services.messages.beep();
        return KeyDropped;
    });
    WidgetEvents::onFocusOut(m_date, [this] { dateLeft(); });
}

void LDbase::wireNumberBox(int i)
{
    QLineEdit* box = m_numbers[std::size_t(i)];
    MakeDigitBox(box, m_services.messages);
    // Enter moves along the numbers of a draw, then its extra numbers, then to "&Add Record".
    const auto next = [this, i]() -> QWidget* {
        if (i < numbersPerDraw() - 1)
            return numberBox(i + 1);
        return extraNumbers() > 0 ? m_extras[0] : static_cast<QWidget*>(m_addButton);
    };
    WidgetEvents::enterMovesTo(box, next, [this](int key) {
        if (isDigit(key) || key == KeyBackspace)
            return key;
        m_services.messages.beep();
        return KeyDropped;
    });
}

void LDbase::wireNumberBoxes()
{
    for (int i = 0; i < LotteryShape::MaxNumbersPerDraw; ++i)
        if (m_numbers[std::size_t(i)])
            wireNumberBox(i);
    for (std::size_t i = 0; i < m_extras.size(); ++i) {
        QLineEdit* box = m_extras[i];
        MakeDigitBox(box, m_services.messages);
        const auto next = [this, i]() -> QWidget* {
            if (int(i) < extraNumbers() - 1)
                return m_extras[i + 1];
            return m_addButton;
        };
        WidgetEvents::enterMovesTo(box, next, [this](int key) {
            if (isDigit(key) || key == KeyBackspace)
                return key;
            m_services.messages.beep();
            return KeyDropped;
        });
    }
}

void LDbase::load()
{
    DrawStore& store = m_state.Store;
    m_title->setText(store.Title());
    m_title->setCursorPosition(0); // a title longer than the box shows from its start
    // An empty database always takes the personal shape, shown as the settings hold it.
    const bool empty = store.RecCount() == 0;
    if (empty)
        m_state.applyPersonalShape();
    showShape(empty ? ShapeText::Plain : ShapeText::Aligned);
    layOutForShape();
    ShowDistribution();
    ShowNewDate();
    AddRecord(); // adds nothing with empty boxes, but tells when the store is full
    m_date->setFocus();

    // The grids follow the store by themselves; the window keeps its boxes and top line in step.
    connect(&store, &DrawStore::shapeChanged, this, [this] {
        showShape(ShapeText::Aligned);
        layOutForShape();
    });
    for (auto change : {&DrawStore::recordAppended, &DrawStore::recordReplaced})
        connect(&store, change, this, &LDbase::ShowDistribution);
    connect(&store, &DrawStore::storeReset, this, [this] {
        if (m_state.Store.RecCount() == 0)
            m_topLine->clear();
        ShowDistribution();
    });
}

int LDbase::numbersPerDraw() const
{
    return m_state.Store.shape().numbersPerDraw;
}

int LDbase::extraNumbers() const
{
    return m_state.Store.shape().extraNumbers;
}

QStringList LDbase::visibleNumberTexts() const
{
    QStringList texts;
    // A box not made yet was never typed in.
    for (int k = 0; k < numbersPerDraw(); ++k)
        texts.append(m_numbers[std::size_t(k)] ? m_numbers[std::size_t(k)]->text() : QString());
    return texts;
}

QStringList LDbase::visibleExtraTexts() const
{
    QStringList texts;
    for (int e = 0; e < extraNumbers(); ++e)
        texts.append(m_extras[std::size_t(e)]->text());
    return texts;
}

std::optional<std::vector<int>> LDbase::enteredNumbers(bool correction)
{
    const LotteryShape shape = m_state.Store.shape();
    DatabaseView::Entry entry = DatabaseView::ParseEntry(
        visibleNumberTexts(), shape.highestNumber,
        correction ? DatabaseView::EntryKind::Correction : DatabaseView::EntryKind::NewRecord);
    if (!entry.fault) {
        const DatabaseView::Entry extras
            = DatabaseView::ParseExtras(visibleExtraTexts(), shape, entry.numbers);
        entry.fault = extras.fault;
        entry.numbers.insert(entry.numbers.end(), extras.numbers.begin(), extras.numbers.end());
    }
    if (entry.fault) {
        m_services.messages.inform(EntryErrorTitle, *entry.fault);
        return std::nullopt;
    }
    return entry.numbers;
}

void LDbase::clearNumberBoxes()
{
    for (int k = 0; k < numbersPerDraw(); ++k)
        numberBox(k)->clear();
    for (int e = 0; e < extraNumbers(); ++e)
        m_extras[std::size_t(e)]->clear();
}

void LDbase::showShape(ShapeText form)
{
    const LotteryShape shape = m_state.Store.shape();
    const auto text = [form](int value) {
        return form == ShapeText::Aligned ? AlignedWhole(2, value) : QString::number(value);
    };
    m_numbersPerDraw->setText(text(shape.numbersPerDraw));
    m_highestNumber->setText(text(shape.highestNumber));
    // Once shown, the row stays while its number goes to 0 and back.
    m_extraRow = m_extraRow || shape.extraNumbers > 0;
    m_choices.show(shape, m_extraRow);
}

void LDbase::layOutForShape()
{
    const LotteryShape shape = m_state.Store.shape();
    const int k = shape.numbersPerDraw;
    const int e = shape.extraNumbers;
    // In twips: the frame's extra row, the distribution rows beyond the classic three, and the
    // width the entry row and the record grid need.
    const int frameGrowth = m_extraRow ? ShapeChoices::RowHeight : 0;
    const int rows = std::max({ClassicDistributionRows, rowsFor(shape.countedNumbers()),
                               e > 0 ? rowsFor(shape.extraMax() - shape.extraMin() + 1) : 0});
    const int rowsGrowth = (rows - ClassicDistributionRows) * DistributionStep;
    const int extrasLeft = NumberBoxLeft + NumberBoxStep * k + ExtraBoxGap;
    const int entryRight = e > 0 ? extrasLeft + NumberBoxStep * (e - 1) + NumberBoxWidth
                                 : NumberBoxLeft + NumberBoxStep * (k - 1) + NumberBoxWidth;
    const int gridRight = Margin + RecordGridLayout::width(m_recordModel->columnCount());
    const int widthGrowth
        = std::max(0, Px(std::max(entryRight, gridRight) + Margin) - m_classicSize.width());

    numberBox(k - 1); // and every box before it
    // Everything below the frame moves down by its growth; the button strip by the rows too.
    const int belowFrame = Px(975);
    const int strip = Px(5900);
    const int dyFrame = Px(frameGrowth);
    const int dyRows = Px(rowsGrowth);
    for (auto place = m_classicPlaces.cbegin(); place != m_classicPlaces.cend(); ++place) {
        QWidget* control = place.key();
        QRect at = place.value();
        if (at.top() >= strip)
            at.translate(0, dyFrame + dyRows);
        else if (at.top() >= belowFrame)
            at.translate(0, dyFrame);
        if (control->objectName() == QLatin1String("Frame1")) {
            at.setHeight(at.height() + dyFrame);
            at.setWidth(at.width() + widthGrowth);
        } else if (control == m_helpBox) {
            at.translate(widthGrowth, 0);
        } else if (control->objectName() == QLatin1String("Label3")) {
            at.setWidth(at.width() + widthGrowth);
        } else if (control == m_topLine) {
            at.setWidth(at.width() + widthGrowth - (e > 0 ? m_distributionPool->width() : 0));
        } else if (control == m_distributionPool) {
            at.translate(widthGrowth, 0);
        }
        control->setGeometry(at);
    }
    for (std::size_t i = 0; i < m_distributionGrids.size(); ++i) {
        if (!m_distributionGrids[i] && int(i) < rows)
            addDistributionGrid(i);
        QTableView* grid = m_distributionGrids[i];
        if (!grid)
            continue;
        grid->move(Px(Margin), Px(DistributionTop + DistributionStep * int(i)) + dyFrame);
        grid->setVisible(int(i) < rows);
    }
    for (int i = 0; i < LotteryShape::MaxNumbersPerDraw; ++i)
        if (QLineEdit* box = m_numbers[std::size_t(i)])
            box->setVisible(i < k);
    for (int i = 0; i < LotteryShape::MaxExtraNumbers; ++i) {
        QLineEdit* box = m_extras[std::size_t(i)];
        box->move(Px(extrasLeft + NumberBoxStep * i), m_numbers[0]->y());
        box->setVisible(i < e);
    }
    m_distributionPool->setVisible(e > 0);
    if (e == 0)
        m_distributionPool->setCurrentIndex(0);
    showDistributionPool();
    RecordGridLayout::apply(m_records, m_recordModel->columnCount());
    setFixedSize(m_classicSize + QSize(widthGrowth, dyFrame + dyRows));
}

void LDbase::ShowNewDate()
{
    m_date->setText(FormatShortDate(ProposeNewDate(m_state.Store, QDate::currentDate())));
}

void LDbase::ShowDistribution()
{
    // The line keeps its heading until a number was drawn; it names the numbers the grids show.
    const bool extra = m_distributionPool->currentIndex() == 1 && extraNumbers() > 0;
    if (const std::optional<QString> line
        = extra ? TopExtraNumbersOf(m_state.Store) : TopNumbersOf(m_state.Store))
        m_topLine->setText(*line);
    else if (extra)
        m_topLine->setText(QStringLiteral("Distribution of extra numbers in the database"));
    else if (m_topLine->text().contains(QLatin1String("extra numbers")))
        m_topLine->setText(QStringLiteral("Distribution of numbers in the database"));
}

bool LDbase::dateIsValid() const
{
    return ParseUserDate(m_date->text(), QDate::currentDate()).isValid();
}

void LDbase::dateLeft()
{
    const QDate date = ParseUserDate(m_date->text(), QDate::currentDate());
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
        m_services.messages.inform(HelpTitle, QStringLiteral(" No record to add to database."));
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
    AddRecord();
}

void LDbase::AddRecord()
{
    DrawStore& store = m_state.Store;
    if (store.RecCount() >= DrawStore::MaxRecords) {
        m_services.messages.inform(
            HelpTitle, QStringLiteral("Max amount of records = %1").arg(DrawStore::MaxRecords));
        return;
    }
    if (LeadingNumber(m_numbers[0]->text()) == 0)
        return;
    const std::optional<std::vector<int>> numbers = enteredNumbers(false);
    if (!numbers)
        return;
    store.AppendRecord(ParseUserDate(m_date->text(), QDate::currentDate()), *numbers);
    ShowNewDate();
    clearNumberBoxes();
    m_numbers[0]->setFocus();
}

void LDbase::ReplaceRecord()
{
    DrawStore& store = m_state.Store;
    const std::optional<std::vector<int>> numbers = enteredNumbers(true);
    if (!numbers)
        return;
    const int record = *m_correcting;
    m_correcting.reset();
    m_newLabel->setText(QStringLiteral("New"));
    if (!store.ReplaceRecord(record, ParseUserDate(m_date->text(), QDate::currentDate()),
                             *numbers)) {
        // The row says "New" again and Add would append what is typed.
        m_services.messages.inform(HelpTitle, QStringLiteral(" Record Number does not exist."));
        return;
    }
    ShowNewDate();
    clearNumberBoxes();
}

void LDbase::correctRecordClicked()
{
    const DrawStore& store = m_state.Store;
    if (store.RecCount() == 0) {
        m_services.messages.inform(HelpTitle, QStringLiteral(" No records to correct "));
        return;
    }
    // Asking for another record ends the correction under way, whatever the answer.
    const std::optional<int> record = m_askRecordNumber(this);
    endCorrection();
    if (!record || *record < 1)
        return;
    if (*record > store.RecCount()) {
        m_services.messages.inform(HelpTitle, QStringLiteral(" Record Number does not exist."));
        return;
    }
    m_correcting = record;
    m_newLabel->setText(u' ' + QString::number(*record));
    m_date->setText(FormatShortDate(store.date(*record)));
    // A number the box cannot show whole is left for the user to type rather than cut.
    const auto shown
        = [](int number) { return number >= 0 && number <= 99 ? FormatWhole(number) : QString(); };
    for (int k = 0; k < numbersPerDraw(); ++k)
        numberBox(k)->setText(shown(store.number(*record, k)));
    // An extra number may be 0 (a digit drawn from 0 to 9).
    for (int e = 0; e < extraNumbers(); ++e) {
        const int number = store.number(*record, numbersPerDraw() + e);
        m_extras[std::size_t(e)]->setText(
            number == 0 && store.shape().extraMin() == 0 ? QStringLiteral("0") : shown(number));
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
    if (!m_services.messages.askBeforeErasing(
            QStringLiteral("Erase Database"),
            QStringLiteral("Yes will delete the database file in memory.")))
        return;
    endCorrection();
    // Nothing is left that could be lost.
    m_state.Store.Reset();
    m_title->clear();
    // The grid follows the empty store, from its header row.
    m_records->scrollToTop();
}

void LDbase::titleEdited(const QString& text)
{
    DrawStore& store = m_state.Store;
    if (store.Title() == FileSafeText(text))
        return;
    store.SetTitle(text);
}

void LDbase::takeEditedBox()
{
    const QWidget* focused = focusWidget();
    for (RangeBox* range : {m_numbersPerDrawRange, m_highestNumberRange, m_extraNumbersRange,
                            m_lowestRange, m_highestRange})
        if (focused == range->box())
            range->leave();
}

bool LDbase::mayLeave()
{
    takeEditedBox();
    return true;
}

void LDbase::changeShape(const LotteryShape& shape)
{
    DrawStore& store = m_state.Store;
    if (store.RecCount() > 0)
        m_services.messages.inform(
            HelpTitle,
            QStringLiteral(
                " Cannot change while records exist in a database. 'Delete All' first."));
    else
        store.setShape(shape);
    // Every setup control shows the shape held, whether it changed or was refused.
    showShape(ShapeText::Aligned);
}
