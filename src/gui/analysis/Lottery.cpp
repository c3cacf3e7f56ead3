// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Lottery.h"

#include "core/analysis/PickPrintout.h"
#include "core/app/PlayTickets.h"
#include "core/app/SharedState.h"
#include "core/common/LeadingNumber.h"
#include "core/common/MessageBoxes.h"
#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"
#include "core/help/HelpTexts.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"
#include "gui/common/GridTable.h"
#include "gui/common/PrintJob.h"
#include "gui/common/RangeBox.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"
#include "gui/help/HelpPanel.h"

#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace {

constexpr int GridRows = 11;
constexpr int SecondStripTwips = 420;
constexpr int HeaderColumnTwips = 400;
constexpr int ColumnTwips = 690;
// The grid's borders, and the widest grid the window holds; more than ten or so columns narrow
// to fit it.
constexpr int GridFrameTwips = 40;
constexpr int WidestGridTwips = 9210;

// The animation: four rounds of the strip saying "Shuffling" and then six rows of balls, each
// shown for one pause; "Picking" from the fourth row on.
constexpr int AnimationRounds = 4;
constexpr int BallRows = 6;
constexpr int AnimationSteps = AnimationRounds * (1 + BallRows);
constexpr int FirstPickingRow = 4;

// The classic 16-colour palette entries the balls use.
QColor paletteColour(int index)
{
    switch (index) {
    case 8:
        return Colours::DarkGrey;
    case 10:
        return Colours::Green;
    case 11:
        return Colours::Cyan;
    case 12:
        return Colours::Red;
    case 13:
        return Colours::Magenta;
    default:
        return Colours::Yellow; // 14
    }
}

// Each row is the one before rotated one place to the right.
constexpr std::array<int, 6> FirstBallRow {12, 14, 11, 10, 8, 13};

int ballColour(int row, int ball)
{
    return FirstBallRow[std::size_t((ball - (row - 1) + 6 * 6) % 6)];
}

int nearestWhole(const QLineEdit* box)
{
    return int(LeadingWholeNumber(box->text()));
}

} // namespace

Lottery::Lottery(SharedState& state, Services& services, QWidget* parent)
    : ToolWindow(parent), m_state(state), m_services(services)
{
    buildControls();
    wireSetupBoxes();

    // Opening: empty tables, the full range, and the shape of the draws in memory or the
    // personal defaults.
    selectOption(PickMode::FullRange);
    DrawStore& store = m_state.Store;
    if (store.RecCount() > 0) {
        m_infoLabel->setText(DatabaseView::FileInMemoryText(store.Title()));
        m_infoLabel->adjustSize();
        m_infoLabel->show();
    } else {
        m_infoLabel->hide();
        m_state.applyPersonalShape();
    }
    m_entryForms->setText(QString::number(m_state.Settings.DefaultEntryForms));
    m_settings.shape.numbersPerDraw = m_state.Store.shape().numbersPerDraw;
    takeExtraNumbers();
    SetupGrid(m_settings.shape.numbersPerDraw);
    m_numbersPerDraw->setText(AlignedWhole(2, m_settings.shape.numbersPerDraw));
    m_highestNumber->setText(AlignedWhole(2, m_state.Store.shape().highestNumber));
    showBallRow(1);
    m_numbersPerDraw->setFocus();
}

Lottery::~Lottery() = default;

void Lottery::buildControls()
{
    Controls::setupWindow(this, "Lottery", QStringLiteral("Rado-d-Idorur"));
    setFont(Controls::windowFont(8.25));
    Colours::apply(this, Colours::BlueWindow, Colours::Roles::Backdrop);
    buildSetupFrame();
    buildChoiceFrame();
    buildBalls();

    m_grid = GridTable::create(this, "Grid1", 135, 2760, 7620, 3120, 3120 / GridRows - 15);
    m_grid->setFont(Controls::windowFont(9.75));
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_helpBox = new QPlainTextEdit(this);
    m_helpBox->setObjectName(QStringLiteral("HelpBox"));
    m_helpBox->setGeometry(TwipsRect(0, 3000, 9480, 2940));
    Colours::apply(m_helpBox, Colours::Note, Colours::Roles::Page);

    buildButtonStrip();
}

