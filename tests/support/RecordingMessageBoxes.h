// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/MessageBoxes.h"

#include <QList>
#include <QStringList>

// Records every box and beep; questions are answered from a script the test sets up.
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Box {
        QString title;
        QString text;
        bool question = false;
    };

    void inform(const QString& title, const QString& text) override;
    bool ask(const QString& title, const QString& text) override;
    void beep() override { ++beeps; }

    // The answer to the next question; questions without a scripted answer are counted as
    // unexpected and answered No.
    void answerNext(bool yes) { m_answers.append(yes); }

    QStringList texts() const;
    QString lastText() const { return boxes.isEmpty() ? QString() : boxes.last().text; }
    void clear();

    QList<Box> boxes;
    int beeps = 0;
    int unexpectedQuestions = 0;

private:
    QList<bool> m_answers;
};
