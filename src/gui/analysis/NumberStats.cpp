// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "NumberStats.h"

#include "core/analysis/NumberStatsCsv.h"
#include "core/analysis/NumberStatsPrintout.h"
#include "core/app/SharedState.h"
#include "core/common/MessageBoxes.h"
#include "core/draws/LinesPerPage.h"
#include "gui/analysis/NumberFiguresModel.h"
#include "gui/analysis/PoolTabs.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"
#include "gui/common/FileFlow.h"
#include "gui/common/GridTable.h"
#include "gui/common/PrintJob.h"
#include "gui/common/PrinterPort.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QIODevice>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RowHeight = 240; // twips

QString windowSizeText(int lastDraws)
{
    return lastDraws == 0 ? QStringLiteral("All draws")
                          : QStringLiteral("Last %1 draws").arg(lastDraws);
}

// "All 150 draws, by chance 18.4 times each.": what the Expected column stands for. Over a
// window it also says that the last draw and the gaps are the whole history's.
QString summaryText(const DrawStatistics& statistics)
{
    if (statistics.draws == 0)
        return QStringLiteral("There are no draws in memory.");
    QString draws;
    if (statistics.draws < statistics.totalDraws)
        draws = QStringLiteral("Counts: the last %1 of %2 draws")
                    .arg(statistics.draws)
                    .arg(statistics.totalDraws);
    else if (statistics.draws == 1)
        draws = QStringLiteral("The one draw");
    else
        draws = QStringLiteral("All %1 draws").arg(statistics.draws);
    QString text = draws
        + QStringLiteral(", by chance %1 times each.")
              .arg(FormatExpected(statistics.expectedCount));
    if (statistics.draws < statistics.totalDraws)
        text += QStringLiteral("\nLast drawn, out for and gaps: all %1 draws.")
                    .arg(statistics.totalDraws);
    return text;
}

// The printout counts its footer among the lines of a page, where the database printout's page
// length leaves it out.
int printoutLinesPerPage(PrinterPort& printer)
{
    constexpr int footerLines = 2;
    return LinesPerPageFor(printer.pageMetrics()) + footerLines;
}

// A table in the look of the program's grids, white with black lines, its header shaded as
// their fixed cells; a click on a column's title sorts by that column.
QTableView* createNumberGrid(QAbstractItemModel* model, const QFont& font)
{
    auto* grid = new QTableView;
    grid->setObjectName(QStringLiteral("NumberGrid"));
    grid->setModel(model);
    grid->setFont(font);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(Px(RowHeight));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTabKeyNavigation(false);
    Colours::apply(grid, Colours::GridCell, Colours::Roles::Cells);
    QPalette lines = grid->palette();
    lines.setColor(QPalette::Mid, Colours::Black);
    grid->setPalette(lines);

    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    Colours::apply(header, Colours::GridHeader, Colours::Roles::Sections);

    grid->setSortingEnabled(true);
    grid->sortByColumn(int(NumberColumn::Number), Qt::AscendingOrder);
    // The style's arrow takes half the header's height beside the title, more than a column
    // has at some scales; the titles carry their own arrow instead.
    header->setSortIndicatorShown(false);
    return grid;
}

QWidget* page(QWidget* content, QWidget* above = nullptr, QWidget* below = nullptr)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(Px(60), Px(60), Px(60), Px(60));
    if (above)
        layout->addWidget(above);
    layout->addWidget(content);
    if (below)
        layout->addWidget(below);
    return page;
}

// The titles, with the sort arrow in them, must show whole: each column keeps at least the room
// the widest title takes at the current font and scale, and the grid scrolls sideways rather
// than cut a title.
void keepRoomForTitles(QHeaderView* header)
{
    int widest = 0;
    for (int section = 0; section < header->count(); ++section)
        widest = std::max(widest, header->sectionSizeHint(section));
    header->setMinimumSectionSize(widest);
}

} // namespace

NumberStats::NumberStats(SharedState& state, Services& services, QWidget* parent)
    : ToolWindow(parent), m_state(state), m_services(services)
{
    buildControls();
    recount();
    // The figures follow the draws, whichever window changes them.
    const DrawStore& store = m_state.Store;
    for (auto change : {&DrawStore::recordAppended, &DrawStore::recordReplaced})
        connect(&store, change, this, &NumberStats::recount);
    for (auto change : {&DrawStore::storeReset, &DrawStore::shapeChanged})
        connect(&store, change, this, &NumberStats::recount);
}

