// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "gui/common/Controls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>

using Controls::Cell;

// The tables of windows laid out by layouts: what a form makes, where, and what leads where.
class TestControls : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formLaysOutItsLines()
    {
        static constexpr Cell cells[] = {
            Cell::line("&First:"),
            Cell::box("Digits", 5, 5),
            Cell::label("", "and &then"),
            Cell::widget("Made"),
            Cell::line(""),
            Cell::label("Note", "a line of its own"),
            Cell::line("Se&cond:"),
            Cell::button("Press", "&Press"),
        };
        QWidget window;
        auto* made = new QProgressBar(&window);
        made->setObjectName(QStringLiteral("Made"));
        auto* layout = new QVBoxLayout(&window);
        QGroupBox* frame = Controls::form(&window, "Frame", QStringLiteral("Caption"), cells);
        layout->addWidget(frame);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* grid = qobject_cast<QGridLayout*>(frame->layout());
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 3);
        const auto captionOf = [grid](int row) {
            QLayoutItem* item = grid->itemAtPosition(row, 0);
            return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        };
        QCOMPARE(captionOf(0)->text(), QStringLiteral("&First:"));
        QVERIFY(!captionOf(1)); // a line that goes on from the one above
        QCOMPARE(captionOf(2)->text(), QStringLiteral("Se&cond:"));

        auto* digits = Controls::find<QLineEdit>(&window, "Digits");
        auto* press = Controls::find<QPushButton>(&window, "Press");
        QCOMPARE(captionOf(0)->buddy(), digits);
        QCOMPARE(captionOf(2)->buddy(), press);
        const QList<QLabel*> labels = frame->findChildren<QLabel*>();
        const auto then = std::find_if(labels.begin(), labels.end(), [](QLabel* label) {
            return label->text() == QStringLiteral("and &then");
        });
        QVERIFY(then != labels.end());
        QCOMPARE((*then)->buddy(), made);
        QVERIFY(!Controls::find<QLabel>(&window, "Note")->buddy());
        QVERIFY(made->isVisible() && frame->isAncestorOf(made));

        // The box shows its five digits whole.
        QCOMPARE(digits->maxLength(), 5);
        digits->setText(QStringLiteral("60000"));
        digits->setCursorPosition(0);
        QCOMPARE(digits->cursorPositionAt(QPoint(digits->width() - 2, digits->height() / 2)), 5);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
