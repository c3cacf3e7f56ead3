// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Times the program's heavy paths, each beside a bare reference measured in the same run and in
// turn with it (ours, reference, ours, reference, ...), so that a slow spell of the machine falls
// on both. Prints the medians and their ratio. The lines "ratio <name> <value>" and
// "ms <name> <value>" are the figures the goals are checked on (bench/check_goals.py); lines that
// start with "#" say what was measured. --growth adds how the costs grow with the records.
#include "core/analysis/DrawStatistics.h"
#include "core/analysis/NumberPicker.h"
#include "core/analysis/Ranking.h"
#include "core/app/SharedState.h"
#include "core/common/EntropyRandomSource.h"
#include "core/common/FileDialogs.h"
#include "core/common/MessageBoxes.h"
#include "core/draws/DatabaseView.h"
#include "core/draws/DrawFile.h"
#include "core/tracker/Money.h"
#include "core/wheels/Wheel.h"
#include "gui/analysis/Lottery.h"
#include "gui/common/FileFlow.h"
#include "gui/common/PrinterPort.h"
#include "gui/common/Services.h"
#include "gui/draws/LDbase.h"
#include "gui/tracker/LInvTrack.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <numeric>
#include <optional>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

// The figures measured since the first version: a database of the size the store once held at
// most, and the file of two records more that it opened.
constexpr int ClassicRecords = 2000;
constexpr int ClassicFileRecords = ClassicRecords + 2;

// Services that never block: no boxes, no printer, no dialogs. A message means the measured
// step did not do what it should.
class CountingMessages : public MessageBoxes {
public:
    void inform(const QString&, const QString&) override { ++informed; }
    bool ask(const QString&, const QString&) override { return false; }
    void beep() override { }
    int informed = 0;
};
class NoPrinter : public PrinterPort {
public:
    std::optional<PageMetrics> pageMetrics() override { return std::nullopt; }
    bool hasPrinter() override { return false; }
    PrintOutcome print(const Printout&, const QString&, QString*) override
    {
        return PrintOutcome::NotPrinted;
    }
    PrintOutcome printPicture(const QPicture&, bool, const QString&, QString*) override
    {
        return PrintOutcome::NotPrinted;
    }
};
class NoDialogs : public FileDialogs {
public:
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QList<SaveFilter>&, int&) override
    {
        return {};
    }
};

struct Bench {
    CountingMessages messages;
    NoPrinter printer;
    NoDialogs dialogs;
    EntropyRandomSource random;
    // No file is chosen while timing: the flow's folders need a state of their own only.
    SharedState fileState;
    FileFlow files {fileState, dialogs, messages};
    Services services {messages, printer, dialogs, random, files};
};

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "numerion_bench: %s\n", what);
    std::exit(1);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The milliseconds one run of `work` takes, over `runs` runs.
template <typename Work> double msPerRun(int runs, Work&& work)
{
    QElapsedTimer timer;
    timer.start();
    for (int run = 0; run < runs; ++run)
        work();
    return elapsedMs(timer) / runs;
}

struct Figure {
    double ours = 0;
    double reference = 0;
    double ratio() const { return ours / reference; }
};

// `ours` and `reference`, each giving one sample in milliseconds, sampled in turn `rounds` times
// after one round that warms the caches and is not counted.
template <typename Ours, typename Reference>
Figure interleaved(int rounds, Ours&& ours, Reference&& reference)
{
    ours();
    reference();
    std::vector<double> oursMs;
    std::vector<double> referenceMs;
    for (int round = 0; round < rounds; ++round) {
        oursMs.push_back(ours());
        referenceMs.push_back(reference());
    }
    return {median(oursMs), median(referenceMs)};
}

void printRatio(const char* name, const Figure& figure, const char* ours, const char* reference)
{
    std::printf("# %s %.3f ms; %s %.3f ms\n", ours, figure.ours, reference, figure.reference);
    std::printf("ratio %s %.3f\n", name, figure.ratio());
}

void printMs(const char* name, double ms, const char* what)
{
    std::printf("# %s\n", what);
    std::printf("ms %s %.4f\n", name, ms);
}

// Watches one widget for its paint events.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    ~PaintWatch() override
    {
        if (m_widget)
            m_widget->removeEventFilter(this);
    }

    // Processes events until the widget has been painted, then once more, so that what follows
    // the paint in the same turn (the frame put on the screen) is done too.
    void waitForPaint()
    {
        QElapsedTimer timer;
        timer.start();
        while (!m_painted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (timer.elapsed() > 5000)
                fail("a window was not painted");
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        m_painted = false;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_painted = m_painted || event->type() == QEvent::Paint;
        return false;
    }

private:
    QPointer<QWidget> m_widget;
    bool m_painted = false;
};

// The area of the database window's record grid where its rows are painted.
QWidget* recordGridArea(QWidget& window)
{
    auto* grid = window.findChild<QAbstractScrollArea*>(QStringLiteral("Grid1"));
    if (!grid)
        fail("the database window has no Grid1");
    return grid->viewport();
}

