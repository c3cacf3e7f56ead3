#pragma once

#include "core/common/FileDialogs.h"

class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override;
    QString saveFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override;
};
