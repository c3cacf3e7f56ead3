// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "gui/analysis/LGraph.h"
#include "gui/analysis/Lottery.h"
#include "gui/analysis/NumberStats.h"
#include "gui/app/ChangeFnt.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/common/Colours.h"
#include "gui/draws/LDbase.h"
#include "gui/draws/LImport.h"
#include "gui/tickets/LTickets.h"
#include "gui/tracker/LInvTrack.h"
#include "gui/wheels/LWheels.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

Q_DECLARE_METATYPE(Colours::Pair)

namespace {

constexpr double LeastContrast = 4.5;

// The colours a dark desktop theme hands the program: light text on dark grounds.
QPalette darkDesktop()
{
    const QColor text(238, 238, 236);
    QPalette dark(text, QColor(53, 53, 53), QColor(80, 80, 80), QColor(30, 30, 30),
                  QColor(60, 60, 60), text, Qt::white, QColor(45, 45, 45), QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    return dark;
}

// The ground a widget's own text stands on: its own when it fills it, else what shows through.
QColor groundOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    return {};
}

// The text colour a control draws its text in and the ground it draws it on; none for a control
// without text of its own, disabled or hidden.
std::optional<std::pair<QColor, QColor>> textOn(const QWidget* w)
{
    if (!w->isVisible() || !w->isEnabled())
        return {};
    const QPalette& palette = w->palette();
    const auto caption
        = [&] { return std::make_pair(palette.color(QPalette::WindowText), groundOf(w)); };
    if (auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty())
        return caption();
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        return caption();
    if (auto* frame = qobject_cast<const QGroupBox*>(w); frame && !frame->title().isEmpty())
        return caption();
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w))
        return std::make_pair(palette.color(QPalette::Text), palette.color(QPalette::Base));
    if (qobject_cast<const QHeaderView*>(w) || qobject_cast<const QPushButton*>(w))
        return std::make_pair(palette.color(QPalette::ButtonText), palette.color(QPalette::Button));
    return {};
}

} // namespace

