// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PersonalSettings.h"

#include "core/common/FileFields.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "core/common/TextFormat.h"

#include <QFile>

#include <optional>
#include <utility>

namespace {

void applyRangeChecks(PersonalSettings& settings)
{
    if (!LotteryShape::isNumbersPerDraw(settings.DefaultNumbersPerDraw))
        settings.DefaultNumbersPerDraw = LotteryShape::DefaultNumbersPerDraw;
    if (!LotteryShape::isHighestNumber(settings.DefaultHighNum))
        settings.DefaultHighNum = LotteryShape::DefaultHighestNumber;
    if (!LotteryShape::isEntryForms(settings.DefaultEntryForms))
        settings.DefaultEntryForms = LotteryShape::DefaultEntryForms;
    if (settings.CurrencySymbol.isEmpty())
        settings.CurrencySymbol = QStringLiteral(" $");
}

} // namespace

PersonalSettingsReadResult ReadPersonalSettings(QIODevice* device)
{
    PersonalSettingsReadResult result;
    PersonalSettings& s = result.settings;
    s.CurrencySymbol.clear();

    result.complete = [&] {
        if (!device || !device->isReadable())
            return false;
        // The file is one short line; a huge one is damaged and is not read whole.
        FileFieldReader reader(device->read(PersonalSettings::MaxFileBytes));
        for (int* number : {&s.DefaultNumbersPerDraw, &s.DefaultHighNum, &s.DefaultEntryForms}) {
            const std::optional<int> value = reader.readShort();
            if (!value)
                return false;
            *number = *value;
        }
        for (const auto& [text, length] :
             {std::pair(&s.CurrencySymbol, PersonalSettings::MaxSymbolLength),
              std::pair(&s.UserName, PersonalSettings::MaxNameLength)}) {
            const std::optional<QString> value = reader.readText();
            if (!value)
                return false;
            // Held as the settings window's boxes hold it: no longer than they take, and what
            // could not be written back or shown on one line is no part of a setting. (Text read
            // as Windows-1252 grows when written back as UTF-8: a field of any length could
            // come back larger than a settings file is read.)
            *text = FileSafeText(value->left(length));
        }
        return true;
    }();

    if (!result.complete) {
        s.DefaultNumbersPerDraw = LotteryShape::DefaultNumbersPerDraw;
        s.DefaultHighNum = LotteryShape::DefaultHighestNumber;
        s.DefaultEntryForms = LotteryShape::DefaultEntryForms;
    }
    applyRangeChecks(s);
    return result;
}

PersonalSettingsReadResult ReadPersonalSettingsFile(const QString& path)
{
    QFile file(path);
    if (!OpenRegularFile(file))
        return ReadPersonalSettings(nullptr);
    return ReadPersonalSettings(&file);
}

QByteArray PersonalSettingsLine(const PersonalSettings& settings)
{
    FileFieldWriter writer;
    writer.addNumber(settings.DefaultNumbersPerDraw);
    writer.addNumber(settings.DefaultHighNum);
    writer.addNumber(settings.DefaultEntryForms);
    writer.addText(settings.CurrencySymbol);
    writer.addText(settings.UserName);
    writer.endLine();
    return writer.bytes();
}

bool WritePersonalSettingsFile(const QString& path, const PersonalSettings& settings)
{
    return SaveFileAtomically(path, PersonalSettingsLine(settings));
}