void Lottery::buildSetupFrame()
{
    static constexpr Controls::LabelRow labels[] = {
        {"Label5", " Total number of choices in the lottery", {135, 360, 3525, 285}},
        {"Label6", " Numbers in the lottery range from 1 to", {135, 810, 3525, 285}},
        {"Label7", " Number of entry forms being played", {135, 1260, 3525, 285}},
    };
    static constexpr Controls::BoxRow boxes[] = {
        // Three characters, so that "100" is read as the hundred it is and refused.
        {"InColNum", 3, {3645, 360, 330, 285}},
        {"InHighNum", 2, {3645, 810, 330, 285}},
        {"InNumRows", 2, {3645, 1260, 330, 285}},
    };
    QGroupBox* setup
        = Controls::frame(this, "Frame2", QStringLiteral("  Lottery setup  "), 135, 90, 4110, 1770);
    Controls::create(setup, labels);
    const auto setupBoxes = Controls::create(setup, boxes);
    m_numbersPerDraw = setupBoxes[0];
    m_highestNumber = setupBoxes[1];
    m_entryForms = setupBoxes[2];
    m_entryForms->setText(QStringLiteral(" 1"));
    for (QLineEdit* box : setupBoxes)
        Colours::apply(box, Colours::EntryBox);
}

void Lottery::buildChoiceFrame()
{
    struct Option {
        const char* name;
        const char* text;
        PickMode mode;
    };
    static constexpr Option options[] = {
        {"Option1", " Full range of numbers in the lottery", PickMode::FullRange},
        {"Option2", " Top third of numbers in database", PickMode::TopThird},
        {"Option3", " Middle third of numbers in database", PickMode::MiddleThird},
        {"Option4", " Bottom third of numbers in database", PickMode::BottomThird},
    };
    QGroupBox* choice
        = Controls::frame(this, "Frame1", QStringLiteral(" Pick random numbers from amongst: "),
                          5355, 90, 3975, 1770);
    for (std::size_t i = 0; i < std::size(options); ++i) {
        const Option& entry = options[i];
        auto* option = new QRadioButton(QString::fromLatin1(entry.text), choice);
        option->setObjectName(QString::fromLatin1(entry.name));
        option->setGeometry(TwipsRect(180, 360 + 315 * int(i), 3585, 300));
        m_options[i] = option;
        connect(option, &QRadioButton::clicked, this, [this, mode = entry.mode] {
            if (mode != PickMode::FullRange && m_state.Store.RecCount() == 0) {
                m_services.messages.inform(HelpTitle, QStringLiteral(" No database"));
                selectOption(PickMode::FullRange);
                return;
            }
            m_settings.mode = mode;
        });
    }
}

void Lottery::buildBalls()
{
    m_strip = Controls::label(this, "Picture7", QString(), 1980, 2025, 1095, 240);
    m_strip->setFont(Controls::windowFont(9.75));
    Colours::apply(m_strip, Colours::MessageStrip);
    const int ballLefts[] = {1485, 1800, 2115, 2430, 2745, 3060};
    for (std::size_t i = 0; i < m_balls.size(); ++i) {
        const QByteArray name = "Picture" + QByteArray::number(int(i) + 1);
        m_balls[i]
            = Controls::label(this, name.constData(), QString(), ballLefts[i], 2340, 330, 420);
    }
    m_infoLabel = Controls::label(this, "InfoLabel1", QString(), 7395, 2340, 1500, 400);
    Colours::apply(m_infoLabel, Colours::Note);
}

