// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/FileDialogs.h"

#include <QStringList>

// Answers each file dialog with the next scripted path (an empty one is a cancel) and records
// what each dialog proposed.
class FakeFileDialogs : public FileDialogs {
public:
    QString openFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override
    {
        return answer(u"open", title, proposedPath, filter);
    }
    QString saveFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override
    {
        return answer(u"save", title, proposedPath, filter);
    }

    QStringList answers;
    QStringList proposals;
    QStringList kinds; // "open" or "save"
    QStringList filters;
    QStringList titles;

private:
    QString answer(QStringView kind, const QString& title, const QString& proposedPath,
                   const QString& filter)
    {
        titles.append(title);
        kinds.append(kind.toString());
        proposals.append(proposedPath);
        filters.append(filter);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};