// Every text on the program's own colours stays readable, whatever colours the desktop gives.
class TestColours : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contrastIsMeasuredAsWcagDoes_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("equal") << QColor(Qt::yellow) << QColor(Qt::yellow) << 1.0;
        QTest::newRow("either order") << QColor(Qt::white) << QColor(0, 0, 255) << 8.59;
        QTest::newRow("mid grey on white") << QColor(118, 118, 118) << QColor(Qt::white) << 4.54;
    }
    void contrastIsMeasuredAsWcagDoes()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(double, ratio);
        QCOMPARE(qRound(Colours::contrast(first, second) * 100), qRound(ratio * 100));
    }

    void everyPairIsReadable_data()
    {
        QTest::addColumn<Colours::Pair>("pair");
        QTest::newRow("EntryBox") << Colours::EntryBox;
        QTest::newRow("ExtraEntryBox") << Colours::ExtraEntryBox;
        QTest::newRow("MatchedNumber") << Colours::MatchedNumber;
        QTest::newRow("GridCell") << Colours::GridCell;
        QTest::newRow("GridHeader") << Colours::GridHeader;
        QTest::newRow("ExtraCountCell") << Colours::ExtraCountCell;
        QTest::newRow("ExtraSetCell") << Colours::ExtraSetCell;
        QTest::newRow("Paper") << Colours::Paper;
        QTest::newRow("Panel") << Colours::Panel;
        QTest::newRow("Note") << Colours::Note;
        QTest::newRow("BlueWindow") << Colours::BlueWindow;
        QTest::newRow("MessageStrip") << Colours::MessageStrip;
        QTest::newRow("ExtraMatchedNumber") << Colours::ExtraMatchedNumber;
        for (const QColor& ball : {Colours::DarkGrey, Colours::Green, Colours::Cyan, Colours::Red,
                                   Colours::Magenta, Colours::Yellow})
            QTest::addRow("Ball %s", qPrintable(ball.name())) << Colours::Ball(ball);
    }
    void everyPairIsReadable()
    {
        QFETCH(Colours::Pair, pair);
        QVERIFY2(Colours::contrast(pair.text, pair.background) >= LeastContrast,
                 qPrintable(QString::number(Colours::contrast(pair.text, pair.background))));
    }

    void windowsAreReadableOnEveryDesktop_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        for (const char* name : {"ZudeMenu", "LDbase", "Lottery", "LGraph", "NumberStats",
                                 "LInvTrack", "LImport", "ChangeFnt", "LTickets", "LWheels"})
            for (const bool dark : {true, false})
                QTest::addRow("%s, %s", name, dark ? "dark" : "light")
                    << QString::fromLatin1(name) << dark;
    }
    void windowsAreReadableOnEveryDesktop()
    {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(dark ? darkDesktop() : QApplication::style()->standardPalette());
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        GuiTestFixture fixture;
        LotteryShape shape {5, 50, 2, LotteryShape::ExtraPool::Own, 1, 12};
        fixture.state.Store.Load(
            shape, QStringLiteral("Euro Five"),
            WeeklyRecords({{1, 2, 3, 4, 5, 1, 2}, {10, 20, 30, 40, 50, 11, 12}}));
        fixture.state.Store.SetTitle(QStringLiteral("Euro Five"));

        using Make = std::function<QWidget*(SharedState&, Services&)>;
        const QHash<QString, Make> windows {
            {QStringLiteral("LDbase"), [](auto& s, auto& v) { return new LDbase(s, v); }},
            {QStringLiteral("Lottery"), [](auto& s, auto& v) { return new Lottery(s, v); }},
            {QStringLiteral("LGraph"), [](auto& s, auto& v) { return new LGraph(s, v); }},
            {QStringLiteral("NumberStats"), [](auto& s, auto& v) { return new NumberStats(s, v); }},
            {QStringLiteral("LInvTrack"), [](auto& s, auto& v) { return new LInvTrack(s, v); }},
            {QStringLiteral("LImport"), [](auto& s, auto& v) { return new LImport(s, v); }},
            {QStringLiteral("ChangeFnt"), [](auto& s, auto& v) { return new ChangeFnt(s, v); }},
            {QStringLiteral("LTickets"), [](auto& s, auto& v) { return new LTickets(s, v); }},
            {QStringLiteral("LWheels"), [](auto& s, auto& v) { return new LWheels(s, v); }},
        };
        Program program(fixture.state, fixture.services);
        std::unique_ptr<QWidget> shown;
        if (windows.contains(window))
            shown.reset(windows[window](fixture.state, fixture.services));
        else
            program.start();
        QWidget* root = shown ? shown.get() : program.mainMenu();
        root->show();
        QVERIFY(QTest::qWaitForWindowExposed(root));

        QStringList unreadable;
        int texts = 0;
        const auto check = [&](const QString& what, const QColor& text, const QColor& ground) {
            ++texts;
            const double ratio = Colours::contrast(text, ground);
            if (ratio < LeastContrast)
                unreadable << QStringLiteral("%1: %2 on %3 (%4:1)")
                                  .arg(what, text.name(), ground.name())
                                  .arg(ratio, 0, 'f', 2);
        };
        for (const QWidget* control : root->findChildren<QWidget*>())
            if (const auto colours = textOn(control))
                check(control->parent()->objectName() + u'/'
                          + QLatin1StringView(control->metaObject()->className()) + u' '
                          + control->objectName(),
                      colours->first, colours->second);
        for (QTableView* grid : root->findChildren<QTableView*>()) {
            if (!grid->isVisible())
                continue;
            const QAbstractItemModel* model = grid->model();
            const QPalette palette = grid->palette();
            for (int row = 0; row < model->rowCount(); ++row) {
                if (grid->isRowHidden(row) || grid->rowViewportPosition(row) > grid->height())
                    continue;
                for (int column = 0; column < model->columnCount(); ++column) {
                    if (grid->isColumnHidden(column))
                        continue;
                    const QModelIndex cell = model->index(row, column);
                    const QVariant background = cell.data(Qt::BackgroundRole);
                    const QVariant foreground = cell.data(Qt::ForegroundRole);
                    const QString where = QStringLiteral("%1 (%2, %3)")
                                              .arg(grid->objectName())
                                              .arg(row)
                                              .arg(column);
                    if (background.isValid() && !foreground.isValid())
                        unreadable << where + QStringLiteral(": a background without a text");
                    if (cell.data().toString().trimmed().isEmpty())
                        continue;
                    // A selected cell shows the desktop's own highlight pair, not ours.
                    if (grid->selectionModel()->isSelected(cell))
                        continue;
                    const QColor ground = background.isValid() ? background.value<QBrush>().color()
                                                               : palette.color(QPalette::Base);
                    const QColor text = foreground.isValid() ? foreground.value<QBrush>().color()
                                                             : palette.color(QPalette::Text);
                    check(where, text, ground);
                }
            }
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(u'\n')));
        // The window showed texts to measure; a check that found none would prove nothing.
        QVERIFY(texts > 0);
        fixture.verifyNothingUnexpected();
    }
};

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