// `count` draws of `perDraw` different numbers from `highest`, as a draw file holds them: weekly,
// or daily when weeks would run past the year 9999.
DrawRecords weeklyDraws(int count, int perDraw = 6, int highest = 49)
{
    QRandomGenerator random(2026);
    const int step = count > 400000 ? 1 : 7;
    DrawRecords records;
    records.reserve(count);
    std::vector<int> pool(std::size_t(highest), 0);
    std::vector<int> numbers(std::size_t(perDraw), 0);
    for (int i = 1; i <= count; ++i) {
        std::iota(pool.begin(), pool.end(), 1);
        for (int k = 0; k < perDraw; ++k)
            std::swap(pool[std::size_t(k)], pool[std::size_t(random.bounded(k, highest))]);
        std::copy_n(pool.begin(), perDraw, numbers.begin());
        records.append(QDate(1980, 1, 5).addDays(qint64(step) * (i - 1)), numbers);
    }
    return records;
}

void loadWeeklyDraws(SharedState& shared, int count)
{
    DrawStore& store = shared.Store;
    store.Reset();
    store.Load({6, 49}, QStringLiteral("Benchmark 6 of 49"), weeklyDraws(count));
    shared.Settings.DefaultNumbersPerDraw = 6;
    shared.Settings.DefaultHighNum = 49;
}

// A draw file of `count` records in `folder`; its path.
QString writeDrawFile(const QTemporaryDir& folder, int count)
{
    SharedState shared;
    loadWeeklyDraws(shared, count);
    const QString path = folder.filePath(QStringLiteral("draws-%1.lto").arg(count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || DrawFile::Write(shared.Store, file) != DrawFile::WriteError::None)
        fail("the draw file could not be written");
    return path;
}

// What the program does to open a draw file: read it, hand its records to the store.
void openIntoStore(const QString& path, DrawStore& store,
                   DrawFile::LineReading lines = DrawFile::LineReading::QuickWhereWritten)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("the draw file could not be opened");
    DrawFile::ReadResult read = DrawFile::Read(file, lines);
    if (read.error != DrawFile::ReadError::None
        || !store.Load(read.content.shape, read.content.title, std::move(read.content.records)))
        fail("the draw file could not be read");
}

// The reference: the same file read and split at commas and line ends, nothing more.
std::size_t readAndSplit(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("the draw file could not be opened");
    const QByteArray data = file.readAll();
    // Room for every field at once (each takes two bytes at least), as the reader reserves its
    // records from the header's count.
    std::vector<std::string_view> fields;
    fields.reserve(std::size_t(data.size() / 2 + 1));
    qsizetype start = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == ',' || c == '\n' || c == '\r') {
            if (i > start || c == ',')
                fields.emplace_back(data.constData() + start, std::size_t(i - start));
            start = i + 1;
        }
    }
    return fields.size();
}

Figure openFigure(const QString& path, int records, int rounds)
{
    // Single opens, many of them: on a busy machine a batch of opens long enough to be timed is
    // often cut by another process, one open seldom.
    DrawStore store;
    std::size_t fields = 0;
    const Figure figure = interleaved(
        rounds * 20, [&] { return msPerRun(1, [&] { openIntoStore(path, store); }); },
        [&] { return msPerRun(1, [&] { fields += readAndSplit(path); }); });
    if (store.RecCount() != records || fields == 0)
        fail("the draw file did not read whole");
    return figure;
}

// The same open with every line read by the full reader, as lines not written by the program are.
double fullReaderOpenMs(const QString& path, int rounds)
{
    DrawStore store;
    std::vector<double> ms;
    for (int round = 0; round < rounds * 20; ++round)
        ms.push_back(msPerRun(
            1, [&] { openIntoStore(path, store, DrawFile::LineReading::FullReaderOnly); }));
    return median(ms);
}

// Shows `widget` and waits until `painted`, a part of it, has been painted: the milliseconds
// since `timer` started. The widget is gone after.
double msUntilPainted(const QElapsedTimer& timer, std::unique_ptr<QWidget> widget, QWidget* painted)
{
    PaintWatch watch(painted);
    widget->show();
    watch.waitForPaint();
    const double ms = elapsedMs(timer);
    widget.reset();
    QCoreApplication::processEvents();
    return ms;
}

// The database window opened on the store, from its creation until its grid is painted.
double databaseWindowMs(SharedState& shared, Bench& bench)
{
    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<LDbase>(shared, bench.services);
    QWidget* grid = recordGridArea(*window);
    return msUntilPainted(timer, std::move(window), grid);
}

// What a reference table takes over from the grid it stands beside, so that both paint the same
// cells: its size, font, row height, column widths and hidden headers.
struct GridLook {
    QSize size;
    QFont font;
    int rowHeight = 0;
    QList<int> columnWidths;
    bool headersHidden = false;
    bool gridShown = true;

