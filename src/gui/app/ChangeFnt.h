#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
struct Services;
struct SharedState;

// The settings window: the usual shape of the lottery, the currency symbol and the user's name.
// Leaving it, however it is left, takes the values over and writes "Personal.Lot".
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
    void numericBoxLeft(QLineEdit* box, int maximum);

    SharedState& m_state;
    Services& m_services;
    bool m_leaving = false;

    QLineEdit* m_numChoices = nullptr;
    QLineEdit* m_hiNum = nullptr;
    QLineEdit* m_numLines = nullptr;
    QLineEdit* m_symbol = nullptr;
    QLineEdit* m_myName = nullptr;
    QPushButton* m_exit = nullptr;
};
