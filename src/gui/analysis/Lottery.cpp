#include "Lottery.h"

#include "core/analysis/PickPrintout.h"
#include "core/app/SharedState.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/Controls.h"
#include "gui/common/GridTable.h"
#include "core/common/LeadingNumber.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/NumericBox.h"
#include "gui/common/PrintJob.h"
#include "gui/common/Services.h"
#include "core/common/TextFormat.h"
#include "gui/common/Twips.h"
#include "core/draws/DatabaseView.h"
#include "gui/help/HelpPanel.h"
#include "core/help/HelpTexts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <algorithm>
#include <exception>

namespace {

const QColor blue(0, 0, 255);
const QColor yellow(255, 255, 0);
const QColor cyan(0, 255, 255);
const QColor lightGrey(192, 192, 192);
const QString helpTitle = QStringLiteral("Help");

constexpr int gridRows = 11;
constexpr int headerColumnTwips = 400;
constexpr int columnTwips = 690;

// The classic 16-colour palette entries the balls use.
QColor paletteColour(int index)
{
    switch (index) {
    case 8:
        return QColor(128, 128, 128);
    case 10:
        return QColor(0, 255, 0);
    case 11:
        return QColor(0, 255, 255);
    case 12:
        return QColor(255, 0, 0);
    case 13:
        return QColor(255, 0, 255);
    default:
        return QColor(255, 255, 0); // 14
    }
}

// Each row is the one before rotated one place to the right.
constexpr std::array<int, 6> firstBallRow {12, 14, 11, 10, 8, 13};

int ballColour(int row, int ball)
{
    return firstBallRow[std::size_t((ball - (row - 1) + 6 * 6) % 6)];
}

int nearestWhole(const QLineEdit* box)
{
    return int(LeadingWholeNumber(box->text()));
}

} // namespace

Lottery::Lottery(SharedState& state, Services& services, QWidget* parent)
    : ToolWindow(parent)
    , m_state(state)
    , m_services(services)
    , m_picker(services.random, services.messages)
{
    buildControls();

    // Opening: empty tables, the full range, and the shape of the draws in memory or the
    // personal defaults.
    m_picker.ClearResults();
    m_picker.ClearPool();
    selectOption(PickFullRange);
    DrawStore& store = m_state.Store;
    if (store.RecCount() > 0) {
        m_infoLabel->setText(DatabaseView::FileInMemoryText(store.Title()));
        m_infoLabel->adjustSize();
        m_infoLabel->show();
    } else {
        m_infoLabel->hide();
        m_state.applyPersonalShape();
    }
    m_numRows->setText(QString::number(m_state.Settings.DefaultEntryForms));
    m_settings.P = storePicks();
    SetupGrid(m_settings.P);
    m_colNum->setText(AlignedWhole(2, m_settings.P));
    m_highNum->setText(AlignedWhole(2, storeHighest()));
    showBallRow(1);
    m_colNum->setFocus();
}

Lottery::~Lottery() = default;

// A draw file may announce more numbers per draw, or a higher number, than the boxes take: they
// show the limit rather than the first two digits.
int Lottery::storePicks() const
{
    return std::clamp(m_state.Store.ColCount() - 2, 0, NumberPicker::MaxPicks);
}

int Lottery::storeHighest() const
{
    return std::clamp(m_state.Store.HighNum(), 0, DrawStore::HighestNumber);
}

