// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QWidget>

// The plain backdrop behind the menu and the tool windows while they replace each other.
class LBlankForm : public QWidget {
    Q_OBJECT

public:
    explicit LBlankForm(QWidget* parent = nullptr);

Q_SIGNALS:
    // The user closed the backdrop through its frame; the program treats it as "Exit Program".
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
};
