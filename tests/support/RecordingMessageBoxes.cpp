// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "RecordingMessageBoxes.h"

void RecordingMessageBoxes::inform(const QString& title, const QString& text)
{
    boxes.append({title, text, false});
}

bool RecordingMessageBoxes::ask(const QString& title, const QString& text)
{
    boxes.append({title, text, true});
    if (m_answers.isEmpty()) {
        ++unexpectedQuestions;
        return false;
    }
    return m_answers.takeFirst();
}

QStringList RecordingMessageBoxes::texts() const
{
    QStringList result;
    for (const Box& box : boxes)
        result.append(box.text);
    return result;
}

void RecordingMessageBoxes::clear()
{
    boxes.clear();
    beeps = 0;
    unexpectedQuestions = 0;
    m_answers.clear();
}
