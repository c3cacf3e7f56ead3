// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "core/analysis/DrawStatistics.h"
#include "core/analysis/NumberStatsCsv.h"
#include "core/analysis/NumberStatsPrintout.h"
#include "gui/analysis/LGraph.h"
#include "gui/analysis/NumberStats.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

namespace {

// Twelve weekly draws of two numbers from 1..6; 6 is never drawn.
void fillStore(DrawStore& store)
{
    store.setShape({2, 6});
    store.SetTitle(QStringLiteral("Test Six"));
    const int draws[][2] = {{1, 2}, {3, 4}, {1, 5}, {2, 3}, {1, 2}, {4, 5},
                            {1, 3}, {2, 4}, {5, 1}, {3, 2}, {4, 1}, {2, 5}};
    QDate date(2024, 1, 6);
    for (const auto& draw : draws) {
        store.AppendRecord(date, draw);
        date = date.addDays(7);
    }
}

void clickHeader(QTableView* grid, int column)
{
    QHeaderView* header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestNumberStats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_fixture = std::make_unique<GuiTestFixture>();
        fillStore(m_fixture->state.Store);
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void sortsByAClickedHeader_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descendingFirst");
        QTest::newRow("drawn, most first") << int(NumberColumn::Drawn) << true;
        QTest::newRow("last drawn, never first") << int(NumberColumn::LastDrawn) << false;
        QTest::newRow("average gap, widest first") << int(NumberColumn::AverageGap) << true;
    }
    void sortsByAClickedHeader()
    {
        QFETCH(int, column);
        QFETCH(bool, descendingFirst);
        open();
        const DrawStatistics statistics = ComputeDrawStatistics(m_fixture->state.Store);
        auto* grid = control<QTableView>(m_window.get(), "NumberGrid");
        const auto figuresAt = [&](int row) {
            const int number = grid->model()->index(row, 0).data().toInt();
            return statistics.numbers.value(number - 1);
        };
        QCOMPARE(grid->model()->rowCount(), 6);
        QCOMPARE(figuresAt(5).number, 6);
        QCOMPARE(grid->model()->index(5, int(NumberColumn::LastDrawn)).data().toString(),
                 QStringLiteral("never"));
        QCOMPARE(grid->model()->index(5, int(NumberColumn::OutFor)).data().toString(),
                 QStringLiteral("12"));

        for (const bool descending : {descendingFirst, !descendingFirst}) {
            clickHeader(grid, column);
            // Every title keeps the room it needs with the sort arrow, which marks the column.
            QHeaderView* header = grid->horizontalHeader();
            for (int section = 0; section < header->count(); ++section)
                QVERIFY(header->sectionSize(section) >= header->sectionSizeHint(section));
            QVERIFY(
                grid->model()
                    ->headerData(column, Qt::Horizontal)
                    .toString()
                    .endsWith(descending ? QStringLiteral("\u25BC") : QStringLiteral("\u25B2")));
            for (int row = 1; row < 6; ++row) {
                const NumberFigures figures = figuresAt(row);
                const NumberFigures above = figuresAt(row - 1);
                const double key = NumberSortKey(figures, NumberColumn(column));
                const double keyAbove = NumberSortKey(above, NumberColumn(column));
                if (key == keyAbove)
                    QVERIFY(above.number < figures.number);
                else
                    QCOMPARE(keyAbove > key, descending);
            }
        }
    }

    void savesTheTableAsCsv_data()
    {
        QTest::addColumn<int>("sizeChoice"); // down presses in the window-size choice
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("proposed"); // how the proposed name ends
        QTest::newRow("all draws") << 0 << "stats.csv"
                                   << "stats.csv"
                                   << " statistics all draws.csv";
        QTest::newRow("last 10 draws, a name without suffix") << 1 << "stats"
                                                              << "stats.csv"
                                                              << " statistics last 10.csv";
        QTest::newRow("a folder that cannot be") << 0 << "NotAFolder/stats.csv"
                                                 << ""
                                                 << " statistics all draws.csv";
    }
    void savesTheTableAsCsv()
    {
        QFETCH(int, sizeChoice);
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(QString, proposed);
        open();
        QTest::keyClick(m_window.get(), Qt::Key_D, Qt::AltModifier);
        for (int i = 0; i < sizeChoice; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        m_fixture->writeProgramFile(QStringLiteral("NotAFolder"), "a file");
        m_fixture->fileDialogs.answers = {m_fixture->programPath(answer)};
        click("SaveCsv");
        QVERIFY2(m_fixture->fileDialogs.proposals.last().endsWith(proposed),
                 qPrintable(m_fixture->fileDialogs.proposals.last()));

        if (written.isEmpty()) {
            QCOMPARE(m_fixture->messages.boxes.size(), 1);
            QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Saving Error"));
            const QStringList lines = m_fixture->messages.lastText().split(u'\n');
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[0], QStringLiteral(" Bad Filename. Must be in the form MYFILE.CSV"));
            QVERIFY(!lines[1].isEmpty());
            return;
        }
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        const int lastDraws = DrawStatistics::WindowSizes[std::size_t(sizeChoice)];
        QCOMPARE(fileBytes(m_fixture->programPath(written)),
                 NumberStatsCsv(ComputeDrawStatistics(m_fixture->state.Store, lastDraws),
                                m_fixture->state.Store.Title()));
    }

