// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

// The style of the program's entry boxes: the application's own, with the frame of a box drawn
// once for each look and size and copied from then on. Fusion strokes a box's rounded outline
// anew at every paint, and a window that clears its entry row repaints a row of boxes at once:
// after Add Record seven of them, whose frames were a third of the paint. Other styles' frames,
// which may be animated, are drawn as those styles draw them.
class EntryBoxStyle : public QProxyStyle {
public:
    // The one style of all boxes, owned by the application.
    static QStyle* shared();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // What a frame's pixels depend on.
    struct Look {
        int state = 0;
        int direction = 0;
        qint64 palette = 0;
        QSize size;
        qreal ratio = 1;
        friend bool operator==(const Look&, const Look&) = default;
    };

private:
    EntryBoxStyle() = default;

    // Few looks ever meet: a box's sizes times focused or not, enabled or not.
    static constexpr qsizetype MaxLooks = 64;
    mutable QHash<Look, QPixmap> m_frames;
};

size_t qHash(const EntryBoxStyle::Look& look, size_t seed = 0);
