// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PoolTabs.h"

#include "gui/common/Controls.h"

#include <QTabBar>

namespace PoolTabs {

QTabBar* create(QWidget* parent)
{
    auto* tabs = new QTabBar(parent);
    tabs->setObjectName(QStringLiteral("PoolTabs"));
    tabs->setFont(Controls::windowFont(8.25));
    tabs->setExpanding(false);
    tabs->setTabData(tabs->addTab(QStringLiteral("&Main numbers")), int(Pool::Main));
    tabs->setTabData(tabs->addTab(QStringLiteral("&Extra numbers")), int(Pool::Extra));
    return tabs;
}

Pool current(const QTabBar* tabs)
{
    return Pool(tabs->tabData(tabs->currentIndex()).toInt());
}

void follow(QTabBar* tabs, const LotteryShape& shape)
{
    const bool extra = shape.extraNumbers > 0;
    if (!extra)
        tabs->setCurrentIndex(0);
    tabs->setVisible(extra);
}

} // namespace PoolTabs
