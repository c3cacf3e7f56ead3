// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "EntryBoxStyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFrame>

QStyle* EntryBoxStyle::shared()
{
    static QPointer<EntryBoxStyle> style;
    if (!style) {
        style = new EntryBoxStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

void EntryBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_FrameLineEdit || !frame || !painter->device()
        || painter->transform().type() > QTransform::TxTranslate
        || baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const Look look {int(frame->state), int(frame->direction), frame->palette.cacheKey(),
                     frame->rect.size(), painter->device()->devicePixelRatio()};
    auto found = m_frames.constFind(look);
    if (found == m_frames.cend()) {
        if (m_frames.size() >= MaxLooks)
            m_frames.clear();
        QPixmap pixmap(look.size * look.ratio);
        pixmap.setDevicePixelRatio(look.ratio);
        pixmap.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect = QRect(QPoint(), look.size);
        QPainter framePainter(&pixmap);
        QProxyStyle::drawPrimitive(element, &atOrigin, &framePainter, widget);
        framePainter.end();
        found = m_frames.insert(look, pixmap);
    }
    painter->drawPixmap(frame->rect.topLeft(), *found);
}

size_t qHash(const EntryBoxStyle::Look& look, size_t seed)
{
    return qHashMulti(seed, look.state, look.direction, look.palette, look.size.width(),
                      look.size.height(), look.ratio);
}
