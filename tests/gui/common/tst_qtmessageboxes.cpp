#include "gui/common/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// The real boxes: how a question brushed away with Escape or the window frame is answered.
class TestQtMessageBoxes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dismissedQuestion_data()
    {
        QTest::addColumn<bool>("goBack");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("expected");
        QTest::newRow("question, Escape") << false << "escape" << false;
        QTest::newRow("question, frame") << false << "frame" << false;
        QTest::newRow("question, Enter") << false << "enter" << true;
        QTest::newRow("go back to unsaved work, Escape") << true << "escape" << true;
        QTest::newRow("go back to unsaved work, frame") << true << "frame" << true;
        QTest::newRow("go back to unsaved work, No") << true << "no" << false;
    }

    void dismissedQuestion()
    {
        QFETCH(bool, goBack);
        QFETCH(QString, gesture);
        QFETCH(bool, expected);
        QTimer::singleShot(0, this, [gesture] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (gesture == QLatin1String("escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else if (gesture == QLatin1String("enter"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (gesture == QLatin1String("no"))
                box->button(QMessageBox::No)->click();
            else
                box->close();
        });
        QtMessageBoxes boxes;
        const QString title = QStringLiteral("Changed File in Memory");
        const QString text = QStringLiteral(" file in memory will be erased.");
        const bool yes = goBack ? boxes.askToGoBack(title, text) : boxes.ask(title, text);
        QCOMPARE(yes, expected);
    }
};

QTEST_MAIN(TestQtMessageBoxes)
#include "tst_qtmessageboxes.moc"