    static GridLook of(const QTableView& grid)
    {
        GridLook look {grid.size(),
                       grid.font(),
                       grid.verticalHeader()->defaultSectionSize(),
                       {},
                       grid.horizontalHeader()->isHidden() && grid.verticalHeader()->isHidden(),
                       grid.showGrid()};
        for (int column = 0; column < grid.model()->columnCount(); ++column)
            look.columnWidths.append(grid.columnWidth(column));
        return look;
    }

    void applyTo(QTableView& table) const
    {
        table.resize(size);
        if (columnWidths.isEmpty()) // a size alone
            return;
        table.setFont(font);
        table.verticalHeader()->setDefaultSectionSize(rowHeight);
        table.horizontalHeader()->setHidden(headersHidden);
        table.verticalHeader()->setHidden(headersHidden);
        table.setShowGrid(gridShown);
        for (int column = 0; column < columnWidths.size(); ++column)
            table.setColumnWidth(column, columnWidths[column]);
    }
};

// The look of the database window's record grid on `shared`.
GridLook recordGridLook(SharedState& shared, Bench& bench)
{
    LDbase window(shared, bench.services);
    auto* grid = window.findChild<QTableView*>(QStringLiteral("Grid1"));
    if (!grid)
        fail("the database window has no Grid1");
    return GridLook::of(*grid);
}

// The reference: a bare table that looks like the grid, filled with the texts the grid shows.
double bareTableMs(const QList<QStringList>& texts, const GridLook& look)
{
    QElapsedTimer timer;
    timer.start();
    auto table = std::make_unique<QTableWidget>();
    table->setRowCount(int(texts.size()));
    table->setColumnCount(int(texts.first().size()));
    look.applyTo(*table);
    for (int row = 0; row < texts.size(); ++row)
        for (int column = 0; column < texts[row].size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(texts[row][column]));
    QWidget* cells = table->viewport();
    return msUntilPainted(timer, std::move(table), cells);
}

// Records too many for a table of items: a bare model that formats the cells it is asked for,
// the way the grid's own does, in a table that looks like the grid.
class RecordTexts : public QAbstractTableModel {
public:
    explicit RecordTexts(const DrawRecords& records) : m_records(records) { }
    int rowCount(const QModelIndex& = {}) const override { return m_records.size() + 1; }
    int columnCount(const QModelIndex& = {}) const override { return 8; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (index.row() == 0)
            return DatabaseView::RecordHeaderText(index.column());
        return DatabaseView::RecordCellText(m_records, m_records.size() - index.row() + 1,
                                            index.column());
    }

private:
    const DrawRecords& m_records;
};

double bareViewMs(const DrawRecords& records, const GridLook& look)
{
    QElapsedTimer timer;
    timer.start();
    RecordTexts texts(records);
    auto table = std::make_unique<QTableView>();
    table->setModel(&texts);
    look.applyTo(*table);
    QWidget* cells = table->viewport();
    return msUntilPainted(timer, std::move(table), cells);
}

Figure databaseWindowFigure(Bench& bench, int records, int rounds)
{
    SharedState shared;
    loadWeeklyDraws(shared, records);
    const GridLook look = recordGridLook(shared, bench);
    if (records > 10000)
        return interleaved(
            rounds, [&] { return databaseWindowMs(shared, bench); },
            [&] { return bareViewMs(shared.Store.records(), look); });
    QList<QStringList> texts {{QStringLiteral("Record"), QStringLiteral("Date")}};
    for (int k = 1; k <= 6; ++k)
        texts.first().append(QString::number(k));
    for (int i = shared.Store.RecCount(); i >= 1; --i)
        texts.append(DatabaseView::RecordRowTexts(shared.Store.records(), 6, i));
    return interleaved(
        rounds, [&] { return databaseWindowMs(shared, bench); },
        [&] { return bareTableMs(texts, look); });
}

// The milliseconds of each of `adds` draws typed into the entry row and added with "&Add Record"
// as a user does, from the click until the record grid is painted again; the store holds
// `records` - `adds` records at first and `records` at the end.
std::vector<double> addRecordMs(Bench& bench, int records, int adds)
{
    SharedState shared;
    loadWeeklyDraws(shared, records - adds);
    LDbase window(shared, bench.services);
    PaintWatch watch(recordGridArea(window));
    window.show();
    watch.waitForPaint();
    auto* add = window.findChild<QPushButton*>(QStringLiteral("Calc"));
    if (!add)
        fail("the database window has no Add Record button");
    bench.messages.informed = 0;
    std::vector<double> ms;
    for (int a = 0; a < adds; ++a) {
        for (int k = 0; k < 6; ++k) {
            auto* box = window.findChild<QLineEdit*>(QStringLiteral("InNum%1").arg(k));
            QTest::keyClicks(box, QString::number((a * 7) % 43 + 1 + k));
        }
        // The typed draw is painted before the clock starts: the figure is the Add alone.
        QCoreApplication::processEvents();
        const int before = shared.Store.RecCount();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(add, Qt::LeftButton);
        watch.waitForPaint();
        ms.push_back(elapsedMs(timer));
        if (shared.Store.RecCount() != before + 1 || bench.messages.informed != 0)
            fail("Add Record did not add the typed draw");
    }
    return ms;
}