void Lottery::buildButtonStrip()
{
    static constexpr Controls::WiredButtonRow<Lottery> buttons[] = {
        {{"Exit1", "E&xit to Menu", {315, 6000, 1500, 325}}, nullptr},
        {{"Printer1", "To &Printer", {2295, 6000, 1365, 325}}, &Lottery::PrintSets},
        {{"ClearAll", "Clear &All", {4095, 6000, 1230, 325}}, &Lottery::clearResults},
        {{"Helpbut", "&Help", {5895, 6000, 1410, 325}}, nullptr},
        {{"CalcRandNo", "&Calculate", {7830, 6000, 1320, 325}}, &Lottery::Calculate},
    };
    Controls::buttonStrip(this, "Label4");
    const auto strip = Controls::create(this, buttons);
    // A second strip below the first, for what the sets on screen lead to.
    setFixedHeight(height() + Px(SecondStripTwips));
    Colours::apply(Controls::label(this, "Label8", QString(), 0, 6360, 9480, SecondStripTwips),
                   Colours::Panel);
    QPushButton* wheel = Controls::button(this, "WheelThese", QStringLiteral("&Wheel These"), 315,
                                          6405, 1500, 325);
    wheel->setFont(Controls::windowFont(9.75));
    connect(wheel, &QPushButton::clicked, this, &Lottery::WheelSets);
    m_playThese
        = Controls::button(this, "PlayThese", QStringLiteral("Play &These"), 2295, 6405, 1365, 325);
    m_playThese->setFont(Controls::windowFont(9.75));
    connect(m_playThese, &QPushButton::clicked, this, &Lottery::PlayThese);
    for (QPushButton* button : strip)
        button->setFont(Controls::windowFont(9.75));
    connect(strip[0], &QPushButton::clicked, this, &QWidget::close);
    m_help = new HelpPanel(strip[3], m_helpBox, &HelpTexts::radoDIdorur, m_services.messages, {});
    m_calculate = strip[4];

    // Tab order: the three boxes, the options, then the buttons from Calculate leftwards.
    QList<QWidget*> order {m_numbersPerDraw, m_highestNumber, m_entryForms, m_options[0]};
    for (auto button = strip.rbegin(); button != strip.rend(); ++button)
        order.append(*button);
    order.append(wheel);
    order.append(m_playThese);
    order.append(m_helpBox);
    Controls::tabOrder(order);
}

void Lottery::wireSetupBoxes()
{
    MessageBoxes& messages = m_services.messages;
    auto* numbersPerDraw = new RangeBox(m_numbersPerDraw, RangeBox::numbersPerDraw(), m_editing,
                                        m_highestNumber, messages);
    new RangeBox(m_highestNumber, RangeBox::highestNumber(), m_editing, m_entryForms, messages);
    new RangeBox(m_entryForms, RangeBox::entryForms(QStringLiteral(" Must be 1 to 10")), m_editing,
                 m_calculate, messages);
    // Another count of numbers is another grid, and the sets shown go.
    numbersPerDraw->onTaken([this](int value) {
        m_settings.shape.numbersPerDraw = std::min(value, LotteryShape::MaxNumbersPerDraw);
        clearResults();
        SetupGrid(m_settings.shape.numbersPerDraw);
    });
}

void Lottery::selectOption(PickMode mode)
{
    m_options[std::size_t(int(mode) - 1)]->setChecked(true);
    m_settings.mode = mode;
}

void Lottery::takeExtraNumbers()
{
    const LotteryShape shape = m_state.Store.shape();
    // Players choose the numbers of an own pool (a Powerball, the stars); a bonus ball drawn from
    // the main pool is no one's to choose, and a set showing one would mislead.
    m_settings.shape.extraNumbers = shape.ownPoolNumbers();
    m_settings.shape.extraPool = shape.extraPool;
    m_settings.shape.extraLowest = shape.extraLowest;
    m_settings.shape.extraHighest = shape.extraHighest;
}

