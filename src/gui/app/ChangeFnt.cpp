// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ChangeFnt.h"

#include "core/app/SharedState.h"
#include "core/common/KeyCodes.h"
#include "core/common/LeadingNumber.h"
#include "core/common/TextFormat.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"
#include "gui/common/InputBoxes.h"
#include "gui/common/RangeBox.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"
#include "gui/common/WidgetEvents.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ChangeFnt::ChangeFnt(SharedState& state, Services& services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services)
{
    buildControls();
    wireShapeBoxes();
    wireSymbol();
    wireName();
    const PersonalSettings& settings = m_state.Settings;
    m_numbersPerDraw->setText(AlignedWhole(2, settings.DefaultNumbersPerDraw));
    m_highestNumber->setText(AlignedWhole(2, settings.DefaultHighNum));
    m_entryForms->setText(AlignedWhole(2, settings.DefaultEntryForms));
    m_symbol->setText(settings.CurrencySymbol);
    m_myName->setText(settings.UserName);
}

ChangeFnt::~ChangeFnt()
{
    WidgetEvents::removeAll(this);
}

void ChangeFnt::buildControls()
{
    static constexpr Controls::LabelRow labels[] = {
        {"Label5",
         " Changes are saved to disk and remain in   effect at startup of the program.",
         {90, 135, 3705, 480}},
        {"Label3", " Total number of choices in the lottery", {90, 765, 3390, 285}},
        {"Label4", " Numbers in the lottery range from 1 to", {90, 1215, 3390, 285}},
        {"Label6", " Number of entry forms being played", {90, 1665, 3390, 285}},
        {"Label7", " Currency symbol to use", {90, 2115, 3390, 285}},
        {"Label2", " Type in your name", {90, 2565, 3705, 285}},
    };
    static constexpr Controls::BoxRow boxes[] = {
        {"InNumChoices", 2, {3465, 765, 330, 285}},
        {"InHiNum", 2, {3465, 1215, 330, 285}},
        {"InNumLines", 2, {3465, 1665, 330, 285}},
        {"InSy", PersonalSettings::MaxSymbolLength, {3465, 2115, 330, 285}},
        {"InMyName", PersonalSettings::MaxNameLength, {180, 2835, 3525, 285}},
    };

    setObjectName(QStringLiteral("ChangeFnt"));
    setWindowTitle(QStringLiteral("Personalize"));
    // Taller by the reopen setting's two lines, which sit between the name and the button strip.
    constexpr int Reopen = 450;
    setGeometry(TwipsRect(2670, 1695, 3885, 3780 + Reopen));
    setFixedSize(size());
    setFont(Controls::windowFont(8.25));

    Controls::create(this, labels)[0]->setWordWrap(true);
    const auto inputs = Controls::create(this, boxes);
    m_numbersPerDraw = inputs[0];
    m_highestNumber = inputs[1];
    m_entryForms = inputs[2];
    m_symbol = inputs[3];
    m_myName = inputs[4];
    m_symbol->setAlignment(Qt::AlignCenter);
    m_reopen = new QCheckBox(this);
    m_reopen->setObjectName(QStringLiteral("ReopenLast"));
    m_reopen->setGeometry(TwipsRect(180, 3300, 270, 285));
    m_reopen->setChecked(m_state.Recent.reopenAtStart());
    auto* reopenCaption
        = Controls::label(this, "ReopenLabel",
                          QStringLiteral("&Reopen the last ticket book and tracker file at start"),
                          450, 3195, 3345, 480);
    reopenCaption->setWordWrap(true);
    reopenCaption->setBuddy(m_reopen);
    m_reopen->setAccessibleName(reopenCaption->text().remove(QLatin1Char('&')));
    // The caption is the box's own text, split over two lines: a click on it ticks the box.
    WidgetEvents::onClick(reopenCaption, [this] { m_reopen->toggle(); });

    auto* strip = Controls::label(this, "Label1", QString(), 0, 3330 + Reopen, 3885, 420);
    Colours::apply(strip, Colours::Panel);
    m_exit = Controls::button(this, "ExitFonts", QStringLiteral("E&xit to Menu"), 1080,
                              3390 + Reopen, 1635, 325);
    // Enter on the button presses it; in the boxes Enter moves on and never closes the window.
    m_exit->setDefault(false);
    connect(m_exit, &QPushButton::clicked, this, &ChangeFnt::ExitFonts);

    Controls::tabOrder(
        {m_myName, m_numbersPerDraw, m_highestNumber, m_entryForms, m_symbol, m_reopen, m_exit});
    m_myName->setFocus();
}

void ChangeFnt::wireShapeBoxes()
{
    MessageBoxes& messages = m_services.messages;
    new RangeBox(m_numbersPerDraw, RangeBox::numbersPerDraw(), m_editing, m_highestNumber,
                 messages);
    new RangeBox(m_highestNumber, RangeBox::highestNumber(), m_editing, m_entryForms, messages);
    new RangeBox(m_entryForms, RangeBox::entryForms(QStringLiteral(" Must be from 1 to 10")),
                 m_editing, m_symbol, messages);
}

void ChangeFnt::wireSymbol()
{
    // The settings file keeps texts between double quotes: a quote or a line break inside could
    // not be read back. Hooked first, so that the symbol's own keys below see a quote first.
    MakeFileTextBox(m_symbol, m_services.messages);
    WidgetEvents::onClick(m_symbol, [this] {
        m_editing = true;
        m_symbol->clear();
    });
    WidgetEvents::enterMovesTo(m_symbol, m_myName, [this](int key) {
        if (!m_editing) {
            m_symbol->clear();
            m_editing = true;
        }
        return key;
    });
    WidgetEvents::onFocusOut(m_symbol, [this] {
        if (m_editing) {
            m_symbol->setText(RightAlign(2, m_symbol->text()));
            m_editing = false;
        }
    });
}

void ChangeFnt::wireName()
{
    MakeFileTextBox(m_myName, m_services.messages);
    WidgetEvents::onKeyPress(m_myName, [](int key) { return key == KeyEnter ? KeyDropped : key; });
    WidgetEvents::onFocusOut(m_myName, [this] { m_state.Settings.UserName = m_myName->text(); });
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
    settings.DefaultNumbersPerDraw = int(LeadingWholeNumber(m_numbersPerDraw->text()));
    settings.DefaultHighNum = int(LeadingWholeNumber(m_highestNumber->text()));
    settings.DefaultEntryForms = int(LeadingWholeNumber(m_entryForms->text()));
    settings.CurrencySymbol = m_symbol->text();
    settings.UserName = m_myName->text();
    // A settings file that cannot be written is no reason to keep the user here.
    WritePersonalSettingsFile(m_state.settingsFilePath(), settings);
    if (m_reopen->isChecked() != m_state.Recent.reopenAtStart()) {
        m_state.Recent.setReopenAtStart(m_reopen->isChecked());
        m_state.Recent.writeFile(m_state.recentFilesPath());
    }
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
