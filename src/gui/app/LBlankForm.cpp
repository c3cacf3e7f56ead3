// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LBlankForm.h"

#include "gui/common/Controls.h"

#include <QCloseEvent>

LBlankForm::LBlankForm(QWidget* parent) : QWidget(parent)
{
    Controls::setupWindow(this, "LBlankForm", QStringLiteral("Numerion"));
}

void LBlankForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Q_EMIT closeRequested();
}