// Adding up to `large` and up to `small` records, in turn; the medians.
Figure addRecordFigure(Bench& bench, int large, int small, int rounds)
{
    std::vector<double> atLarge;
    std::vector<double> atSmall;
    const int adds = std::min(10, small);
    for (int round = 0; round < std::max(1, rounds / 5); ++round) {
        for (double ms : addRecordMs(bench, large, adds))
            atLarge.push_back(ms);
        for (double ms : addRecordMs(bench, small, adds))
            atSmall.push_back(ms);
    }
    return {median(atLarge), median(atSmall)};
}

struct ProcessRun {
    double ms = 0;
    double rssMb = 0; // the peak resident set
};

// `program` run as a whole process, through numerion_bench_run, until it ends by itself.
ProcessRun runProcess(const QString& program, const QStringList& arguments)
{
    QProcess runner;
    runner.start(QCoreApplication::applicationDirPath() + QStringLiteral("/numerion_bench_run"),
                 QStringList {program} + arguments);
    if (!runner.waitForFinished(60000) || runner.exitStatus() != QProcess::NormalExit
        || runner.exitCode() != 0)
        fail("a process did not end by itself");
    // The last line: what the program printed itself comes first.
    const QList<QByteArray> figures
        = runner.readAllStandardOutput().trimmed().split('\n').constLast().split(' ');
    if (figures.size() != 2)
        fail("a process was not measured");
    return {figures[0].toDouble(), figures[1].toDouble() / 1024};
}

// Start-up of the real program to its menu painted, and of a bare window of ten buttons.
void startUpFigures(int rounds)
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString numerion = folder + QStringLiteral("/numerion");
    const QString bare = folder + QStringLiteral("/numerion_bench_window");
    std::vector<double> rss[2];
    const Figure time = interleaved(
        rounds,
        [&] {
            const ProcessRun run = runProcess(numerion, {QStringLiteral("--quit-after-show")});
            rss[0].push_back(run.rssMb);
            return run.ms;
        },
        [&] {
            const ProcessRun run = runProcess(bare, {});
            rss[1].push_back(run.rssMb);
            return run.ms;
        });
    printRatio("startup_time", time, "numerion --quit-after-show, start to end",
               "a bare window of ten buttons");
    const Figure memory {median(rss[0]), median(rss[1])};
    std::printf("# peak RSS %.1f MB; bare window %.1f MB\n", memory.ours, memory.reference);
    std::printf("ratio startup_rss %.3f\n", memory.ratio());
}

// A 6 of 49 history of `draws` draws in the layout of the sample history (draw number, date, six
// numbers, bonus, jackpot), three draws a day from the year 1100 on.
QString writeHistory(const QTemporaryDir& folder, const char* name, int draws)
{
    QByteArray text = "Draw;Date;Ball 1;Ball 2;Ball 3;Ball 4;Ball 5;Ball 6;Bonus;Jackpot\r\n";
    text.reserve(qsizetype(draws) * 52);
    QRandomGenerator random(49);
    const QDate first(1100, 1, 1);
    for (int draw = 0; draw < draws; ++draw) {
        int numbers[7];
        for (int i = 0; i < 7; ++i) {
            do
                numbers[i] = random.bounded(1, 50);
            while (std::find(numbers, numbers + i, numbers[i]) != numbers + i);
        }
        text += QByteArray::number(draw + 1) + ';'
            + first.addDays(draw / 3).toString(u"dd.MM.yyyy").toLatin1();
        for (const int number : numbers)
            text += ';' + QByteArray::number(number).rightJustified(2, '0');
        text += ';' + QByteArray::number(random.bounded(1, 1000)) + ".000,"
            + QByteArray::number(random.bounded(10, 100)) + "\r\n";
    }
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        fail("the history was not written");
    return path;
}

// `numerion --import` of a million-draw history: its peak resident set above that of the same
// import of a ten-draw history, over the size of the history.
void importMemoryFigure(int rounds)
{
    QTemporaryDir folder;
    const QString large = writeHistory(folder, "large.csv", 1'000'000);
    const QString small = writeHistory(folder, "small.csv", 10);
    const QString numerion = QCoreApplication::applicationDirPath() + QStringLiteral("/numerion");
    const auto import = [&](const QString& history) {
        return runProcess(numerion,
                          {QStringLiteral("--import"), history, QStringLiteral("--numbers"),
                           QStringLiteral("6"), QStringLiteral("--highest"), QStringLiteral("49"),
                           QStringLiteral("--columns"), QStringLiteral("3-8"),
                           QStringLiteral("--output"), folder.filePath(QStringLiteral("out.lto"))});
    };
    std::vector<double> rss[2];
    const Figure time = interleaved(
        std::max(1, rounds / 5),
        [&] {
            const ProcessRun run = import(large);
            rss[0].push_back(run.rssMb);
            return run.ms;
        },
        [&] {
            const ProcessRun run = import(small);
            rss[1].push_back(run.rssMb);
            return run.ms;
        });
    const double inputMb = double(QFileInfo(large).size()) / (1024 * 1024);
    const double growthMb = median(rss[0]) - median(rss[1]);
    std::printf(
        "# numerion --import of 1,000,000 draws (%.1f MB): %.0f ms, peak RSS %.1f MB; of 10 "
        "draws: %.0f ms, %.1f MB\n",
        inputMb, time.ours, median(rss[0]), time.reference, median(rss[1]));
    std::printf("ratio import-memory %.3f\n", growthMb / inputMb);
}

