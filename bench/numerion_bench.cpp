// Times the program's heavy paths beside a bare reference measured in the same run, and prints
// each figure, its reference and their ratio at the end.
#include "core/analysis/DrawStatistics.h"
#include "core/analysis/NumberPicker.h"
#include "core/analysis/Ranking.h"
#include "gui/app/Program.h"
#include "core/app/SharedState.h"
#include "gui/app/ZudeMenu.h"
#include "core/common/EntropyRandomSource.h"
#include "core/common/FileDialogs.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/PrinterPort.h"
#include "gui/common/QtPrinterPort.h"
#include "gui/common/Services.h"
#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"
#include "core/draws/DrawFile.h"
#include "gui/draws/LDbase.h"
#include "gui/tracker/LInvTrack.h"
#include "core/tracker/Money.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string_view>

namespace {

// Services that never block: no boxes, no printer, no dialogs.
class SilentMessages : public MessageBoxes {
public:
    void inform(const QString&, const QString&) override { }
    bool ask(const QString&, const QString&) override { return false; }
    void beep() override { }
};
class NoPrinter : public PrinterPort {
public:
    std::optional<PageMetrics> pageMetrics() override { return std::nullopt; }
    bool hasPrinter() override { return false; }
    bool print(const Printout&, const QString&, QString*) override { return false; }
    bool printPicture(const QPicture&, bool, const QString&, QString*) override { return false; }
};
class NoDialogs : public FileDialogs {
public:
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

struct Bench {
    SilentMessages messages;
    NoPrinter printer;
    NoDialogs dialogs;
    EntropyRandomSource random;
    Services services {messages, printer, dialogs, random};
};

// A store of `records` weekly draws of six numbers from 49.
void fillStore(DrawStore& store, int records)
{
    store.SetColCount(8);
    store.SetHighNum(49);
    store.SetTitle(QStringLiteral("Benchmark 6 of 49"));
    QRandomGenerator random(2026);
    for (int i = 0; i < records; ++i) {
        QStringList numbers;
        for (int k = 0; k < 6; ++k)
            numbers.append(QString::number(random.bounded(1, 50)));
        store.AppendRecord(FormatShortDate(QDate(1990, 1, 6).addDays(7 * i)), numbers);
    }
    store.CountNumbers();
}

QByteArray drawFileBytes()
{
    static const QByteArray bytes = [] {
        DrawStore store;
        fillStore(store, DrawFile::MaxRecordLines);
        return DrawFile::Bytes(store).value();
    }();
    return bytes;
}

void DrawFileRead(benchmark::State& state)
{
    const QByteArray bytes = drawFileBytes();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(DrawFile::Read(buffer));
    }
}

// The reference: the same bytes read and split at commas and line ends, nothing more.
void BareSplit(benchmark::State& state)
{
    const QByteArray bytes = drawFileBytes();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const QByteArray data = buffer.readAll();
        std::vector<std::string_view> fields;
        qsizetype start = 0;
        for (qsizetype i = 0; i < data.size(); ++i) {
            const char c = data[i];
            if (c == ',' || c == '\n' || c == '\r') {
                if (i > start || c == ',')
                    fields.emplace_back(data.constData() + start, std::size_t(i - start));
                start = i + 1;
            }
        }
        benchmark::DoNotOptimize(fields);
    }
}

void DrawFileWrite(benchmark::State& state)
{
    DrawStore store;
    fillStore(store, DrawFile::MaxRecordLines);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(DrawFile::Write(store, buffer));
    }
}

void CountAndRank(benchmark::State& state)
{
    DrawStore store;
    fillStore(store, DrawFile::MaxRecordLines);
    for (auto _ : state) {
        store.CountNumbers();
        RankByCount(store, RankOrder::ByCount);
        benchmark::DoNotOptimize(store.SortedCounts());
    }
}

