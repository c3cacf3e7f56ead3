#include "PickPrintout.h"

#include "core/common/TextFormat.h"

#include <algorithm>

Printout PickPrintout(const NumberPicker::ResultTable& results, int picks, int sets)
{
    picks = std::clamp(picks, 0, NumberPicker::MaxPicks);
    sets = std::clamp(sets, 0, NumberPicker::MaxSets);
    const QString underline(5 * picks, u'_');

    PrintoutWriter writer;
    writer.endLine();
    writer.endLine();
    writer.printLine(5, underline);
    writer.endLine();
    for (int s = 1; s <= sets; ++s) {
        for (int k = 1; k <= picks; ++k)
            writer.printAt(5 * k, AlignedWhole(3, results[s][k]));
        writer.endLine();
        writer.printLine(5, underline);
        writer.endLine();
    }
    return writer.FinishPrintout();
}
