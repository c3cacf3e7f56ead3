// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PickPrintout.h"

#include "core/common/TextFormat.h"

#include <algorithm>

QString ExtraNumberText(int width, int number)
{
    return number == NoExtra ? QString(width, u' ') : RightAlign(width, QString::number(number));
}

Printout PickPrintout(const PickedSets& sets, int picksPerSet, int setCount,
                      const PickedExtras& extras, int extrasPerSet)
{
    picksPerSet = std::clamp(picksPerSet, 0, LotteryShape::MaxNumbersPerDraw);
    setCount = std::clamp(setCount, 0, LotteryShape::MaxEntryForms);
    extrasPerSet = std::clamp(extrasPerSet, 0, LotteryShape::MaxExtraNumbers);
    // The extra numbers take one place more, for the plus sign that sets them apart. Numbers
    // stand five columns apart while they fit the page, three apart beyond.
    const int places = picksPerSet + (extrasPerSet > 0 ? 1 + extrasPerSet : 0);
    const bool compact = 5 * places + 3 > PrintableColumns;
    const int step = compact ? 3 : 5;
    const int width = compact ? 2 : 3;
    const QString underline(step * places, u'_');

    PrintoutWriter writer;
    writer.endLine();
    writer.endLine();
    writer.printLine(5, underline);
    writer.endLine();
    for (int s = 1; s <= setCount; ++s) {
        for (int k = 1; k <= picksPerSet; ++k)
            writer.printAt(step * k, AlignedWhole(width, sets[s][k]));
        if (extrasPerSet > 0) {
            writer.printAt(step * (picksPerSet + 1), RightAlign(width, QStringLiteral("+")));
            for (int x = 0; x < extrasPerSet; ++x)
                writer.printAt(step * (picksPerSet + 2 + x),
                               ExtraNumberText(width, extras[std::size_t(s)][std::size_t(x)]));
        }
        writer.endLine();
        writer.printLine(5, underline);
        writer.endLine();
    }
    return writer.FinishPrintout();
}
