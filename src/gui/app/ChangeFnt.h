// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
struct Services;
struct SharedState;

// The settings window: the usual shape of the lottery, the currency symbol and the user's name.
// Leaving it, however it is left, takes the values over and writes "Personal.Lot"; whether the
// last ticket book and tracker file are reopened at start is kept with the recent files.
class ChangeFnt : public QDialog {
    Q_OBJECT

public:
    ChangeFnt(SharedState& state, Services& services, QWidget* parent = nullptr);
    ~ChangeFnt() override;

    // The values taken over, the file written (silently skipped when it cannot be) and the
    // window closed.
    void ExitFonts();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void wireShapeBoxes();
    void wireSymbol();
    void wireName();

    SharedState& m_state;
    Services& m_services;
    bool m_leaving = false;
    // A box was emptied for new typing (shared by the numeric boxes and the symbol).
    bool m_editing = false;

    QLineEdit* m_numbersPerDraw = nullptr;
    QLineEdit* m_highestNumber = nullptr;
    QLineEdit* m_entryForms = nullptr;
    QLineEdit* m_symbol = nullptr;
    QLineEdit* m_myName = nullptr;
    QCheckBox* m_reopen = nullptr;
    QPushButton* m_exit = nullptr;
};
