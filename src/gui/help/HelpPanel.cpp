// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "HelpPanel.h"

#include "core/common/KeyCodes.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/WidgetEvents.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString OpenCaption = QStringLiteral("&Help");
const QString CloseCaption = QStringLiteral("Close &Help");

} // namespace

HelpPanel::HelpPanel(QPushButton* button, QPlainTextEdit* panel, std::function<QString()> text,
                     MessageBoxes& messages, Options options)
    : QObject(button), m_button(button), m_panel(panel), m_text(std::move(text)), m_options(options)
{
    m_button->setText(OpenCaption);
    m_panel->hide();
    m_panel->setReadOnly(true);
    m_panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Typed characters never reach the text; navigation keys still scroll it.
    WidgetEvents::onKeyPress(m_panel, [this, &messages](int) {
        if (m_options.beepOnKey)
            messages.beep();
        return KeyDropped;
    });
    connect(m_button, &QPushButton::clicked, this, &HelpPanel::ToggleHelp);
}

void HelpPanel::ToggleHelp()
{
    if (m_open) {
        close();
        return;
    }
    m_open = true;
    m_button->setText(CloseCaption);
    m_panel->show();
    m_panel->raise();
    m_panel->setPlainText(m_text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (m_options.focusPanel)
        m_panel->setFocus();
}

void HelpPanel::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_button->setText(OpenCaption);
    m_panel->hide();
}