void NumberStats::buildControls()
{
    Controls::setupWindow(this, "NumberStats", QStringLiteral("Number Statistics"));
    const QFont small = Controls::windowFont(8.25);
    setFont(small);

    auto* sizeLabel
        = Controls::label(this, "Label1", QStringLiteral("&Draws counted:"), 180, 165, 1425, 285);
    m_lastDraws = new QComboBox(this);
    m_lastDraws->setObjectName(QStringLiteral("InLastDraws"));
    m_lastDraws->setGeometry(TwipsRect(1620, 120, 1815, 330));
    for (const int size : DrawStatistics::WindowSizes)
        m_lastDraws->addItem(windowSizeText(size), size);
    sizeLabel->setBuddy(m_lastDraws);
    // Two lines over a window: what the counts cover and what the gaps cover.
    m_summary = Controls::label(this, "Summary", QString(), 3600, 60, 5700, 480);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_numbersModel = new NumberFiguresModel(this);
    m_numbers = createNumberGrid(m_numbersModel, small);
    // The arrow moves with each sort, and the titles change with the window.
    connect(m_numbersModel, &QAbstractItemModel::headerDataChanged, this,
            [this] { keepRoomForTitles(m_numbers->horizontalHeader()); });

    m_pairsTitle = Controls::label(nullptr, "PairsTitle");
    m_morePairs = Controls::label(nullptr, "MorePairs");
    m_pairs = GridTable::create(nullptr, "PairGrid", 0, 0, 0, 0, RowHeight);
    m_pairs->setTabKeyNavigation(false);
    m_pairs->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* tabs = new QTabWidget(this);
    m_tabs = tabs;
    tabs->setObjectName(QStringLiteral("StatsTabs"));
    tabs->setGeometry(TwipsRect(120, 570, 9240, 4425));
    tabs->addTab(page(m_numbers), QStringLiteral("&Numbers"));
    tabs->addTab(page(m_pairs, m_pairsTitle, m_morePairs), QStringLiteral("P&airs"));
    // The extra numbers, a pool of their own, in the corner of the tabs.
    m_poolTabs = PoolTabs::create(tabs);
    tabs->setCornerWidget(m_poolTabs, Qt::TopRightCorner);
    PoolTabs::follow(m_poolTabs, m_state.Store.shape());
    connect(m_poolTabs, &QTabBar::currentChanged, this, &NumberStats::recount);

    m_fairness = Controls::label(this, "Fairness", QString(), 180, 5085, 9120, 780);
    m_fairness->setFont(Controls::windowFont(9.75));
    m_fairness->setWordWrap(true);
    m_fairness->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(m_lastDraws, &QComboBox::currentIndexChanged, this, &NumberStats::recount);
    buildButtonStrip(tabs);
}

void NumberStats::buildButtonStrip(QWidget* tabs)
{
    static constexpr Controls::WiredButtonRow<NumberStats> buttons[] = {
        {{"ExitStats", "E&xit", {180, 6000, 1320, 325}}, nullptr},
        {{"SaveCsv", "Save as &CSV", {6330, 6000, 1500, 325}}, &NumberStats::saveCsvClicked},
        {{"PrintStats", "&Print", {8010, 6000, 1320, 325}}, &NumberStats::printClicked},
    };
    Controls::buttonStrip(this, "Label3");
    const auto strip = Controls::create(this, buttons);
    for (QPushButton* button : strip)
        button->setFont(Controls::windowFont(9.75));
    connect(strip[0], &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);

    Controls::tabOrder(
        {m_lastDraws, m_poolTabs, tabs, m_numbers, m_pairs, strip[2], strip[1], strip[0]});
    m_numbers->setFocus();
}

void NumberStats::recount()
{
    PoolTabs::follow(m_poolTabs, m_state.Store.shape());
    const Pool pool = PoolTabs::current(m_poolTabs);
    // The pairs are the main numbers' only.
    m_tabs->setTabEnabled(1, pool == Pool::Main);
    m_statistics = ComputeDrawStatistics(m_state.Store, m_lastDraws->currentData().toInt(), pool);
    m_summary->setText(summaryText(m_statistics));
    m_numbersModel->setFigures(m_statistics.numbers,
                               m_statistics.draws < m_statistics.totalDraws ? m_statistics.draws
                                                                            : 0);
    keepRoomForTitles(m_numbers->horizontalHeader());
    showPairs();
    m_fairness->setText(FairnessSentence(m_statistics.fairness));
}

void NumberStats::showPairs()
{
    const QList<PairFigures>& pairs = m_statistics.topPairs;
    m_pairsTitle->setText(pairs.isEmpty()
                              ? QStringLiteral("No two numbers were drawn together in these draws.")
                              : PairsTitle(m_statistics));
    const QString more = MorePairsText(m_statistics);
    m_morePairs->setText(more);
    m_morePairs->setVisible(!more.isEmpty());
    GridTable::resize(m_pairs, int(pairs.size()) + 1, 3, 1, 0);
    const GridTable::BulkChange change(m_pairs);
    GridTable::setText(m_pairs, 0, 0, QStringLiteral("First"));
    GridTable::setText(m_pairs, 0, 1, QStringLiteral("Second"));
    GridTable::setText(m_pairs, 0, 2, QStringLiteral("Together"));
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const int row = int(i) + 1;
        GridTable::setText(m_pairs, row, 0, QString::number(pairs[i].first));
        GridTable::setText(m_pairs, row, 1, QString::number(pairs[i].second));
        GridTable::setText(m_pairs, row, 2, QString::number(pairs[i].count));
    }
    // Nothing to pick in this grid: no cell is marked as the current one.
    m_pairs->setCurrentItem(nullptr);
}

void NumberStats::saveCsvClicked()
{
    const QString drawFile = QFileInfo(m_state.Store.FileDisplayName()).completeBaseName();
    const QString proposed = NumberStatsCsvName(m_statistics, drawFile);
    const QByteArray csv = NumberStatsCsv(m_statistics, m_state.Store.Title());
    m_services.files.save(FileKind::Csv, proposed, [&csv](QIODevice& file, QString&) {
        return file.write(csv) == csv.size();
    });
}

void NumberStats::printClicked()
{
    if (!ConfirmPrintout(m_services))
        return;
    Printout printout;
    {
        BusyCursor busy;
        printout = NumberStatsPrintout(m_statistics, m_state.Store.Title(),
                                       printoutLinesPerPage(m_services.printer));
    }
    SendPrintout(m_services, printout);
}