double processCpuMs()
{
    timespec cpu {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6;
}

// One "&Calculate" in Rado-d-Idorur: its wall time and the share of it spent on the CPU.
void radoFigures(Bench& bench, int rounds)
{
    std::vector<double> wall;
    std::vector<double> share;
    for (int round = 0; round < std::max(3, rounds / 5); ++round) {
        SharedState shared;
        Lottery window(shared, bench.services);
        PaintWatch watch(&window);
        window.show();
        watch.waitForPaint();
        auto* calculate = window.findChild<QPushButton*>(QStringLiteral("CalcRandNo"));
        if (!calculate)
            fail("Rado-d-Idorur has no Calculate button");
        const double cpuBefore = processCpuMs();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCoreApplication::processEvents();
        wall.push_back(elapsedMs(timer));
        share.push_back((processCpuMs() - cpuBefore) / wall.back());
    }
    printMs("rado_calculate", median(wall), "one Rado-d-Idorur Calculate, its animation included");
    std::printf("# the share of it on the CPU (process CPU time over wall time)\n");
    std::printf("ratio rado_cpu_share %.3f\n", median(share));
}

void pickFigures(Bench& bench, int rounds)
{
    SharedState shared;
    NumberPicker picker(bench.random);
    const auto pickMs = [&](PickSettings settings, int runs) {
        std::vector<double> ms;
        for (int round = 0; round < rounds; ++round)
            ms.push_back(msPerRun(runs, [&] { picker.PickNumbers(settings, shared.Store); }));
        return median(ms);
    };
    printMs("pick_10x10_of_60", pickMs({{10, 60}, 10, PickMode::FullRange}, 200),
            "PickNumbers, 10 sets of 10 from 60");
    printMs("pick_abort_5000", pickMs({{6, 5}, 1, PickMode::FullRange}, 5),
            "PickNumbers giving up after 5000 rejections");
}

// 105 rows with a subtotal every seventh row, typed into the sheet before each calculation.
void fillSheet(Sheet& sheet)
{
    for (int r = 1; r <= Sheet::DataRows; ++r) {
        const bool subtotal = r % 7 == 0;
        sheet.cell(r, 0) = Cell(subtotal ? QStringLiteral("Sub Total")
                                         : QStringLiteral("Tickets, week %1").arg(r));
        sheet.cell(r, 1) = subtotal ? Cell() : Cell(r % 3 ? -10.0 : 12.5);
    }
}

void trackerFigure(Bench& bench, int rounds)
{
    SharedState shared;
    LInvTrack window(shared, bench.services);
    PaintWatch watch(&window);
    window.show();
    watch.waitForPaint();
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Calc7"));
    Sheet sheet;
    fillSheet(sheet);
    sheet.CalculateSheet();
    QList<QStringList> texts {{QStringLiteral("Description"), QStringLiteral("Amount")}};
    for (int r = 1; r <= sheet.SheetRowCount; ++r)
        texts.append(
            {Money::CellText(sheet.cell(r, 0)), Money::FormatAmountCell(sheet.cell(r, 1))});
    const Figure figure = interleaved(
        rounds,
        [&] {
            return msPerRun(10, [&] {
                shared.Tracker.change([](Sheet& sheet) {
                    fillSheet(sheet);
                    return true;
                });
                calculate->click();
            });
        },
        [&] {
            return bareTableMs(texts, GridLook {QSize(400, 300), {}, 0, {}, false, true});
        });
    std::printf("# a bare %d-row table filled with the same texts and painted %.3f ms\n",
                int(texts.size()), figure.reference);
    printMs("tracker_sheet", figure.ours, "CalculateSheet + ShowSheet, 105 rows");
}

void coreFigures(const QString& path, int rounds)
{
    SharedState shared;
    openIntoStore(path, shared.Store);
    DrawStore& store = shared.Store;
    std::vector<double> write;
    std::vector<double> count;
    for (int round = 0; round < rounds; ++round) {
        write.push_back(msPerRun(5, [&] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            DrawFile::Write(store, buffer);
        }));
        count.push_back(msPerRun(50, [&] {
            RankByCount(store.NumberCounts(), store.shape().highestNumber, RankOrder::ByCount);
        }));
    }
    printMs("write_draw_file", median(write), "a 2002-record draw file written");
    printMs("rank", median(count), "RankByCount of the counts the store keeps, 2002 records");
}

