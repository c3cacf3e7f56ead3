// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "gui/common/EntryBoxStyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

// A box drawn with its frame copied looks as one the application's style draws: in every state,
// and the same again once the frame comes from the copy.
class TestEntryBoxStyle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void looksAsTheStyleDraws_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("width");
        QTest::newRow("empty") << QString() << false << true << 39;
        QTest::newRow("a date") << "12/31/2026" << false << true << 90;
        QTest::newRow("focused") << "49" << true << true << 39;
        QTest::newRow("disabled") << "7" << false << false << 39;
    }
    void looksAsTheStyleDraws()
    {
        QFETCH(QString, text);
        QFETCH(bool, focused);
        QFETCH(bool, enabled);
        QFETCH(int, width);
        if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive))
            QSKIP("the frames are copied under Fusion only");
        QApplication::setCursorFlashTime(0); // a cursor that does not blink between the pictures
        QWidget window;
        window.resize(300, 100);
        QLineEdit styled(text, &window);
        QLineEdit copied(text, &window);
        copied.setStyle(EntryBoxStyle::shared());
        styled.setGeometry(10, 10, width, 24);
        copied.setGeometry(10, 50, width, 24);
        styled.setEnabled(enabled);
        copied.setEnabled(enabled);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto picture = [](QLineEdit& box) {
            return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        // The window gives the first box the focus when it opens.
        styled.clearFocus();
        if (focused) {
            styled.setFocus();
            QTRY_VERIFY(styled.hasFocus());
        }
        const QImage expected = picture(styled);
        if (focused) {
            copied.setFocus();
            QTRY_VERIFY(copied.hasFocus());
        }
        for (int time = 0; time < 2; ++time) {
            const QImage seen = picture(copied);
            QCOMPARE(seen.size(), expected.size());
            // Blending a copied frame rounds an edge pixel now and then by a level.
            int worst = 0;
            for (int y = 0; y < seen.height(); ++y)
                for (int x = 0; x < seen.width(); ++x) {
                    const QRgb a = seen.pixel(x, y);
                    const QRgb b = expected.pixel(x, y);
                    worst = std::max({worst, std::abs(qRed(a) - qRed(b)),
                                      std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b))});
                }
            QVERIFY2(worst <= 2, qPrintable(QStringLiteral("off by %1").arg(worst)));
        }
    }
};

QTEST_MAIN(TestEntryBoxStyle)
#include "tst_entryboxstyle.moc"