void Lottery::buildControls()
{
    Controls::setupWindow(this, "Lottery", QStringLiteral("Rado-d-Idorur"));
    setFont(Controls::windowFont(8.25));
    Controls::setBackground(this, blue);
    const QFont large = Controls::windowFont(9.75);

    QGroupBox* setup
        = Controls::frame(this, "Frame2", QStringLiteral("  Lottery setup  "), 135, 90, 4110, 1770);
    Controls::label(setup, "Label5", QStringLiteral(" Total number of choices in the lottery"), 135,
                    360, 3525, 285);
    Controls::label(setup, "Label6", QStringLiteral(" Numbers in the lottery range from 1 to"), 135,
                    810, 3525, 285);
    Controls::label(setup, "Label7", QStringLiteral(" Number of entry forms being played"), 135,
                    1260, 3525, 285);
    // Three characters, so that "100" is read as the hundred it is and refused.
    m_colNum = Controls::inputBox(setup, "InColNum", 3, 3645, 360, 330, 285);
    m_highNum = Controls::inputBox(setup, "InHighNum", 2, 3645, 810, 330, 285);
    m_numRows = Controls::inputBox(setup, "InNumRows", 2, 3645, 1260, 330, 285);
    m_numRows->setText(QStringLiteral(" 1"));
    for (QLineEdit* box : {m_colNum, m_highNum, m_numRows})
        Controls::setBackground(box, yellow);

    QGroupBox* choice
        = Controls::frame(this, "Frame1", QStringLiteral(" Pick random numbers from amongst: "),
                          5355, 90, 3975, 1770);
    const char* optionNames[] = {"Option1", "Option2", "Option3", "Option4"};
    const QString optionTexts[] = {
        QStringLiteral(" Full range of numbers in the lottery"),
        QStringLiteral(" Top third of numbers in database"),
        QStringLiteral(" Middle third of numbers in database"),
        QStringLiteral(" Bottom third of numbers in database"),
    };
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(optionTexts[i], choice);
        option->setObjectName(QString::fromLatin1(optionNames[i]));
        option->setGeometry(TwipsRect(180, 360 + 315 * i, 3585, 300));
        m_options[std::size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] {
            if (i > 0 && m_state.Store.RecCount() == 0) {
                m_services.messages.inform(helpTitle, QStringLiteral(" No database"));
                selectOption(PickFullRange);
                return;
            }
            m_settings.PickMode = i + 1;
        });
    }

    m_strip = Controls::label(this, "Picture7", QString(), 1980, 2025, 1095, 240);
    m_strip->setFont(large);
    Controls::setBackground(m_strip, blue);
    QPalette stripText = m_strip->palette();
    stripText.setColor(QPalette::WindowText, Qt::red);
    m_strip->setPalette(stripText);
    const int ballLefts[] = {1485, 1800, 2115, 2430, 2745, 3060};
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "Picture" + QByteArray::number(i + 1);
        m_balls[std::size_t(i)]
            = Controls::label(this, name.constData(), QString(), ballLefts[i], 2340, 330, 420);
    }
    m_infoLabel = Controls::label(this, "InfoLabel1", QString(), 7395, 2340, 1500, 400);
    Controls::setBackground(m_infoLabel, cyan);

    m_grid = GridTable::create(this, "Grid1", 135, 2760, 7620, 3120, 3120 / gridRows - 15);
    m_grid->setFont(large);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_helpBox = new QPlainTextEdit(this);
    m_helpBox->setObjectName(QStringLiteral("HelpBox"));
    m_helpBox->setGeometry(TwipsRect(0, 3000, 9480, 2940));
    Controls::setBackground(m_helpBox, cyan);

    auto* band = Controls::label(this, "Label4", QString(), 0, 5940, 9480, 420);
    Controls::setBackground(band, lightGrey);
    auto* exitButton
        = Controls::button(this, "Exit1", QStringLiteral("E&xit to Menu"), 315, 6000, 1500, 325);
    auto* printButton
        = Controls::button(this, "Printer1", QStringLiteral("To &Printer"), 2295, 6000, 1365, 325);
    auto* clearButton
        = Controls::button(this, "ClearAll", QStringLiteral("Clear &All"), 4095, 6000, 1230, 325);
    auto* helpButton
        = Controls::button(this, "Helpbut", QStringLiteral("&Help"), 5895, 6000, 1410, 325);
    m_calculate
        = Controls::button(this, "CalcRandNo", QStringLiteral("&Calculate"), 7830, 6000, 1320, 325);
    for (QPushButton* button : {exitButton, printButton, clearButton, helpButton, m_calculate})
        button->setFont(large);

    m_help = new HelpPanel(helpButton, m_helpBox, &HelpTexts::radoDIdorur, m_services.messages, {});

    // Tab order: the three boxes, the options, then the buttons from Calculate leftwards.
    QWidget* order[] = {m_colNum,   m_highNum,   m_numRows,   m_options[0], m_calculate,
                        helpButton, clearButton, printButton, exitButton,   m_helpBox};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    bool& editing = m_state.EditingFlag;
    MakeNumericBox(m_colNum, editing, m_highNum, m_services.messages,
                   [this] { leaveBox(m_colNum, 10, QStringLiteral(" Must be from 1 to 10")); });
    MakeNumericBox(m_highNum, editing, m_numRows, m_services.messages,
                   [this] { leaveBox(m_highNum, 60, QStringLiteral(" Must be from 1 to 60")); });
    MakeNumericBox(m_numRows, editing, m_calculate, m_services.messages,
                   [this] { leaveBox(m_numRows, 10, QStringLiteral(" Must be 1 to 10")); });

    connect(m_calculate, &QPushButton::clicked, this, &Lottery::Calculate);
    connect(clearButton, &QPushButton::clicked, this, &Lottery::clearResults);
    connect(printButton, &QPushButton::clicked, this, &Lottery::PrintSets);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
}

