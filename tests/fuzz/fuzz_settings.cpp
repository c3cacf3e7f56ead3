// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Feeds arbitrary bytes to the settings reader. It always gives settings in range, and a
// complete read writes a line that reads back the same.
#include "core/app/PersonalSettings.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    const PersonalSettingsReadResult read = ReadPersonalSettings(&input);
    const PersonalSettings& settings = read.settings;
    if (!LotteryShape::isNumbersPerDraw(settings.DefaultNumbersPerDraw)
        || !LotteryShape::isHighestNumber(settings.DefaultHighNum)
        || !LotteryShape::isEntryForms(settings.DefaultEntryForms)
        || settings.CurrencySymbol.isEmpty())
        std::abort();
    if (!read.complete)
        return 0;

    QByteArray line = PersonalSettingsLine(settings);
    QBuffer again(&line);
    again.open(QIODevice::ReadOnly);
    const PersonalSettingsReadResult reread = ReadPersonalSettings(&again);
    if (!reread.complete || !(reread.settings == settings))
        std::abort();
    return 0;
}