    // The extra numbers are a view of their own, without pairs, and what is saved is the view
    // shown; a shape without extra numbers has no such choice.
    void extraNumbersAreAViewOfTheirOwn()
    {
        DrawStore& store = m_fixture->state.Store;
        store.setShape({2, 6, 1, LotteryShape::ExtraPool::Own, 1, 4});
        for (const int extra : {4, 4, 1})
            store.AppendRecord(QDate(2024, 6, 1), std::array {1, 2, extra});
        open();
        auto* pools = control<QTabBar>(m_window.get(), "PoolTabs");
        auto* tabs = control<QTabWidget>(m_window.get(), "StatsTabs");
        auto* grid = control<QTableView>(m_window.get(), "NumberGrid");
        QVERIFY(pools->isVisible());
        QCOMPARE(grid->model()->rowCount(), 6);

        QTest::keyClick(m_window.get(), Qt::Key_E, Qt::AltModifier);
        const DrawStatistics extra = ComputeDrawStatistics(store, 0, Pool::Extra);
        QCOMPARE(grid->model()->rowCount(), 4);
        QCOMPARE(grid->model()->index(3, int(NumberColumn::Drawn)).data().toString(),
                 QStringLiteral("2"));
        QVERIFY(!tabs->isTabEnabled(1));
        QCOMPARE(control<QLabel>(m_window.get(), "Fairness")->text(),
                 FairnessSentence(extra.fairness));
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("extra.csv"))};
        click("SaveCsv");
        const QByteArray csv = fileBytes(m_fixture->programPath(QStringLiteral("extra.csv")));
        QCOMPARE(csv, NumberStatsCsv(extra, store.Title()));
        QVERIFY(!csv.contains("First,Second"));

        store.setShape({2, 6});
        QVERIFY(!pools->isVisible());
        QVERIFY(tabs->isTabEnabled(1));
        QCOMPARE(grid->model()->rowCount(), 6);
    }

    void printsAfterTheQuestion()
    {
        open();
        m_fixture->printer.lineHeight = 720; // 20 lines a page
        m_fixture->messages.answerNext(false);
        click("PrintStats");
        QCOMPARE(m_fixture->messages.lastText(), QStringLiteral("Continue with Printout."));
        QVERIFY(m_fixture->printer.printed.isEmpty());

        m_fixture->messages.answerNext(true);
        click("PrintStats");
        QCOMPARE(m_fixture->printer.printed.size(), 1);
        const Printout expected = NumberStatsPrintout(ComputeDrawStatistics(m_fixture->state.Store),
                                                      QStringLiteral("Test Six"), 20);
        QVERIFY(expected.pages.size() > 1);
        QCOMPARE(m_fixture->printer.printed.first().pages, expected.pages);
    }

    void leavesBackToTheGraphs_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("exit button") << "button";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("window frame") << "frame";
    }
    void leavesBackToTheGraphs()
    {
        QFETCH(QString, way);
        LGraph graphs(m_fixture->state, m_fixture->services);
        graphs.show();
        QVERIFY(QTest::qWaitForWindowActive(&graphs));
        QTest::mouseClick(control<QPushButton>(&graphs, "NumTable"), Qt::LeftButton);
        QPointer<NumberStats> table = topLevel<NumberStats>("NumberStats");
        QVERIFY(table);
        QVERIFY(!graphs.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(table));

        if (way == "button")
            QTest::mouseClick(control<QPushButton>(table, "ExitStats"), Qt::LeftButton);
        else if (way == "Escape")
            QTest::keyClick(table->focusWidget(), Qt::Key_Escape);
        else
            table->close();
        QVERIFY(graphs.isVisible());
        QTRY_VERIFY(!table);
    }

private:
    void open()
    {
        m_window = std::make_unique<NumberStats>(m_fixture->state, m_fixture->services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void click(const char* name)
    {
        QTest::mouseClick(control<QPushButton>(m_window.get(), name), Qt::LeftButton);
    }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<NumberStats> m_window;
};

QTEST_MAIN(TestNumberStats)
#include "tst_numberstats.moc"
