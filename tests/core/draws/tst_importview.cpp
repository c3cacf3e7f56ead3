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
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("records");
        const QStringList imported {"1982-06-12 3 4", "1982-06-19 9 5", "1982-06-26 7 8"};

        QTest::newRow("replace takes the history's draws alone")
            << Mode::Replace << 9 << History << false << imported;
        QTest::newRow("replace takes another shape")
            << Mode::Replace << 10 << History << false << imported;
        QTest::newRow("add merges by date and drops the duplicate")
            << Mode::Add << 9 << History << false
            << QStringList {"1982-06-05 1 2", "1982-06-12 3 4", "1982-06-19 5 9", "1982-06-26 7 8"};
        QTest::newRow("add refuses another shape")
            << Mode::Add << 10 << History << true << QStringList {};
        QTest::newRow("nothing to import")
            << Mode::Replace << 9 << QByteArray("Date,N1,N2\n") << true << QStringList {};
    }
    void plansTheImport()
    {
        QFETCH(Mode, mode);
        QFETCH(int, storedHighest);
        QFETCH(QByteArray, history);
        QFETCH(bool, refused);
        QFETCH(QStringList, records);

        DrawStore store;
        loadTwoDraws(store, storedHighest);
        const Import import(history, {2, 9}, TestToday);
        const ImportView::Plan plan = ImportView::PlanImport(store, import, mode);
        QCOMPARE(!plan.refusal.isEmpty(), refused);
        QCOMPARE(recordsOf(plan.records, 2), records);
        QVERIFY(!plan.dropsDrawsInMemory);

        if (refused)
            return;
        // Applied, the plan is what the store holds, with the import's shape, unsaved.
        ImportView::Apply(store, plan, import.shape(), QStringLiteral("Imported"));
        QCOMPARE(recordsOf(store.records(), 2), records);
        QCOMPARE(store.shape(), import.shape());
        QCOMPARE(store.Title(), QStringLiteral("Imported"));
        QVERIFY(store.ChangedFlag());
    }

    void addingToAFullStoreSaysDrawsInMemoryGo()
    {
        DrawRecords full;
        for (int i = 0; i < DrawStore::MaxRecords; ++i)
            full.append(QDate(1900, 1, 1).addDays(i), QList<int> {1, 2});
        DrawStore store;
        store.Load({2, 9}, {}, full);
        const Import import(History, {2, 9}, TestToday);
        const ImportView::Plan plan = ImportView::PlanImport(store, import, Mode::Add);
        QCOMPARE(plan.refusal, QString());
        QVERIFY(plan.dropsDrawsInMemory);
        QCOMPARE(plan.records.size(), DrawStore::MaxRecords);
    }

    void summarisesTheImport_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<int>("numbersPerDraw");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one of each, no duplicates")
            << QByteArray("12/6/1982,3,4\n19/6/1982,5\n") << 2
            << QStringList {"1 draw found", "1 line skipped", "0 draws left out"};
        QTest::newRow("duplicates are told when there are any")
            << QByteArray("12/6/1982,3,4\n12/6/1982,4,3\n19/6/1982,1,2\n") << 2
            << QStringList {"2 draws found", "0 lines skipped", "0 draws left out",
                            "1 duplicate dropped"};
    }
    void summarisesTheImport()
    {
        QFETCH(QByteArray, history);
        QFETCH(int, numbersPerDraw);
        QFETCH(QStringList, lines);
        QCOMPARE(ImportView::SummaryLines(Import(history, {numbersPerDraw, 9}, TestToday)), lines);
    }

    void aRefusedShapeSummarisesAsTheReason()
    {
        const Import import(History, {11, 60}, TestToday);
        QVERIFY(!import.refusal().isEmpty());
        QCOMPARE(ImportView::SummaryLines(import), QStringList {import.refusal()});
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
