// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/LotteryShape.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// The five personal settings kept in "Personal.Lot".
struct PersonalSettings {
    static constexpr auto FileName = "Personal.Lot";
    static constexpr qint64 MaxFileBytes = 4096;
    // As long as the settings window's boxes hold them; far below MaxFileBytes when written back.
    static constexpr int MaxSymbolLength = 2;
    static constexpr int MaxNameLength = 82;

    int DefaultNumbersPerDraw = LotteryShape::DefaultNumbersPerDraw;
    int DefaultHighNum = LotteryShape::DefaultHighestNumber;
    int DefaultEntryForms = LotteryShape::DefaultEntryForms;
    QString CurrencySymbol = QStringLiteral(" $");
    QString UserName;

    LotteryShape defaultShape() const { return {DefaultNumbersPerDraw, DefaultHighNum}; }

    bool operator==(const PersonalSettings&) const = default;
};

struct PersonalSettingsReadResult {
    PersonalSettings settings;
    // False when the file was missing or damaged: the shape fell back to its defaults and the
    // name label must be left as it is.
    bool complete = false;
};

// Reads the one settings line, then applies the defaults and range checks. Never fails:
// whatever goes wrong gives the defaults, keeping any text read before the fault.
PersonalSettingsReadResult ReadPersonalSettings(QIODevice* device);
PersonalSettingsReadResult ReadPersonalSettingsFile(const QString& path);

// The settings line with its CR LF, exactly as written to the file.
QByteArray PersonalSettingsLine(const PersonalSettings& settings);
// Writes the file in one piece; false when it could not be written (the old file then stays).
bool WritePersonalSettingsFile(const QString& path, const PersonalSettings& settings);
