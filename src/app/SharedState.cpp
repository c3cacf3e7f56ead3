#include "SharedState.h"

#include <QDir>

QString SharedState::settingsFilePath() const
{
    return QDir(ProgramDirectory).filePath(QString::fromLatin1(PersonalSettings::FileName));
}

void SharedState::applyPersonalShape()
{
    Store.SetColCount(Settings.DefaultNumbersPerDraw + 2);
    Store.SetHighNum(Settings.DefaultHighNum);
}
