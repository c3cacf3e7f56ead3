// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "gui/analysis/BarChart.h"
#include "gui/analysis/LGraph.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/common/QtPrinterPort.h"
#include "gui/common/Twips.h"
#include "gui/draws/LDbase.h"

#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <numeric>

Q_DECLARE_METATYPE(LotteryShape)

namespace {

// Records of one number each, so that number n is drawn counts[n - 1] times.
void fillStore(DrawStore& store, int highNum, const QList<int>& counts)
{
    store.setShape({1, highNum});
    for (qsizetype n = 0; n < counts.size(); ++n)
        for (int c = 0; c < counts[n]; ++c)
            AppendTyped(store, QStringLiteral("9/7/1996"), {QString::number(n + 1)});
}

QStringList labels(const GraphData& data)
{
    QStringList result;
    for (const GraphPoint& point : data.points)
        result.append(point.label);
    return result;
}

QList<int> values(const GraphData& data)
{
    QList<int> result;
    for (const GraphPoint& point : data.points)
        result.append(point.value);
    return result;
}

} // namespace

class TestLGraph : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { m_fixture = std::make_unique<GuiTestFixture>(); }
    void cleanup()
    {
        m_window.reset();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void opensInNaturalOrderAndFlat()
    {
        fillStore(store(), 4, {2, 5, 2, 5});
        open();
        QCOMPARE(chart()->data().title,
                 QStringLiteral("Normal distribution of numbers in 14 Draws"));
        QCOMPARE(labels(chart()->data()), (QStringList {"1", "2", "3", "4"}));
        QCOMPARE(values(chart()->data()), (QList<int> {2, 5, 2, 5}));
        QCOMPARE(chart()->data().style, BarStyle::Flat);
        QCOMPARE(button("ChngView")->text(), QStringLiteral("&Show Sorted"));
        QCOMPARE(button("TwoDBut")->text(), QStringLiteral("&ThreeD Graph"));
        QCOMPARE(QApplication::focusWidget(), button("Printer3"));
    }

    void orderAndStyleToggleIndependently()
    {
        fillStore(store(), 4, {2, 5, 2, 5});
        open();
        click("ChngView");
        QCOMPARE(labels(chart()->data()), (QStringList {"2", "4", "1", "3"}));
        QCOMPARE(values(chart()->data()), (QList<int> {5, 5, 2, 2}));
        QCOMPARE(chart()->data().title,
                 QStringLiteral("Sorted distribution of numbers in 14 Draws"));
        QCOMPARE(button("ChngView")->text(), QStringLiteral("&Show Normal"));

        click("TwoDBut");
        QCOMPARE(chart()->data().style, BarStyle::ThreeD);
        QCOMPARE(labels(chart()->data()), (QStringList {"2", "4", "1", "3"}));
        QCOMPARE(chart()->data().title,
                 QStringLiteral("Sorted distribution of numbers in  14 Draws"));
        QCOMPARE(button("TwoDBut")->text(), QStringLiteral("&TwoD Graph"));

        click("ChngView");
        QCOMPARE(chart()->data().style, BarStyle::ThreeD);
        QCOMPARE(labels(chart()->data()), (QStringList {"1", "2", "3", "4"}));
        QCOMPARE(button("ChngView")->text(), QStringLiteral("&Show Sorted"));

        click("TwoDBut");
        QCOMPARE(chart()->data().style, BarStyle::Flat);
        QCOMPARE(labels(chart()->data()), (QStringList {"1", "2", "3", "4"}));
        QCOMPARE(button("TwoDBut")->text(), QStringLiteral("&ThreeD Graph"));
    }

    void outForViewCountsTheDrawsSinceEachNumber()
    {
        // Number n is drawn counts[n - 1] times in a row, in number order: 4 is in the latest
        // draw and 5 was never drawn, so it has been out for the whole history.
        fillStore(store(), 5, {2, 5, 2, 5, 0});
        open();
        QTest::keyClick(m_window.get(), Qt::Key_O, Qt::AltModifier);
        QCOMPARE(chart()->data().title,
                 QStringLiteral("Normal out for (draws since last drawn) in 14 Draws"));
        QCOMPARE(labels(chart()->data()), (QStringList {"1", "2", "3", "4", "5"}));
        QCOMPARE(values(chart()->data()), (QList<int> {12, 7, 5, 0, 14}));
        QVERIFY(!chart()->data().line);

        click("ChngView");
        click("TwoDBut");
        QCOMPARE(labels(chart()->data()), (QStringList {"5", "1", "2", "3", "4"}));
        QCOMPARE(values(chart()->data()), (QList<int> {14, 12, 7, 5, 0}));
        QCOMPARE(chart()->data().style, BarStyle::ThreeD);

        // Back to the counts, in the order and style chosen, with the count of each by chance.
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(chart()->data().title,
                 QStringLiteral("Sorted distribution of numbers in  14 Draws"));
        QCOMPARE(labels(chart()->data()), (QStringList {"2", "4", "1", "3", "5"}));
        QCOMPARE(chart()->data().line, (GraphLine {14.0 / 5, QStringLiteral("Expected 2.8")}));
    }

    // The extra numbers are a chart of their own, chosen by tabs that only a shape with extra
    // numbers shows; a pool larger than the classic 60 widens the window.
    void eachPoolHasItsChart_data()
    {
        QTest::addColumn<LotteryShape>("shape");
        QTest::addColumn<QList<int>>("draw"); // main numbers, then the extra ones
        QTest::addColumn<bool>("wider");
        QTest::addColumn<QStringList>("extraLabels"); // first and last; none without extras
        using Extra = LotteryShape::ExtraPool;
        QTest::newRow("6 of 49") << LotteryShape {6, 49} << QList<int> {1, 2, 3, 4, 5, 6} << false
                                 << QStringList {};
        QTest::newRow("6 of 90") << LotteryShape {6, 90} << QList<int> {85, 86, 87, 88, 89, 90}
                                 << true << QStringList {};
        QTest::newRow("5 of 69 + 1 of 26")
            << LotteryShape {5, 69, 1, Extra::Own, 1, 26} << QList<int> {1, 2, 3, 4, 69, 26}
            << false << QStringList {"1", "26"};
        QTest::newRow("6 of 49 + 1 of 0-9")
            << LotteryShape {6, 49, 1, Extra::Own, 0, 9} << QList<int> {1, 2, 3, 4, 5, 6, 0}
            << false << QStringList {"0", "9"};
        QTest::newRow("6 of 90 + bonus")
            << LotteryShape {6, 90, 1, Extra::Main, 1, 1} << QList<int> {1, 2, 3, 4, 5, 6, 77}
            << true << QStringList {"1", "90"};
    }
    void eachPoolHasItsChart()
    {
        QFETCH(LotteryShape, shape);
        QFETCH(QList<int>, draw);
        QFETCH(bool, wider);
        QFETCH(QStringList, extraLabels);
        store().setShape(shape);
        store().AppendRecord(QDate(2026, 1, 3), draw);
        open();
        QCOMPARE(m_window->width() > Px(9480), wider);
        auto* pools = control<QTabBar>(m_window.get(), "PoolTabs");
        QCOMPARE(pools->isVisible(), !extraLabels.isEmpty());
        // The main chart counts the main numbers only.
        const QList<int> main = values(chart()->data());
        QCOMPARE(main.size(), shape.highestNumber);
        QCOMPARE(std::accumulate(main.cbegin(), main.cend(), 0), shape.numbersPerDraw);
        if (extraLabels.isEmpty())
            return;

        QTest::keyClick(m_window.get(), Qt::Key_E, Qt::AltModifier);
        const GraphData extra = chart()->data();
        QCOMPARE(extra.title, QStringLiteral("Normal distribution of extra numbers in 1 Draws"));
        QCOMPARE(extra.points.size(), shape.extraMax() - shape.extraMin() + 1);
        QCOMPARE(extra.points.first().label, extraLabels.first());
        QCOMPARE(extra.points.last().label, extraLabels.last());
        QCOMPARE(extra.points[draw.last() - shape.extraMin()].value, 1);
        QCOMPARE(extra.line->value, 1.0 / double(extra.points.size()));
        QTest::keyClick(m_window.get(), Qt::Key_O, Qt::AltModifier);
        QCOMPARE(
            chart()->data().title,
            QStringLiteral("Normal extra numbers out for (draws since last drawn) in 1 Draws"));
        QCOMPARE(chart()->data().points.first().label, extraLabels.first());

        // A shape without extra numbers takes the tabs away, and the main numbers are charted.
        store().setShape({shape.numbersPerDraw, shape.highestNumber});
        QVERIFY(!pools->isVisible());
        QCOMPARE(chart()->data().points.size(), shape.highestNumber);
    }

    // Measured on the printed image: every bar and the line stand at their value on one scale,
    // and the line's label hides no bar, however close to the line the bars are.
    void printedChartDrawsBarsAndExpectedLineToScale_data()
    {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<double>("expected");
        QTest::newRow("spread") << QList<int> {1, 8, 4, 2} << 3.75;
        QTest::newRow("all near the line") << QList<int> {8, 4, 4, 4, 4, 4, 4} << 32.0 / 7;
    }
    void printedChartDrawsBarsAndExpectedLineToScale()
    {
        QFETCH(QList<int>, counts);
        QFETCH(double, expected);
        fillStore(store(), int(counts.size()), counts);
        open();
        m_fixture->printer.lineHeight = 240;
        m_fixture->messages.answerNext(true);
        m_fixture->messages.answerNext(true);
        click("Printer3");
        QCOMPARE(m_fixture->printer.images.size(), 1);
        const QImage image = m_fixture->printer.images.last();
        const QColor front(30, 80, 190);
        const QColor line(200, 0, 0);

        // The lowest row of bar colour holds the feet of all bars, one run of pixels each.
        int feet = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == front)
                    feet = y;
        QList<int> heights;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, feet) != front)
                continue;
            int end = x;
            while (end + 1 < image.width() && image.pixelColor(end + 1, feet) == front)
                ++end;
            // The line crosses some bars: their top is the highest pixel of bar colour.
            int top = 0;
            while (image.pixelColor((x + end) / 2, top) != front)
                ++top;
            heights.append(feet - top + 1);
            x = end;
        }
        QCOMPARE(heights.size(), counts.size());

        // The line lies in the rows its dashes cover most.
        QList<int> cover(image.height(), 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == line)
                    ++cover[y];
        const int most = *std::max_element(cover.cbegin(), cover.cend());
        QVERIFY(most > image.width() / 4);
        double rows = 0;
        double rowSum = 0;
        for (int y = 0; y < image.height(); ++y)
            if (cover[y] > most / 2) {
                ++rows;
                rowSum += y;
            }

        const double perDraw = *std::max_element(heights.cbegin(), heights.cend()) / 8.0;
        QVERIFY(perDraw > 10);
        for (qsizetype i = 0; i < counts.size(); ++i)
            QVERIFY2(std::abs(heights[i] - counts[i] * perDraw) <= 2,
                     qPrintable(QStringLiteral("bar %1: %2 pixels").arg(i + 1).arg(heights[i])));
        QVERIFY2(std::abs(feet - rowSum / rows - expected * perDraw) <= 2,
                 qPrintable(QString::number(feet - rowSum / rows)));
    }

    void accessKeysAreDistinct_data()
    {
        QTest::addColumn<bool>("numberTable");
        QTest::newRow("graphs") << false;
        QTest::newRow("number table") << true;
    }
    void accessKeysAreDistinct()
    {
        QFETCH(bool, numberTable);
        fillStore(store(), 6, {1, 2, 3, 4, 5, 6});
        open();
        QWidget* window = m_window.get();
        if (numberTable) {
            // An access key presses its button as a click does, after a moment.
            QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
            QTRY_VERIFY((window = topLevel<QWidget>("NumberStats")));
        }
        QStringList captions;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            captions.append(button->text());
        for (const QLabel* label : window->findChildren<QLabel*>())
            captions.append(label->text());
        for (const QTabBar* tabs : window->findChildren<QTabBar*>())
            for (int i = 0; i < tabs->count(); ++i)
                captions.append(tabs->tabText(i));
        QString keys;
        for (const QString& caption : captions) {
            const qsizetype at = caption.indexOf(u'&');
            if (at < 0 || at + 1 >= caption.size())
                continue;
            const QChar key = caption.at(at + 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(caption));
            keys.append(key);
        }
        QVERIFY(keys.size() >= 6);
        if (numberTable)
            window->close();
    }

    void titlesCountTheDraws_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<QString>("flat");
        QTest::addColumn<QString>("threeD");
        QTest::newRow("57") << 57 << "Normal distribution of numbers in 57 Draws"
                            << "Normal distribution of numbers in  57 Draws";
        QTest::newRow("none") << 0 << "Normal distribution of numbers in 0 Draws"
                              << "Normal distribution of numbers in  0 Draws";
    }
    void titlesCountTheDraws()
    {
        QFETCH(int, draws);
        QFETCH(QString, flat);
        QFETCH(QString, threeD);
        fillStore(store(), 49, {draws});
        open();
        QCOMPARE(chart()->data().title, flat);
        QCOMPARE(chart()->data().points.size(), 49);
        QCOMPARE(chart()->data().points.last(), (GraphPoint {"49", 0}));
        if (draws == 0)
            QCOMPARE(values(chart()->data()), QList<int>(49, 0));
        click("TwoDBut");
        QCOMPARE(chart()->data().title, threeD);
    }

    void printsAfterTheQuestions()
    {
        fillStore(store(), 6, {1, 2, 3, 4, 5, 6});
        open();
        m_fixture->printer.lineHeight = 240;

        m_fixture->messages.answerNext(false);
        click("Printer3");
        QVERIFY(m_fixture->printer.images.isEmpty());

        const QSize shown = m_window->size();
        for (const bool colour : {true, false}) {
            m_fixture->messages.answerNext(true);
            m_fixture->messages.answerNext(colour);
            click("Printer3");
            QCOMPARE(m_fixture->messages.lastText(), QStringLiteral("Print in Color."));
            QCOMPARE(m_fixture->printer.imageColours.last(), colour);
            const QImage image = m_fixture->printer.images.last();
            // The chart alone, taller than shown.
            QVERIFY(image.height() > shown.height());
            QCOMPARE(image.width(), chart()->width());
            QCOMPARE(m_window->size(), shown);
            // The chart keeps the printed look until it is drawn again.
            QCOMPARE(chart()->data().colour, colour);
        }
        click("TwoDBut");
        QVERIFY(!chart()->data().colour);

        m_fixture->printer.failWith = QStringLiteral("Out of paper.");
        m_fixture->messages.answerNext(true);
        m_fixture->messages.answerNext(false);
        click("Printer3");
        QCOMPARE(m_fixture->messages.lastText(),
                 QStringLiteral("The printout could not be printed: Out of paper."));
        QVERIFY(m_window->isVisible());
    }

    // What a printer gets is the chart as shapes and text, no picture of pixels, and on paper
    // its ink keeps 10 mm from every edge.
    void printsTheChartAsVectorsWithinTheMargins()
    {
        fillStore(store(), 6, {1, 2, 3, 0, 5, 6});
        open();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.pdf"));
        QtPrinterPort port;
        QString error;
        const QPicture picture
            = BarChartPicture(chart()->data(), QSize(chart()->width(), 900), chart()->font());
        QCOMPARE(port.printPicture(picture, true, path, &error), PrintOutcome::Printed);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(!pdf.contains("/Subtype /Image"));
        QVERIFY(!pdf.contains("/Subtype/Image"));

        const QString rasteriser = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (rasteriser.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed to measure the margins");
        constexpr int dpi = 100;
        const QString stem = dir.filePath(QStringLiteral("page"));
        QCOMPARE(QProcess::execute(
                     rasteriser, {"-r", QString::number(dpi), "-gray", "-singlefile", path, stem}),
                 0);
        const QImage page(stem + QStringLiteral(".pgm"));
        QVERIFY(!page.isNull());
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 250)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(!ink.isEmpty());
        const auto mm = [](int pixels) { return pixels * 25.4 / dpi; };
        for (const double margin :
             {mm(ink.left()), mm(ink.top()), mm(page.width() - 1 - ink.right()),
              mm(page.height() - 1 - ink.bottom())})
            QVERIFY2(margin >= 10, qPrintable(QString::number(margin)));
    }

    void drawsSomethingDifferentInEachStyle()
    {
        BarChart chart;
        chart.resize(632, 395);
        GraphData data;
        data.title = QStringLiteral("Normal distribution of numbers in 5 Draws");
        for (int n = 1; n <= 49; ++n)
            data.points.append({QString::number(n), n % 7});
        auto render = [&](BarStyle style, bool colour) {
            data.style = style;
            data.colour = colour;
            chart.setData(data);
            return chart.grab().toImage();
        };
        const QImage flat = render(BarStyle::Flat, false);
        const QImage threeD = render(BarStyle::ThreeD, false);
        const QImage coloured = render(BarStyle::ThreeD, true);

        QImage blank(flat.size(), flat.format());
        blank.fill(Qt::white);
        QVERIFY(flat != blank);
        QVERIFY(flat != threeD);
        QVERIFY(threeD != coloured);
        // Monochrome bars are grey; coloured ones are not.
        auto hasColour = [](const QImage& image) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.red() != c.green() || c.green() != c.blue())
                        return true;
                }
            return false;
        };
        QVERIFY(!hasColour(threeD));
        QVERIFY(hasColour(coloured));
        if (qEnvironmentVariableIsSet("NUMERION_SAVE_CHARTS")) {
            flat.save(QStringLiteral("/tmp/chart-flat.png"));
            threeD.save(QStringLiteral("/tmp/chart-3d.png"));
            coloured.save(QStringLiteral("/tmp/chart-colour.png"));
        }
    }

    void savesTheChartAsAnImage_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("fromContextMenu");
        QTest::newRow("PNG by Ctrl+S") << "chart.png"
                                       << "chart.png" << false;
        QTest::newRow("SVG from the context menu") << "chart.SVG"
                                                   << "chart.SVG" << true;
        QTest::newRow("a name without suffix is PNG") << "chart"
                                                      << "chart.png" << false;
        QTest::newRow("a folder that cannot be") << "NotAFolder/chart.png"
                                                 << "" << false;
    }
    void savesTheChartAsAnImage()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(bool, fromContextMenu);
        // Number 1 never drawn, number 2 five times: one bar, in the right half of the chart.
        fillStore(store(), 2, {0, 5});
        open();
        m_fixture->writeProgramFile(QStringLiteral("NotAFolder"), "a file");
        m_fixture->fileDialogs.answers = {m_fixture->programPath(answer)};
        if (fromContextMenu) {
            QTimer::singleShot(50, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                QCOMPARE(menu->actions().value(0)->text(), QStringLiteral("Save Image As..."));
                QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            const QPoint at = chart()->rect().center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, chart()->mapToGlobal(at));
            QApplication::sendEvent(chart(), &event);
        } else {
            QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
        }
        QCOMPARE(m_fixture->fileDialogs.kinds, QStringList {QStringLiteral("save")});
        QCOMPARE(m_fixture->fileDialogs.filters,
                 QStringList {QStringLiteral("PNG images (*.png);;SVG images (*.svg)")});

        if (written.isEmpty()) {
            QCOMPARE(m_fixture->messages.boxes.size(), 1);
            QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Saving Error"));
            QVERIFY(m_fixture->messages.lastText().startsWith(
                QStringLiteral(" Bad Filename. Must be in the form MYFILE.PNG\n")));
            return;
        }
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        const QString path = m_fixture->programPath(written);
        const QSize size = chart()->size();
        if (written.endsWith(QLatin1String(".png"))) {
            // Twice the chart's size in the window, whatever the screen's scale.
            const QImage image(path, "PNG");
            QCOMPARE(image.size(), size * 2);
            const QColor bar(170, 170, 170);
            QCOMPARE(image.pixelColor(int(image.width() * 0.75), image.height() / 2), bar);
            // The first bar, of 0, is a thin bar on the axis, seen to be there.
            int rows = 0;
            for (int y = 0; y < image.height(); ++y)
                rows += image.pixelColor(int(image.width() * 0.3), y) == bar;
            QVERIFY2(rows > 0 && rows <= 6, qPrintable(QString::number(rows)));
            return;
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&file);
        QStringList texts;
        QStringList fills; // of the groups around the current element
        QList<QRectF> bars;
        while (!svg.atEnd()) {
            svg.readNext();
            if (svg.isEndElement() && svg.name() == QLatin1String("g"))
                fills.removeLast();
            if (!svg.isStartElement())
                continue;
            const QXmlStreamAttributes attributes = svg.attributes();
            if (svg.name() == QLatin1String("svg")) {
                QCOMPARE(attributes.value(QLatin1String("viewBox")),
                         QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));
            } else if (svg.name() == QLatin1String("g")) {
                fills.append(attributes.value(QLatin1String("fill")).toString());
            } else if (svg.name() == QLatin1String("text")) {
                texts.append(svg.readElementText().trimmed());
            } else if (svg.name() == QLatin1String("rect")
                       && fills.value(fills.size() - 1) == QLatin1String("#aaaaaa")) {
                auto number = [&](const char* name) {
                    return attributes.value(QLatin1String(name)).toDouble();
                };
                bars.append(QRectF(number("x"), number("y"), number("width"), number("height")));
            }
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QVERIFY(texts.contains(QStringLiteral("Normal distribution of numbers in 5 Draws")));
        QVERIFY(texts.contains(QStringLiteral("1")) && texts.contains(QStringLiteral("2")));
        // One bar per number, the second one tall and to the right of the first.
        QCOMPARE(bars.size(), 2);
        QVERIFY(bars[0].height() > 0 && bars[0].height() <= 2);
        QVERIFY(bars[1].height() > size.height() / 2);
        QVERIFY(bars[1].left() > size.width() / 2);
    }

    void returnsToTheWindowThatOpenedIt_data()
    {
        QTest::addColumn<bool>("fromDatabase");
        QTest::addColumn<bool>("throughFrame");
        QTest::newRow("menu, exit button") << false << false;
        QTest::newRow("menu, window frame") << false << true;
        QTest::newRow("database window, exit button") << true << false;
        QTest::newRow("database window, window frame") << true << true;
    }
    void returnsToTheWindowThatOpenedIt()
    {
        QFETCH(bool, fromDatabase);
        QFETCH(bool, throughFrame);
        m_program = std::make_unique<Program>(m_fixture->state, m_fixture->services);
        m_program->start();
        ZudeMenu* menu = m_program->mainMenu();
        QWidget* opener = menu;
        if (fromDatabase) {
            QTest::mouseClick(control<QPushButton>(menu, "DBaseForm"), Qt::LeftButton);
            opener = topLevel<LDbase>("LDbase");
            QVERIFY(opener);
            QTest::mouseClick(control<QPushButton>(opener, "ShowGrp"), Qt::LeftButton);
        } else {
            QTest::mouseClick(control<QPushButton>(menu, "ShowGraph1"), Qt::LeftButton);
        }
        auto* graphs = topLevel<LGraph>("LGraph");
        QVERIFY(graphs);
        QVERIFY(!opener->isVisible());
        QVERIFY(!menu->isVisible());

        QTest::mouseClick(control<QPushButton>(graphs, "ChngView"), Qt::LeftButton);
        if (throughFrame)
            graphs->close();
        else
            QTest::mouseClick(control<QPushButton>(graphs, "ExitGrp"), Qt::LeftButton);
        QVERIFY(!topLevel<LGraph>("LGraph"));
        QVERIFY(opener->isVisible());
        QCOMPARE(menu->isVisible(), !fromDatabase);
        if (fromDatabase)
            opener->close();
    }

private:
    void open()
    {
        m_window = std::make_unique<LGraph>(m_fixture->state, m_fixture->services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QPushButton* button(const char* name) { return control<QPushButton>(m_window.get(), name); }
    BarChart* chart() { return control<BarChart>(m_window.get(), "ZudeGraph"); }
    DrawStore& store() { return m_fixture->state.Store; }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<LGraph> m_window;
};

QTEST_MAIN(TestLGraph)
#include "tst_lgraph.moc"