// The number statistics of 2000 draws of 10 different numbers from 60.
void statisticsFigure(int rounds)
{
    DrawStore store;
    store.Load({10, 60}, {}, weeklyDraws(ClassicRecords, 10, 60));
    std::vector<double> ms;
    for (int round = 0; round < rounds; ++round)
        ms.push_back(msPerRun(5, [&] { ComputeDrawStatistics(store); }));
    printMs("statistics", median(ms), "the number statistics of 2000 draws of 10 from 60");
}

// The reference of a large open: the same bytes read, split into the same fields and their
// digits converted into a reserved array, nothing more.
std::size_t readSplitConvert(const QString& path, int records)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("the draw file could not be opened");
    const QByteArray data = file.readAll();
    std::vector<std::int32_t> values;
    values.reserve(std::size_t(records + 1) * (DrawRecords::ClassicFields + 2));
    std::int32_t value = 0;
    bool inField = false;
    for (const char c : data) {
        if (c == ',' || c == '\n' || c == '\r') {
            if (inField || c == ',')
                values.push_back(value);
            value = 0;
            inField = false;
        } else {
            if (c >= '0' && c <= '9')
                value = value * 10 + (c - '0');
            inField = true;
        }
    }
    return values.size();
}

Figure largeOpenFigure(const QString& path, int records, int rounds)
{
    DrawStore store;
    std::size_t values = 0;
    const Figure figure = interleaved(
        rounds, [&] { return msPerRun(1, [&] { openIntoStore(path, store); }); },
        [&] { return msPerRun(1, [&] { values += readSplitConvert(path, records); }); });
    if (store.RecCount() != records || values == 0)
        fail("the draw file did not read whole");
    return figure;
}

// The statistics window's figures over the store, beside a bare count of every number field.
Figure statisticsOf(const DrawStore& store, int rounds)
{
    std::int64_t sum = 0;
    const Figure figure = interleaved(
        rounds, [&] { return msPerRun(1, [&] { sum += ComputeDrawStatistics(store).draws; }); },
        [&] {
            return msPerRun(1, [&] {
                std::array<int, DrawStore::HighestNumber + 1> counts {};
                const DrawRecords& records = store.records();
                for (int record = 1; record <= records.size(); ++record)
                    for (const std::int16_t number : records.numbers(record))
                        ++counts[std::size_t(std::clamp<int>(number, 0, DrawStore::HighestNumber))];
                sum += counts[1];
            });
        });
    if (sum == 0)
        fail("no statistics were computed");
    return figure;
}

long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}

// In a process of its own (a heap that grew before would hide the growth): the resident memory
// the open of the draw file at `path` adds, per record.
int printBytesPerDraw(const QString& path)
{
    const long before = residentBytes();
    DrawStore store;
    openIntoStore(path, store);
    const long after = residentBytes();
    std::printf("%.2f\n", double(after - before) / std::max(1, store.RecCount()));
    return before > 0 ? 0 : 1;
}

double bytesPerDraw(const QString& path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--bytes-per-draw-of"), path});
    if (!child.waitForFinished(120000) || child.exitCode() != 0)
        fail("the memory of an open was not measured");
    return child.readAllStandardOutput().trimmed().toDouble();
}

// Whole histories: 100,000 and 1,000,000 draws of 6 from 49, opened, shown, added to and
// counted, and the memory a stored draw takes.
void wholeHistoryFigures(Bench& bench, const QTemporaryDir& folder, int rounds)
{
    for (const auto& [records, name] :
         {std::pair(100000, std::string("100k")), std::pair(1000000, std::string("1m"))}) {
        const int few = records > 100000 ? std::max(3, rounds / 3) : rounds;
        const QString path = writeDrawFile(folder, records);
        const std::string label = name;
        const auto line = [&label](const char* figure) { return figure + ("-" + label); };

        const Figure open = largeOpenFigure(path, records, few);
        printRatio(
            line("open").c_str(), open,
            qPrintable(QStringLiteral("a %1-record draw file opened into the store").arg(records)),
            "the same bytes read, split and converted into a reserved array");
        const Figure window = databaseWindowFigure(bench, records, few);
        std::printf("# a bare table view on a model of the same cells %.3f ms\n", window.reference);
        printMs(line("dbwindow").c_str(), window.ours,
                qPrintable(QStringLiteral("the database window shown and painted on %1 records")
                               .arg(records)));
        // Three windows of ten Adds each, as at 2000 records.
        std::vector<double> adds;
        for (int window = 0; window < 3; ++window)
            for (const double ms : addRecordMs(bench, records, 10))
                adds.push_back(ms);
        printMs(line("add").c_str(), median(adds),
                qPrintable(
                    QStringLiteral("Add Record at %1 records, the grid repainted").arg(records)));
        DrawStore store;
        openIntoStore(path, store);
        const Figure statistics = statisticsOf(store, few);
        std::printf("# a bare count of every number field %.3f ms\n", statistics.reference);
        printMs(
            line("statistics").c_str(), statistics.ours,
            qPrintable(QStringLiteral("counts, out-for, pairs and the fairness test of %1 draws")
                           .arg(records)));
        if (records == 1000000) {
            std::printf("# the resident memory an open of %d draws of 6 from 49 adds, per draw\n",
                        records);
            std::printf("bytes-per-draw %.2f\n", bytesPerDraw(path));
        }
    }
}

