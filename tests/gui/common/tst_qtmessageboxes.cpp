// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
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
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("expected");
        QTest::newRow("question, Escape") << "ask"
                                          << "escape" << false;
        QTest::newRow("question, frame") << "ask"
                                         << "frame" << false;
        QTest::newRow("question, Enter") << "ask"
                                         << "enter" << true;
        QTest::newRow("erase, Enter") << "erase"
                                      << "enter" << false;
        QTest::newRow("erase, Yes") << "erase"
                                    << "yes" << true;
        QTest::newRow("go back to unsaved work, Escape") << "goBack"
                                                         << "escape" << true;
        QTest::newRow("go back to unsaved work, frame") << "goBack"
                                                        << "frame" << true;
        QTest::newRow("go back to unsaved work, No") << "goBack"
                                                     << "no" << false;
        QTest::newRow("message, Escape") << "inform"
                                         << "escape" << false;
    }

    // Every box also shows a text that looks like markup as it stands: it names files and
    // titles, which a user may have written so.
    void dismissedQuestion()
    {
        QFETCH(QString, kind);
        QFETCH(QString, gesture);
        QFETCH(bool, expected);
        const QString text = QStringLiteral(" <b>Weekly</b> will be erased.");
        QString shown;
        QTimer::singleShot(0, this, [gesture, &shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (box->textFormat() == Qt::PlainText)
                shown = box->text();
            if (gesture == QLatin1String("escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else if (gesture == QLatin1String("enter"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (gesture == QLatin1String("no"))
                box->button(QMessageBox::No)->click();
            else if (gesture == QLatin1String("yes"))
                box->button(QMessageBox::Yes)->click();
            else
                box->close();
        });
        QtMessageBoxes boxes;
        const QString title = QStringLiteral("Changed File in Memory");
        bool yes = false;
        if (kind == QLatin1String("inform"))
            boxes.inform(title, text);
        else if (kind == QLatin1String("erase"))
            yes = boxes.askBeforeErasing(title, text);
        else
            yes = kind == QLatin1String("goBack") ? boxes.askToGoBack(title, text)
                                                  : boxes.ask(title, text);
        QCOMPARE(yes, expected);
        QCOMPARE(shown, text);
    }
};

QTEST_MAIN(TestQtMessageBoxes)
#include "tst_qtmessageboxes.moc"
