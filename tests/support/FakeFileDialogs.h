#pragma once

#include "common/FileDialogs.h"

#include <QStringList>

// Answers each file dialog with the next scripted path (an empty one is a cancel).
class FakeFileDialogs : public FileDialogs {
public:
    QString saveFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override
    {
        proposals.append(proposedPath);
        Q_UNUSED(title);
        Q_UNUSED(filter);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QStringList proposals;
};
