// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GridTable.h"

#include "gui/common/Colours.h"
#include "gui/common/Twips.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The texts of the cells laid out once, for every grid of the program: the grids show the same
// numbers, counts and dates over and over, and laying a text out costs more than drawing it.
// Kept per font (the program's grids use a few); a font's texts are let go when they grow past
// a screenful of grids many times over, as scrolling through a long history makes them.
class LaidOutTexts {
public:
    struct Text {
        QStaticText laidOut;
        QSizeF size; // its advance and its font's line height, by which the style aligns it
    };

    static const Text& of(const QString& text, const QFont& font)
    {
        static std::vector<std::pair<QFont, QHash<QString, Text>>> fonts;
        auto kept = std::find_if(fonts.begin(), fonts.end(),
                                 [&font](const auto& texts) { return texts.first == font; });
        if (kept == fonts.end()) {
            if (fonts.size() >= MaxFonts)
                fonts.erase(fonts.begin());
            kept = fonts.insert(fonts.end(), {font, {}});
        }
        QHash<QString, Text>& texts = kept->second;
        auto found = texts.find(text);
        if (found == texts.end()) {
            if (texts.size() >= MaxTexts)
                texts.clear();
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.prepare(QTransform(), font);
            const QFontMetricsF metrics(font);
            found = texts.insert(text,
                                 {laidOut, {metrics.horizontalAdvance(text), metrics.height()}});
        }
        return *found;
    }

private:
    static constexpr std::size_t MaxFonts = 8;
    static constexpr qsizetype MaxTexts = 4096;
};

// Cells are centred unless a cell says otherwise. Centring in the delegate rather than in every
// item keeps a fresh cell to one allocation, which counts in a grid of two thousand rows.
// A plain text cell is drawn here with the style's background, selection and colours: the
// style's own road lays its text out three times over, and a window of grids paints hundreds.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& styleOption,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem option = styleOption;
        initStyleOption(&option, index);
        constexpr auto special = QStyleOptionViewItem::HasCheckIndicator
            | QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::WrapText;
        if ((option.features & special)
            || (option.state & (QStyle::State_HasFocus | QStyle::State_Editing))
            || !isPlainLine(option.text)) {
            QStyledItemDelegate::paint(painter, styleOption, index);
            return;
        }
        const QWidget* widget = option.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);
        if (option.text.isEmpty())
            return;
        QPalette::ColorGroup group
            = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
            group = QPalette::Inactive;
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(option.font);
        painter->setPen(option.palette.color(
            group,
            option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect area = option.rect.adjusted(margin, 0, -margin, 0);
        if (painter->deviceTransform().type() > QTransform::TxTranslate) {
            // Scaled, a laid-out text would be laid out again at every paint.
            painter->drawText(area,
                              int(option.displayAlignment) | Qt::TextSingleLine | Qt::TextDontClip,
                              option.text);
        } else {
            // Placed as the style's own road places it.
            const LaidOutTexts::Text& text = LaidOutTexts::of(option.text, option.font);
            const QSizeF size = text.size;
            const Qt::Alignment alignment
                = QStyle::visualAlignment(option.direction, option.displayAlignment);
            qreal x = area.x();
            if (alignment & Qt::AlignRight)
                x += area.width() - size.width();
            else if (alignment & Qt::AlignHCenter)
                x += (area.width() - size.width()) / 2;
            qreal y = area.y();
            if (alignment & Qt::AlignBottom)
                y += area.height() - size.height();
            else if (alignment & Qt::AlignVCenter)
                y += (area.height() - size.height()) / 2;
            painter->drawStaticText(QPointF(x, y), text.laidOut);
        }
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(Qt::TextAlignmentRole).isValid())
            option->displayAlignment = Qt::AlignCenter;
    }

private:
    // Text the short road draws as the style would: one line, left to right, and no trailing
    // blanks (which the style leaves out when it aligns).
    static bool isPlainLine(const QString& text)
    {
        return text.isEmpty()
            || (!text.back().isSpace() && !text.contains(u'\n') && !text.isRightToLeft());
    }
};

QTableWidgetItem* cellItem(QTableWidget* grid, int row, int column)
{
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    return item;
}

void setUp(QTableView* grid, const char* name, int left, int top, int width, int height,
           int rowHeightTwips)
{
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(TwipsRect(left, top, width, height));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(Px(rowHeightTwips));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setItemDelegate(new CellDelegate(grid));
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTextElideMode(Qt::ElideNone);
    grid->setWordWrap(false);
    // White cells and black grid lines through the palette: a style sheet would do the same but
    // costs every grid a style of its own when the window is shown.
    Colours::apply(grid, Colours::GridCell, Colours::Roles::Cells);
    QPalette lines = grid->palette();
    lines.setColor(QPalette::Mid, Colours::Black);
    grid->setPalette(lines);
}

} // namespace

QTableWidget* GridTable::create(QWidget* parent, const char* name, int left, int top, int width,
                                int height, int rowHeightTwips)
{
    auto* grid = new QTableWidget(parent);
    setUp(grid, name, left, top, width, height, rowHeightTwips);
    return grid;
}

QTableView* GridTable::createView(QWidget* parent, const char* name, QAbstractItemModel* model,
                                  int left, int top, int width, int height, int rowHeightTwips)
{
    return setUpView(new QTableView(parent), name, model, left, top, width, height, rowHeightTwips);
}

QTableView* GridTable::setUpView(QTableView* grid, const char* name, QAbstractItemModel* model,
                                 int left, int top, int width, int height, int rowHeightTwips)
{
    // Headers hidden first: a visible one measures every row the model brings.
    setUp(grid, name, left, top, width, height, rowHeightTwips);
    grid->setModel(model);
    return grid;
}

void GridTable::resize(QTableWidget* grid, int rows, int columns, int fixedRows, int fixedColumns)
{
    grid->setRowCount(rows);
    grid->setColumnCount(columns);
    const BulkChange change(grid);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem* item = cellItem(grid, row, column);
            if (row < fixedRows || column < fixedColumns) {
                Colours::apply(item, &Colours::GridHeader);
                item->setFlags(Qt::ItemIsEnabled);
            }
        }
    }
}

void GridTable::setText(QTableWidget* grid, int row, int column, const QString& text)
{
    cellItem(grid, row, column)->setText(text);
}

void GridTable::clear(QTableWidget* grid, int fromRow, int fromColumn)
{
    for (int row = fromRow; row < grid->rowCount(); ++row)
        for (int column = fromColumn; column < grid->columnCount(); ++column)
            if (QTableWidgetItem* item = grid->item(row, column))
                item->setText(QString());
}

GridTable::BulkChange::BulkChange(QTableWidget* grid)
    : m_grid(grid), m_wasBlocked(grid->model()->blockSignals(true))
{
}

GridTable::BulkChange::~BulkChange()
{
    m_grid->model()->blockSignals(m_wasBlocked);
    m_grid->viewport()->update();
}