void Lottery::SetupGrid(int picks)
{
    const int extras = m_settings.shape.extraNumbers;
    const int columns = picks + extras;
    const int columnTwips = columns > 0
        ? std::min(ColumnTwips, (WidestGridTwips - HeaderColumnTwips - GridFrameTwips) / columns)
        : ColumnTwips;
    GridTable::resize(m_grid, GridRows, columns + 1, 1, 1);
    m_grid->resize(Px(HeaderColumnTwips + columnTwips * columns + GridFrameTwips), Px(3120));
    m_grid->setColumnWidth(0, Px(HeaderColumnTwips));
    for (int column = 1; column <= columns; ++column)
        m_grid->setColumnWidth(column, Px(columnTwips));

    GridTable::setText(m_grid, 0, 0, QStringLiteral("No."));
    for (int k = 1; k <= picks; ++k)
        GridTable::setText(m_grid, 0, k, u' ' + QString::number(k));
    // The extra numbers' columns are headed +1, +2 and shaded apart from the main numbers.
    for (int s = 1; s < GridRows; ++s)
        for (int k = 1; k <= picks; ++k)
            if (QTableWidgetItem* cell = m_grid->item(s, k))
                Colours::apply(cell, nullptr);
    for (int x = 1; x <= extras; ++x) {
        GridTable::setText(m_grid, 0, picks + x, u'+' + QString::number(x));
        for (int s = 1; s < GridRows; ++s) {
            GridTable::setText(m_grid, s, picks + x, QString());
            Colours::apply(m_grid->item(s, picks + x), &Colours::ExtraSetCell);
        }
    }
    for (int s = 1; s < GridRows; ++s)
        GridTable::setText(m_grid, s, 0, u' ' + QString::number(s));
    if (picks >= 1)
        m_grid->setCurrentCell(1, 1);
}

void Lottery::ClearGrid()
{
    GridTable::clear(m_grid, 1, 1);
}

void Lottery::clearResults()
{
    // The sets go with the grid: what is printed is always what was on screen.
    ClearGrid();
    m_sets = {};
    m_extras = NoExtras();
}

void Lottery::Calculate()
{
    try {
        clearResults();
        m_editing = false;

        if (m_settings.mode != PickMode::FullRange) {
            m_numbersPerDraw->setText(AlignedWhole(2, m_state.Store.shape().numbersPerDraw));
            m_highestNumber->setText(AlignedWhole(2, m_state.Store.shape().highestNumber));
        }
        // Values above their limit are cut to it without a message.
        const auto read = [](QLineEdit* box, int limit) {
            int value = nearestWhole(box);
            if (value > limit) {
                value = limit;
                box->setText(QString::number(limit));
            }
            return std::max(value, 0);
        };
        m_settings.shape.highestNumber = read(m_highestNumber, LotteryShape::MaxHighestNumber);
        m_settings.shape.numbersPerDraw = read(m_numbersPerDraw, LotteryShape::MaxNumbersPerDraw);
        m_settings.entryForms = read(m_entryForms, LotteryShape::MaxEntryForms);
        if (m_settings.shape.highestNumber == 0 || m_settings.shape.numbersPerDraw == 0
            || m_settings.entryForms == 0) {
            m_services.messages.inform(QStringLiteral("Error"),
                                       QStringLiteral("Cannot work with missing number "));
            return;
        }
        takeExtraNumbers();
        SetupGrid(m_settings.shape.numbersPerDraw);

        const PickOutcome outcome
            = NumberPicker(m_services.random).PickNumbers(m_settings, m_state.Store);
        if (const auto* abort = std::get_if<PickAbort>(&outcome)) {
            m_services.messages.inform(HelpTitle, abort->message);
            selectOption(PickMode::FullRange);
            return;
        }
        const PickResult& result = std::get<PickResult>(outcome);
        if (!result.shortage.isEmpty())
            m_services.messages.inform(HelpTitle, result.shortage);
        m_sets = result.sets;
        m_extras = result.extras;

        BusyCursor busy;
        const int picks = m_settings.shape.numbersPerDraw;
        for (int s = 1; s <= m_settings.entryForms; ++s) {
            for (int k = 1; k <= picks; ++k)
                GridTable::setText(m_grid, s, k, AlignedWhole(2, m_sets[s][k]));
            for (int x = 0; x < m_settings.shape.extraNumbers; ++x)
                GridTable::setText(m_grid, s, picks + 1 + x,
                                   ExtraNumberText(2, m_extras[std::size_t(s)][std::size_t(x)]));
        }
        if (!runAnimation())
            return;
        showBallRow(1);
    } catch (const std::exception&) {
        m_services.messages.inform(HelpTitle, QStringLiteral(" Unknown error in Calculation."));
    }
    showStrip(QString());
    m_help->close();
}

