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
    // The extra numbers take one place more, for the plus sign that sets them apart.
    const int places = picksPerSet + (extrasPerSet > 0 ? 1 + extrasPerSet : 0);
    const QString underline(5 * places, u'_');

    PrintoutWriter writer;
    writer.endLine();
    writer.endLine();
    writer.printLine(5, underline);
    writer.endLine();
    for (int s = 1; s <= setCount; ++s) {
        for (int k = 1; k <= picksPerSet; ++k)
            writer.printAt(5 * k, AlignedWhole(3, sets[s][k]));
        if (extrasPerSet > 0) {
            writer.printAt(5 * (picksPerSet + 1), QStringLiteral("  +"));
            for (int x = 0; x < extrasPerSet; ++x)
                writer.printAt(5 * (picksPerSet + 2 + x),
                               ExtraNumberText(3, extras[std::size_t(s)][std::size_t(x)]));
        }
        writer.endLine();
        writer.printLine(5, underline);
        writer.endLine();
    }
    return writer.FinishPrintout();
}
