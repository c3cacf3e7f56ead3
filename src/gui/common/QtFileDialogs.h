// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/FileDialogs.h"

#include <functional>
#include <utility>

// Qt's file dialogs. The Open dialog offers the folder of the sample files among the places in
// its sidebar, so that a new user finds them.
class QtFileDialogs : public FileDialogs {
public:
    // `samplesFolder` names that folder when asked; it is left out when it does not exist.
    explicit QtFileDialogs(std::function<QString()> samplesFolder = {})
        : m_samplesFolder(std::move(samplesFolder))
    {
    }

    QString openFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override;
    QString saveFileName(const QString& title, const QString& proposedPath,
                         const QList<SaveFilter>& filters, int& chosen) override;

private:
    std::function<QString()> m_samplesFolder;
};
