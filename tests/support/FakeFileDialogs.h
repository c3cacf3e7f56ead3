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
                         const QList<SaveFilter>& filters, int& chosen) override
    {
        QStringList names;
        for (const SaveFilter& filter : filters)
            names.append(filter.filter);
        chosen = chosenFilters.isEmpty() ? 0 : chosenFilters.takeFirst();
        return answer(u"save", title, proposedPath, names.join(u";;"));
    }

    QStringList answers;
    // The filter each save dialog's answer was chosen with, by its place; the first when none.
    QList<int> chosenFilters;
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