void Lottery::selectOption(int mode)
{
    m_options[std::size_t(mode - 1)]->setChecked(true);
    m_settings.PickMode = mode;
}

void Lottery::leaveBox(QLineEdit* box, int limit, const QString& message)
{
    bool& editing = m_state.EditingFlag;
    const double value = LeadingNumber(box->text());
    const bool outOfRange = value < 1 || value > limit;
    if (outOfRange) {
        m_services.messages.inform(helpTitle, message);
        box->setText(AlignedWhole(2, limit));
        if (box != m_colNum) {
            editing = false;
            return;
        }
    }
    if (editing) {
        box->setText(AlignedWhole(2, nearestWhole(box)));
        editing = false;
    }
    if (box == m_colNum) {
        m_settings.P = std::min(nearestWhole(box), 10);
        clearResults();
        SetupGrid(m_settings.P);
    }
}

void Lottery::SetupGrid(int picks)
{
    GridTable::resize(m_grid, gridRows, picks + 1, 1, 1);
    m_grid->resize(Px(690 * (picks + 1) - 250), Px(3120));
    m_grid->setColumnWidth(0, Px(headerColumnTwips));
    for (int column = 1; column <= picks; ++column)
        m_grid->setColumnWidth(column, Px(columnTwips));

    GridTable::setText(m_grid, 0, 0, QStringLiteral("No."));
    for (int k = 1; k <= picks; ++k)
        GridTable::setText(m_grid, 0, k, u' ' + QString::number(k));
    for (int s = 1; s < gridRows; ++s)
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
    m_picker.ClearResults();
}

void Lottery::Calculate()
{
    try {
        clearResults();
        m_state.EditingFlag = false;

        if (m_settings.PickMode != PickFullRange) {
            m_colNum->setText(AlignedWhole(2, storePicks()));
            m_highNum->setText(AlignedWhole(2, storeHighest()));
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
        m_settings.H = read(m_highNum, 60);
        m_settings.P = read(m_colNum, 10);
        m_settings.S = read(m_numRows, 10);
        if (m_settings.H == 0 || m_settings.P == 0 || m_settings.S == 0) {
            m_services.messages.inform(QStringLiteral("Error"),
                                       QStringLiteral("Cannot work with missing number "));
            return;
        }
        SetupGrid(m_settings.P);

        m_picker.PickNumbers(m_settings, m_state.Store);
        if (m_picker.PickAborted()) {
            m_picker.SetPickAborted(false);
            selectOption(PickFullRange);
            return;
        }

        BusyCursor busy;
        const NumberPicker::ResultTable& results = m_picker.PickResults();
        for (int s = 1; s <= m_settings.S; ++s)
            for (int k = 1; k <= m_settings.P; ++k)
                GridTable::setText(m_grid, s, k, AlignedWhole(2, results[s][k]));
        runAnimation();
        showBallRow(1);
    } catch (const std::exception&) {
        m_services.messages.inform(helpTitle, QStringLiteral(" Unknown error in Calculation."));
    }
    showStrip(QString());
    m_help->close();
    m_picker.SetPickAborted(false);
}

void Lottery::runAnimation()
{
    for (int cycle = 0; cycle < 4; ++cycle) {
        showStrip(QStringLiteral("Shuffling"));
        pause();
        for (int row = 1; row <= 6; ++row) {
            if (row == 4)
                showStrip(QStringLiteral("Picking"));
            showBallRow(row);
            pause();
        }
    }
}

void Lottery::showBallRow(int row)
{
    for (int ball = 0; ball < 6; ++ball) {
        QLabel* picture = m_balls[std::size_t(ball)];
        Controls::setBackground(picture, paletteColour(ballColour(row, ball)));
        picture->repaint();
    }
}

void Lottery::showStrip(const QString& text)
{
    m_strip->setText(text);
    m_strip->repaint();
}

void Lottery::pause()
{
    // The window repaints during the pause, but the user's clicks and keys wait until the
    // animation is over, as they would while a calculation runs.
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } while (timer.elapsed() < m_pauseMs);
}

void Lottery::PrintSets()
{
    if (m_picker.PickResults()[1][1] == 0) {
        m_services.messages.inform(helpTitle,
                                   QStringLiteral("No numbers to print. Click Calculate"));
        return;
    }
    if (!ConfirmPrintout(m_services))
        return;
    SendPrintout(m_services, PickPrintout(m_picker.PickResults(), m_settings.P, m_settings.S));
}