// How the costs grow with the records: open and its split, the window and its bare table, and
// adding a record.
void growthTable(Bench& bench, const QTemporaryDir& folder, int rounds)
{
    std::printf("# growth: records, open ms, split ms, ratio, window ms, bare table ms, ratio, "
                "add record ms, statistics ms\n");
    for (const int records : {10, 100, 1000, 10000, 100000, 1000000}) {
        const int few = records > 100000 ? std::max(3, rounds / 3) : rounds;
        const QString path = writeDrawFile(folder, records);
        // Past the classic sizes, the reference the whole-history figures use.
        const Figure open = records > 10000 ? largeOpenFigure(path, records, few)
                                            : openFigure(path, records, few);
        const Figure window = databaseWindowFigure(bench, records, few);
        const double add = median(addRecordMs(bench, records, std::min(10, records)));
        DrawStore store;
        openIntoStore(path, store);
        const Figure statistics = statisticsOf(store, few);
        std::printf("growth %d %.3f %.3f %.2f %.3f %.3f %.2f %.3f %.3f\n", records, open.ours,
                    open.reference, open.ratio(), window.ours, window.reference, window.ratio(),
                    add, statistics.ours);
    }
}

// The best sizes known for wheels of six numbers, C(v,6,t): tickets of 6 out of v numbers that
// hold every t of them. Facts from the literature, never the program's. Source of every value:
// the La Jolla Covering Repository of D. M. Gordon, the upper bound it lists for C(v,6,t), as
// published in its data set (github.com/dmgordo/LJCR, coverings/coverdata.json, CC BY 4.0) and
// read here from a copy of its bounds taken in August 2026. Where the repository's lower bound
// is the same number the size is proven least ("exact" below); elsewhere it is the best known.
struct KnownWheel {
    int pool;
    int guarantee;
    int best;
};

constexpr KnownWheel KnownWheels[] = {
    {10, 2, 4}, // La Jolla: C(10,6,2) = 4, exact
    {12, 2, 6}, // La Jolla: C(12,6,2) = 6, exact
    {14, 2, 7}, // La Jolla: C(14,6,2) = 7, exact
    {16, 2, 10}, // La Jolla: C(16,6,2) = 10, exact
    {18, 2, 12}, // La Jolla: C(18,6,2) = 12, exact
    {20, 2, 16}, // La Jolla: C(20,6,2) = 16, exact
    {24, 2, 22}, // La Jolla: C(24,6,2) <= 22 (lower bound 21)
    {30, 2, 31}, // La Jolla: C(30,6,2) = 31, exact
    {10, 3, 10}, // La Jolla: C(10,6,3) = 10, exact
    {11, 3, 11}, // La Jolla: C(11,6,3) = 11, exact
    {12, 3, 15}, // La Jolla: C(12,6,3) = 15, exact
    {13, 3, 21}, // La Jolla: C(13,6,3) <= 21 (lower bound 20)
    {14, 3, 25}, // La Jolla: C(14,6,3) <= 25 (lower bound 24)
    {15, 3, 31}, // La Jolla: C(15,6,3) <= 31 (lower bound 30)
    {16, 3, 38}, // La Jolla: C(16,6,3) <= 38 (lower bound 35)
    {18, 3, 48}, // La Jolla: C(18,6,3) = 48, exact
    {20, 3, 71}, // La Jolla: C(20,6,3) <= 71 (lower bound 64)
    {10, 4, 20}, // La Jolla: C(10,6,4) = 20, exact
    {11, 4, 32}, // La Jolla: C(11,6,4) = 32, exact
    {12, 4, 41}, // La Jolla: C(12,6,4) <= 41 (lower bound 40)
    {13, 4, 66}, // La Jolla: C(13,6,4) <= 66 (lower bound 59)
    {14, 4, 80}, // La Jolla: C(14,6,4) <= 80 (lower bound 75)
};

// The Schönheim lower bound: no wheel is smaller.
int schoenheimBound(int v, int k, int t)
{
    return t == 0 ? 1 : int((qint64(v) * schoenheimBound(v - 1, k - 1, t - 1) + k - 1) / k);
}

