// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QList>
#include <QString>

// One choice a save dialog offers: its filter in Qt's form, such as "PDF documents (*.pdf)", and
// the suffix a name saved with it gets when typed without one.
struct SaveFilter {
    QString filter;
    QString suffix;
};

// The platform's file dialogs. Tests answer them with a scripted path.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The path of an existing file the user chose to open, or an empty text when cancelled.
    // `filter` is in Qt's form, such as "PDF documents (*.pdf)".
    virtual QString openFileName(const QString& title, const QString& proposedPath,
                                 const QString& filter)
        = 0;
    // The path the user chose to save to, or an empty text when cancelled; `chosen` receives the
    // place in `filters` of the filter the user chose (it starts at the first).
    virtual QString saveFileName(const QString& title, const QString& proposedPath,
                                 const QList<SaveFilter>& filters, int& chosen)
        = 0;
};
