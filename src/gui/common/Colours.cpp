// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Colours.h"

#include <QBrush>
#include <QHash>
#include <QPalette>
#include <QTableWidgetItem>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The light a colour gives off, as WCAG 2 weighs its sRGB channels.
double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

} // namespace

void Colours::apply(QWidget* widget, const Pair& pair, Roles roles)
{
    QPalette palette = widget->palette();
    const auto set
        = [&palette, &pair](QPalette::ColorRole ground, QPalette::ColorRole text, bool withText) {
              palette.setColor(ground, pair.background);
              if (withText)
                  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                      palette.setColor(group, text, pair.text);
          };
    const bool backdrop = roles == Roles::Backdrop;
    set(QPalette::Base, QPalette::Text, !backdrop);
    if (roles != Roles::Cells)
        set(QPalette::Window, QPalette::WindowText,
            roles == Roles::Ground || roles == Roles::Sections);
    if (roles == Roles::Sections)
        set(QPalette::Button, QPalette::ButtonText, true);
    widget->setPalette(palette);
    if (roles == Roles::Page || roles == Roles::Ground || backdrop)
        widget->setAutoFillBackground(true);
}

void Colours::apply(QTableWidgetItem* cell, const Pair* pair)
{
    cell->setBackground(pair ? QBrush(pair->background) : QBrush());
    cell->setForeground(pair ? QBrush(pair->text) : QBrush());
}

QVariant Colours::cellRole(const Pair& pair, int role)
{
    if (role != Qt::BackgroundRole && role != Qt::ForegroundRole)
        return {};
    // Grids ask for every cell they paint: the brushes are made once per colour.
    static QHash<QRgb, QVariant> brushes;
    const QColor& colour = role == Qt::BackgroundRole ? pair.background : pair.text;
    auto found = brushes.constFind(colour.rgba());
    if (found == brushes.constEnd())
        found = brushes.insert(colour.rgba(), QBrush(colour));
    return *found;
}

double Colours::contrast(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