void wheelFigures()
{
    std::printf(
        "# wheels of 6 numbers, t if t, at most 10 s each on every core, ending at the best "
        "known size:\n# wheel v t found best-known ratio seconds-to-found seconds check "
        "lower-bound\n");
    double logSum = 0;
    int known = 0;
    int met = 0;
    int proven = 0;
    int cases = 0;
    double smallMs = 0;
    for (const KnownWheel& wheelCase : KnownWheels) {
        const int bound = schoenheimBound(wheelCase.pool, 6, wheelCase.guarantee);
        WheelRequest request;
        request.poolSize = wheelCase.pool;
        request.guarantee = wheelCase.guarantee;
        request.ifDrawn = wheelCase.guarantee;
        request.maxTickets = wheelCase.best;
        request.seconds = 10;
        request.seed = 1;
        QElapsedTimer timer;
        timer.start();
        const Wheel wheel = GenerateWheel(request);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        const int found = int(wheel.tickets.size());
        // Checked again here, apart from the search.
        const bool checked = found > 0 && wheel.proven
            && CheckWheel(wheel.tickets, wheelCase.pool, wheelCase.guarantee, wheelCase.guarantee);
        ++cases;
        proven += checked;
        // A small pool counts the time to the best known size; one that never reached it, the
        // whole search.
        if (wheelCase.pool <= 16)
            smallMs = std::max(
                smallMs,
                (found > 0 && found <= wheelCase.best ? wheel.secondsToBest : seconds) * 1000);
        if (wheelCase.best == 0) {
            std::printf("wheel %d %d %d - - %.2f %.2f %s %d\n", wheelCase.pool, wheelCase.guarantee,
                        found, wheel.secondsToBest, seconds, checked ? "proven" : "UNPROVEN",
                        bound);
            continue;
        }
        const double ratio = double(found) / wheelCase.best;
        std::printf("wheel %d %d %d %d %.3f %.2f %.2f %s %d\n", wheelCase.pool, wheelCase.guarantee,
                    found, wheelCase.best, ratio, wheel.secondsToBest, seconds,
                    checked ? "proven" : "UNPROVEN", bound);
        ++known;
        met += found > 0 && found <= wheelCase.best;
        logSum += std::log(std::max(ratio, 1e-9));
    }
    std::printf("# geometric mean of the size found over the best known, %d cases\n", known);
    std::printf("ratio wheel_size %.4f\n", std::exp(logSum / std::max(known, 1)));
    std::printf("# share of those cases where the best known size was met\n");
    std::printf("ratio wheel_best_met %.3f\n", double(met) / std::max(known, 1));
    std::printf("# share of all %d wheels that passed the exhaustive check\n", cases);
    std::printf("ratio wheel_proven %.3f\n", double(proven) / cases);
    printMs("wheel_small", smallMs,
            "the longest time to the best known size for a pool up to 16 numbers");
}

} // namespace

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--bytes-per-draw-of"))
        return printBytesPerDraw(arguments[2]);
    int rounds = 15;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--rounds"));
        at > 0 && at + 1 < arguments.size())
        rounds = std::max(1, arguments[at + 1].toInt());
    const bool growth = arguments.contains(QStringLiteral("--growth"));
    // --only FIGURE runs one of them (open, window, add, startup, import, rado, picks, tracker,
    // core, statistics, history, wheels), as for profiling it.
    QString only;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--only"));
        at > 0 && at + 1 < arguments.size())
        only = arguments[at + 1];
    const auto runs
        = [&only](const char* figure) { return only.isEmpty() || only == QLatin1String(figure); };
    std::printf("# medians of %d rounds, each figure measured in turn with its reference\n",
                rounds);

    Bench bench;
    QTemporaryDir folder;
    const QString largest = writeDrawFile(folder, ClassicFileRecords);
    if (runs("open")) {
        printRatio("open_draw_file", openFigure(largest, ClassicFileRecords, rounds),
                   "a 2002-record draw file opened into the store",
                   "the same file read and split at commas and line ends");
        std::printf("# the same file opened with the full reader on every line %.3f ms\n",
                    fullReaderOpenMs(largest, rounds));
    }
    if (runs("window"))
        printRatio("database_window", databaseWindowFigure(bench, ClassicRecords, rounds),
                   "the database window shown and painted on 2000 records",
                   "a bare table filled with the same texts");
    if (runs("add")) {
        const Figure add = addRecordFigure(bench, ClassicRecords, 200, rounds);
        printMs("add_record_2000", add.ours, "Add Record up to 2000 records, the grid repainted");
        printMs("add_record_200", add.reference,
                "Add Record up to 200 records, the grid repainted");
        std::printf("ratio add_record_growth %.3f\n", add.ratio());
    }
    if (runs("startup"))
        startUpFigures(rounds);
    if (runs("import"))
        importMemoryFigure(rounds);
    if (runs("rado"))
        radoFigures(bench, rounds);
    if (runs("picks"))
        pickFigures(bench, rounds);
    if (runs("tracker"))
        trackerFigure(bench, rounds);
    if (runs("core"))
        coreFigures(largest, rounds);
    if (runs("statistics"))
        statisticsFigure(rounds);
    if (runs("history"))
        wholeHistoryFigures(bench, folder, rounds);
    if (runs("wheels"))
        wheelFigures();
    if (growth)
        growthTable(bench, folder, rounds);
    std::fflush(stdout);
    return 0;
}
