#include "PickPrintout.h"

#include "core/common/TextFormat.h"

#include <algorithm>

Printout PickPrintout(const PickedSets& sets, int picksPerSet, int setCount)
{
    picksPerSet = std::clamp(picksPerSet, 0, LotteryShape::MaxNumbersPerDraw);
    setCount = std::clamp(setCount, 0, LotteryShape::MaxEntryForms);
    const QString underline(5 * picksPerSet, u'_');

    PrintoutWriter writer;
    writer.endLine();
    writer.endLine();
    writer.printLine(5, underline);
    writer.endLine();
    for (int s = 1; s <= setCount; ++s) {
        for (int k = 1; k <= picksPerSet; ++k)
            writer.printAt(5 * k, AlignedWhole(3, sets[s][k]));
        writer.endLine();
        writer.printLine(5, underline);
        writer.endLine();
    }
    return writer.FinishPrintout();
}