void Pick(benchmark::State& state, PickSettings settings)
{
    Bench bench;
    SharedState shared;
    NumberPicker picker(bench.random, bench.messages);
    for (auto _ : state) {
        picker.PickNumbers(settings, shared.Store);
        benchmark::DoNotOptimize(picker.PickResults());
    }
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

void TrackerSheet(benchmark::State& state)
{
    Bench bench;
    SharedState shared;
    LInvTrack window(shared, bench.services);
    window.show();
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Calc7"));
    for (auto _ : state) {
        fillSheet(shared.TrackerSheet);
        calculate->click();
    }
}

// The reference of the grids: a bare table of `rows` x `columns` filled with `texts` row by row.
void bareFill(QTableWidget& table, int rows, const QList<QStringList>& texts)
{
    const int columns = int(texts.first().size());
    table.setRowCount(rows);
    table.setColumnCount(columns);
    for (int row = 0; row < rows && row < texts.size(); ++row)
        for (int column = 0; column < columns; ++column)
            table.setItem(row, column, new QTableWidgetItem(texts[row][column]));
}

void BareSheetGrid(benchmark::State& state)
{
    Sheet sheet;
    fillSheet(sheet);
    sheet.CalculateSheet();
    QList<QStringList> texts {{QStringLiteral("Description"), QStringLiteral("Amount")}};
    for (int r = 1; r <= sheet.SheetRowCount; ++r)
        texts.append(
            {Money::CellText(sheet.cell(r, 0)), Money::FormatAmountCell(sheet.cell(r, 1))});
    for (auto _ : state) {
        QTableWidget table;
        bareFill(table, 110, texts);
        table.show();
    }
}

void DatabaseWindow(benchmark::State& state)
{
    Bench bench;
    SharedState shared;
    fillStore(shared.Store, DrawStore::MaxRecords);
    for (auto _ : state) {
        auto window = std::make_unique<LDbase>(shared, bench.services);
        window->show();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BareDatabaseGrid(benchmark::State& state)
{
    DrawStore store;
    fillStore(store, DrawStore::MaxRecords);
    QList<QStringList> texts;
    for (int i = store.RecCount(); i >= 1; --i)
        texts.append(DatabaseView::RecordRowTexts(store, i));
    for (auto _ : state) {
        auto table = std::make_unique<QTableWidget>();
        bareFill(*table, store.RecCount() + 24, texts);
        table->show();
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}

// Start-up is timed as a whole process, from its start until its first window is on the screen,
// for the program and for a bare Qt program; both run as this program in a child mode.
void startChild(benchmark::State& state, const char* mode)
{
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--start-child"), QString::fromLatin1(mode)});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            state.SkipWithError("the child did not show its window");
    }
}

void StartUp(benchmark::State& state)
{
    startChild(state, "program");
}

void BareWindow(benchmark::State& state)
{
    startChild(state, "bare");
}

// The child: the program's start-up up to the menu shown, or a bare window shown and closed.
int runStartChild(int argc, char** argv, const QString& mode)
{
    QApplication app(argc, argv);
    if (mode == QLatin1String("bare")) {
        QWidget window;
        window.resize(632, 424);
        window.show();
        const bool shown = QTest::qWaitForWindowExposed(&window);
        window.close();
        return shown ? 0 : 1;
    }
    // The real printer service: asking for the default printer is part of starting.
    Bench bench;
    QtPrinterPort printer;
    Services services {bench.messages, printer, bench.dialogs, bench.random};
    QTemporaryDir folder;
    SharedState shared;
    shared.ProgramDirectory = folder.path();
    Program program(shared, services);
    program.start();
    return QTest::qWaitForWindowExposed(program.mainMenu()) ? 0 : 1;
}

// The number statistics of 2000 draws of 10 different numbers from 60: the median of 101 runs,
// printed as "ms statistics <milliseconds>".
void reportStatistics()
{
    DrawStore store;
    store.SetColCount(12);
    store.SetHighNum(60);
    QRandomGenerator random(2026);
    for (int i = 0; i < DrawStore::MaxRecords; ++i) {
        QList<int> pool;
        for (int n = 1; n <= 60; ++n)
            pool.append(n);
        QStringList numbers;
        for (int k = 0; k < 10; ++k)
            numbers.append(QString::number(pool.takeAt(random.bounded(int(pool.size())))));
        store.AppendRecord(FormatShortDate(QDate(1990, 1, 6).addDays(7 * i)), numbers);
    }
    std::vector<double> milliseconds;
    for (int run = 0; run < 101; ++run) {
        QElapsedTimer timer;
        timer.start();
        const DrawStatistics stats = ComputeDrawStatistics(store);
        benchmark::DoNotOptimize(stats);
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const auto median = milliseconds.begin() + std::ptrdiff_t(milliseconds.size() / 2);
    std::nth_element(milliseconds.begin(), median, milliseconds.end());
    std::printf("ms statistics %.3f\n", *median);
}

// Prints the usual table, then each figure beside its reference.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for the benchmark; otherwise its one run.
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const double seconds
                = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_times[run.run_name.function_name] = seconds;
            else if (run.run_type == Run::RT_Iteration
                     && !m_times.count(run.run_name.function_name))
                m_times[run.run_name.function_name] = seconds;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const std::pair<const char*, const char*> pairs[] = {
            {"DrawFileRead", "BareSplit"},
            {"DatabaseWindow", "BareDatabaseGrid"},
            {"TrackerSheet", "BareSheetGrid"},
            {"StartUp", "BareWindow"},
        };
        std::printf("\n%-18s %12s %-18s %12s %7s\n", "figure", "time", "reference", "time",
                    "ratio");
        for (const auto& [figure, reference] : pairs) {
            const auto ours = find(figure);
            const auto bare = find(reference);
            if (ours && bare)
                std::printf("%-18s %9.3f ms %-18s %9.3f ms %6.2fx\n", figure, *ours * 1e3,
                            reference, *bare * 1e3, *ours / *bare);
        }
    }

private:
    std::optional<double> find(std::string_view name) const
    {
        const auto found = m_times.find(std::string(name));
        if (found == m_times.end())
            return std::nullopt;
        return found->second;
    }
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::string_view(argv[1]) == "--start-child")
        return runStartChild(argc, argv, QString::fromLatin1(argv[2]));
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    benchmark::RegisterBenchmark("DrawFileRead", DrawFileRead)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareSplit", BareSplit)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DrawFileWrite", DrawFileWrite)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CountAndRank", CountAndRank)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Pick10x10of60", Pick, PickSettings {10, 60, 10, PickFullRange})
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("PickAbort5000", Pick, PickSettings {6, 5, 1, PickFullRange})
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("TrackerSheet", TrackerSheet)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareSheetGrid", BareSheetGrid)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DatabaseWindow", DatabaseWindow)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareDatabaseGrid", BareDatabaseGrid)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("StartUp", StartUp)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("BareWindow", BareWindow)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reportStatistics();
    return 0;
}
