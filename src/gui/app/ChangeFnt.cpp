#include "ChangeFnt.h"

#include "core/app/SharedState.h"
#include "gui/common/Controls.h"
#include "core/common/DigitKeyFilter.h"
#include "core/common/LeadingNumber.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/NumericBox.h"
#include "gui/common/Services.h"
#include "core/common/TextFormat.h"
#include "gui/common/Twips.h"
#include "gui/common/WidgetEvents.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The settings file keeps texts between double quotes: a quote or a line break inside could
// not be read back. A typed quote beeps; whatever arrives otherwise is stripped of them.
void refuseQuotes(QLineEdit* box, MessageBoxes& messages)
{
    Controls::fileTextBox(box);
    WidgetEvents::onKeyPress(box, [&messages](int key) {
        if (key == '"') {
            messages.beep();
            return KeyDropped;
        }
        return key;
    });
}

} // namespace

ChangeFnt::ChangeFnt(SharedState& state, Services& services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services)
{
    buildControls();
    const PersonalSettings& settings = m_state.Settings;
    m_numChoices->setText(AlignedWhole(2, settings.DefaultNumbersPerDraw));
    m_hiNum->setText(AlignedWhole(2, settings.DefaultHighNum));
    m_numLines->setText(AlignedWhole(2, settings.DefaultEntryForms));
    m_symbol->setText(settings.CurrencySymbol);
    m_myName->setText(settings.UserName);
}

ChangeFnt::~ChangeFnt()
{
    WidgetEvents::removeAll(this);
}

void ChangeFnt::buildControls()
{
    setObjectName(QStringLiteral("ChangeFnt"));
    setWindowTitle(QStringLiteral("Personalize"));
    setGeometry(TwipsRect(2670, 1695, 3885, 3780));
    setFixedSize(size());
    setFont(Controls::windowFont(8.25));

    auto* intro = Controls::label(
        this, "Label5",
        QStringLiteral(
            " Changes are saved to disk and remain in   effect at startup of the program."),
        90, 135, 3705, 480);
    intro->setWordWrap(true);
    Controls::label(this, "Label3", QStringLiteral(" Total number of choices in the lottery"), 90,
                    765, 3390, 285);
    m_numChoices = Controls::inputBox(this, "InNumChoices", 2, 3465, 765, 330, 285);
    Controls::label(this, "Label4", QStringLiteral(" Numbers in the lottery range from 1 to"), 90,
                    1215, 3390, 285);
    m_hiNum = Controls::inputBox(this, "InHiNum", 2, 3465, 1215, 330, 285);
    Controls::label(this, "Label6", QStringLiteral(" Number of entry forms being played"), 90, 1665,
                    3390, 285);
    m_numLines = Controls::inputBox(this, "InNumLines", 2, 3465, 1665, 330, 285);
    Controls::label(this, "Label7", QStringLiteral(" Currency symbol to use"), 90, 2115, 3390, 285);
    m_symbol = Controls::inputBox(this, "InSy", 2, 3465, 2115, 330, 285);
    m_symbol->setAlignment(Qt::AlignCenter);
    Controls::label(this, "Label2", QStringLiteral(" Type in your name"), 90, 2565, 3705, 285);
    m_myName = Controls::inputBox(this, "InMyName", 82, 180, 2835, 3525, 285);
    auto* strip = Controls::label(this, "Label1", QString(), 0, 3330, 3885, 420);
    Controls::setBackground(strip, QColor(192, 192, 192));
    m_exit = Controls::button(this, "ExitFonts", QStringLiteral("E&xit to Menu"), 1080, 3390, 1635,
                              325);
    // Enter on the button presses it; in the boxes Enter moves on and never closes the window.
    m_exit->setDefault(false);

    const QList<QWidget*> order {m_myName, m_numChoices, m_hiNum, m_numLines, m_symbol, m_exit};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_myName->setFocus();

    bool& editing = m_state.EditingFlag;
    MessageBoxes& messages = m_services.messages;
    MakeNumericBox(m_numChoices, editing, m_hiNum, messages,
                   [this] { numericBoxLeft(m_numChoices, 10); });
    MakeNumericBox(m_hiNum, editing, m_numLines, messages, [this] { numericBoxLeft(m_hiNum, 60); });
    MakeNumericBox(m_numLines, editing, m_symbol, messages,
                   [this] { numericBoxLeft(m_numLines, 10); });

    refuseQuotes(m_symbol, messages);
    WidgetEvents::onClick(m_symbol, [this, &editing] {
        editing = true;
        m_symbol->clear();
    });
    WidgetEvents::onKeyPress(m_symbol, [this, &editing](int key) {
        if (key == KeyEnter) {
            m_myName->setFocus(Qt::TabFocusReason);
            return KeyDropped;
        }
        if (!editing) {
            m_symbol->clear();
            editing = true;
        }
        return key;
    });
    WidgetEvents::onFocusOut(m_symbol, [this, &editing] {
        if (editing) {
            m_symbol->setText(RightAlign(2, m_symbol->text()));
            editing = false;
        }
    });

    refuseQuotes(m_myName, messages);
    WidgetEvents::onKeyPress(m_myName, [](int key) { return key == KeyEnter ? KeyDropped : key; });
    WidgetEvents::onFocusOut(m_myName, [this] { m_state.Settings.UserName = m_myName->text(); });

    connect(m_exit, &QPushButton::clicked, this, &ChangeFnt::ExitFonts);
}

void ChangeFnt::numericBoxLeft(QLineEdit* box, int maximum)
{
    bool& editing = m_state.EditingFlag;
    const double value = LeadingNumber(box->text());
    if (value < 1 || value > maximum) {
        m_services.messages.inform(QStringLiteral("Help"),
                                   QStringLiteral(" Must be from 1 to ")
                                       + QString::number(maximum));
        box->setText(AlignedWhole(2, maximum));
        editing = false;
    } else if (editing) {
        box->setText(AlignedWhole(2, LeadingWholeNumber(box->text())));
        editing = false;
    }
}

void ChangeFnt::ExitFonts()
{
    if (m_leaving)
        return;
    m_leaving = true;
    // A box left by an access key or the window frame is checked as if the focus had moved on.
    if (focusWidget() != m_exit)
        m_exit->setFocus(Qt::OtherFocusReason);

    PersonalSettings& settings = m_state.Settings;
    settings.DefaultNumbersPerDraw = int(LeadingWholeNumber(m_numChoices->text()));
    settings.DefaultHighNum = int(LeadingWholeNumber(m_hiNum->text()));
    settings.DefaultEntryForms = int(LeadingWholeNumber(m_numLines->text()));
    settings.CurrencySymbol = m_symbol->text();
    settings.UserName = m_myName->text();
    // A settings file that cannot be written is no reason to keep the user here.
    WritePersonalSettingsFile(m_state.settingsFilePath(), settings);
    accept();
}

void ChangeFnt::reject()
{
    ExitFonts();
}

void ChangeFnt::closeEvent(QCloseEvent* event)
{
    ExitFonts();
    event->accept();
}