bool Lottery::runAnimation()
{
    // The window repaints between the steps, but the user's clicks and keys wait until the
    // animation is over, as they would while a calculation runs.
    const QPointer<Lottery> alive(this);
    QEventLoop loop;
    QTimer timer;
    int step = 0;
    showAnimationStep(step);
    connect(&timer, &QTimer::timeout, this, [this, &step, &loop] {
        if (++step == AnimationSteps)
            loop.quit();
        else
            showAnimationStep(step);
    });
    // Closed through its frame meanwhile, the window may be gone before the animation ends.
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    timer.start(m_pauseMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return bool(alive);
}

void Lottery::showAnimationStep(int step)
{
    const int row = step % (1 + BallRows);
    if (row == 0) {
        showStrip(QStringLiteral("Shuffling"));
        return;
    }
    if (row == FirstPickingRow)
        showStrip(QStringLiteral("Picking"));
    showBallRow(row);
}

void Lottery::showBallRow(int row)
{
    for (std::size_t ball = 0; ball < m_balls.size(); ++ball) {
        QLabel* picture = m_balls[ball];
        Colours::apply(picture, Colours::Ball(paletteColour(ballColour(row, int(ball)))));
        picture->repaint();
    }
}

void Lottery::showStrip(const QString& text)
{
    m_strip->setText(text);
    m_strip->repaint();
}

void Lottery::WheelSets()
{
    if (m_sets[1][1] == 0) {
        m_services.messages.inform(HelpTitle,
                                   QStringLiteral("No numbers to wheel. Click Calculate"));
        return;
    }
    QList<int> numbers;
    for (int s = 1; s <= m_settings.entryForms; ++s)
        for (int k = 1; k <= m_settings.shape.numbersPerDraw; ++k)
            if (m_sets[s][k] > 0 && !numbers.contains(m_sets[s][k]))
                numbers.append(m_sets[s][k]);
    Q_EMIT wheelRequested(numbers, m_settings.shape);
}

void Lottery::PlayThese()
{
    if (m_sets[1][1] == 0) {
        m_services.messages.inform(HelpTitle,
                                   QStringLiteral("No numbers to play. Click Calculate"));
        return;
    }
    QList<QList<int>> main;
    QList<QList<int>> extra;
    for (int s = 1; s <= m_settings.entryForms; ++s) {
        QList<int> numbers;
        for (int k = 1; k <= m_settings.shape.numbersPerDraw; ++k)
            numbers.append(m_sets[std::size_t(s)][std::size_t(k)]);
        QList<int> extras;
        for (const int x : m_extras[std::size_t(s)])
            if (x != NoExtra)
                extras.append(x);
        main.append(numbers);
        extra.append(extras);
    }
    m_services.messages.inform(HelpTitle, PlayTickets(m_state, main, extra, QDate::currentDate()));
}

void Lottery::PrintSets()
{
    if (m_sets[1][1] == 0) {
        m_services.messages.inform(HelpTitle,
                                   QStringLiteral("No numbers to print. Click Calculate"));
        return;
    }
    if (!ConfirmPrintout(m_services))
        return;
    SendPrintout(m_services,
                 PickPrintout(m_sets, m_settings.shape.numbersPerDraw, m_settings.entryForms,
                              m_extras, m_settings.shape.extraNumbers));
}
