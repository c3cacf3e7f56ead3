// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestToday.h"

#include "core/draws/DrawFile.h"
#include "core/draws/ImportView.h"

#include <QtTest>

using Import = DrawHistoryImport;
using ImportView::Mode;

namespace {

// "1982-06-12 3 4" per record.
QStringList recordsOf(const DrawRecords& records, int numbersPerDraw)
{
    QStringList texts;
    for (int record = 1; record <= records.size(); ++record) {
        QString text = records.date(record).toString(Qt::ISODate);
        for (int field = 0; field < numbersPerDraw; ++field)
            text += u' ' + QString::number(records.number(record, field));
        texts.append(text);
    }
    return texts;
}

// Draws of 2 numbers from 1 to `highestNumber`: those of 5 and 19 June 1982.
void loadTwoDraws(DrawStore& store, int highestNumber)
{
    DrawRecords stored;
    stored.append(QDate(1982, 6, 19), QList<int> {5, 9});
    stored.append(QDate(1982, 6, 5), QList<int> {1, 2});
    store.Load({2, highestNumber}, {}, stored);
}

const QByteArray History = "12/6/1982,3,4\n19/6/1982,9,5\n26/6/1982,7,8\n";

} // namespace

class TestImportView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void plansTheImport_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("storedHighest");
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<int>("newest");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QList<int>>("counts"); // added, duplicates, conflicts, left out
        const QStringList imported {"1982-06-12 3 4", "1982-06-19 9 5", "1982-06-26 7 8"};
        // One draw stored already, one on a stored date with other numbers, one twice.
        const QByteArray merging = History + "5/6/1982,8,9\n26/6/1982,8,7\n";

        QTest::newRow("replace takes the history's draws alone")
            << Mode::Replace << 9 << History << 0 << false << imported << QList<int> {3, 0, 0, 0};
        QTest::newRow("replace takes another shape")
            << Mode::Replace << 10 << History << 0 << false << imported << QList<int> {3, 0, 0, 0};
        QTest::newRow("replace takes the newest draws asked for")
            << Mode::Replace << 9 << History << 2 << false << imported.mid(1)
            << QList<int> {2, 0, 0, 1};
        QTest::newRow("two draws of one date are both taken")
            << Mode::Replace << 9 << QByteArray("12/6/1982,3,4\n12/6/1982,5,6\n") << 0 << false
            << QStringList {"1982-06-12 3 4", "1982-06-12 5 6"} << QList<int> {2, 0, 0, 0};
        QTest::newRow("add merges by date and drops the duplicate")
            << Mode::Add << 9 << History << 0 << false
            << QStringList {"1982-06-05 1 2", "1982-06-12 3 4", "1982-06-19 5 9", "1982-06-26 7 8"}
            << QList<int> {2, 1, 0, 0};
        QTest::newRow("add keeps the stored draw of a conflicting date")
            << Mode::Add << 9 << merging << 0 << false
            << QStringList {"1982-06-05 1 2", "1982-06-12 3 4", "1982-06-19 5 9", "1982-06-26 7 8"}
            << QList<int> {2, 2, 1, 0};
        QTest::newRow("add refuses another shape")
            << Mode::Add << 10 << History << 0 << true << QStringList {} << QList<int> {0, 0, 0, 0};
        QTest::newRow("nothing to import") << Mode::Replace << 9 << QByteArray("Date,N1,N2\n") << 0
                                           << true << QStringList {} << QList<int> {0, 0, 0, 0};
    }
    void plansTheImport()
    {
        QFETCH(Mode, mode);
        QFETCH(int, storedHighest);
        QFETCH(QByteArray, history);
        QFETCH(int, newest);
        QFETCH(bool, refused);
        QFETCH(QStringList, records);
        QFETCH(QList<int>, counts);

        DrawStore store;
        loadTwoDraws(store, storedHighest);
        const Import import(history, {2, 9}, TestToday);
        const ImportView::Plan plan = ImportView::PlanImport(store, import, mode, newest);
        QCOMPARE(!plan.refusal.isEmpty(), refused);
        QCOMPARE(recordsOf(plan.records, 2), records);
        QCOMPARE(
            (QList<int> {plan.added, plan.duplicates, int(plan.conflicts.size()), plan.leftOut}),
            counts);
        QCOMPARE(plan.excess, 0);

        if (refused)
            return;
        // Applied, the plan is what the store holds, with the import's shape, unsaved.
        ImportView::Apply(store, plan, import.shape(), QStringLiteral("Imported"));
        QCOMPARE(recordsOf(store.records(), 2), records);
        QCOMPARE(store.shape(), import.shape());
        QCOMPARE(store.Title(), QStringLiteral("Imported"));
        QVERIFY(store.ChangedFlag());
    }

    // Adding never drops a stored draw by itself: the plan says it does not fit, and the user
    // may keep the newest.
    void addingToAFullStoreSaysSo()
    {
        // Four draws a day, all older than the history.
        DrawRecords full;
        for (int i = 0; i < DrawStore::MaxRecords; ++i)
            full.append(QDate(1000, 1, 1).addDays(i / 4), QList<int> {1, 2});
        DrawStore store;
        store.Load({2, 9}, {}, full);
        const Import import(History, {2, 9}, TestToday);
        ImportView::Plan plan = ImportView::PlanImport(store, import, Mode::Add);
        QCOMPARE(plan.refusal, QString());
        QCOMPARE(plan.excess, 3);
        QCOMPARE(plan.records.size(), DrawStore::MaxRecords + 3);
        QVERIFY(ImportView::SummaryLines(import, plan)
                    .contains(QStringLiteral("%1 draws in all: more than the %2 that fit")
                                  .arg(DrawStore::MaxRecords + 3)
                                  .arg(DrawStore::MaxRecords)));
        QVERIFY(!plan.dropsDrawsInMemory);

        ImportView::KeepNewestThatFit(plan, store.records());
        QVERIFY(plan.dropsDrawsInMemory);
        QCOMPARE(plan.records.size(), DrawStore::MaxRecords);
        QCOMPARE(plan.records.date(1), QDate(1000, 1, 1));
        QCOMPARE(plan.records.date(plan.records.size()), QDate(1982, 6, 26));
    }

    void summarisesTheImport_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<int>("numbersPerDraw");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one of each")
            << QByteArray("12/6/1982,3,4\n19/6/1982,5\n") << 2
            << QStringList {"1 draw found, 1 line skipped", "1 to add, 0 duplicates, 0 conflicts"};
        QTest::newRow("duplicates")
            << QByteArray("12/6/1982,3,4\n12/6/1982,4,3\n19/6/1982,1,2\n") << 2
            << QStringList {"2 draws found, 0 lines skipped", "2 to add, 1 duplicate, 0 conflicts"};
    }
    void summarisesTheImport()
    {
        QFETCH(QByteArray, history);
        QFETCH(int, numbersPerDraw);
        QFETCH(QStringList, lines);
        const Import import(history, {numbersPerDraw, 9}, TestToday);
        const DrawStore empty;
        QCOMPARE(
            ImportView::SummaryLines(import, ImportView::PlanImport(empty, import, Mode::Replace)),
            lines);
    }

    void aRefusedShapeSummarisesAsTheReason()
    {
        const Import import(History, {21, 60}, TestToday);
        QVERIFY(!import.refusal().isEmpty());
        const DrawStore empty;
        QCOMPARE(
            ImportView::SummaryLines(import, ImportView::PlanImport(empty, import, Mode::Replace)),
            QStringList {import.refusal()});
    }

    void namesFromTheHistoryFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("drawFile");
        QTest::newRow("plain") << "/home/u/Lotto 6 aus 49.csv"
                               << "Lotto 6 aus 49"
                               << "Lotto 6 aus 49.lto";
        QTest::newRow("only the last extension goes") << "draws.2020.txt"
                                                      << "draws.2020"
                                                      << "draws.2020.lto";
        QTest::newRow("quotes cannot stand in a title") << "/tmp/\"best\" draws.csv"
                                                        << "best draws"
                                                        << "\"best\" draws.lto";
        QTest::newRow("no extension") << "/tmp/history"
                                      << "history"
                                      << "history.lto";
    }
    void namesFromTheHistoryFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QFETCH(QString, drawFile);
        QCOMPARE(ImportView::DefaultTitle(path), title);
        QCOMPARE(ImportView::DrawFileName(path), drawFile);
    }

    void cutsATitleLongerThanADrawFileHolds()
    {
        const QString name(DrawFile::MaxTitleLength + 5, u'x');
        QCOMPARE(ImportView::DefaultTitle(QStringLiteral("/tmp/") + name + QStringLiteral(".csv")),
                 name.left(DrawFile::MaxTitleLength));
    }
};

QTEST_GUILESS_MAIN(TestImportView)
#include "tst_importview.moc"
