// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Description.h"

#include <algorithm>

namespace Description {

qsizetype characterCount(const QString& text)
{
    return text.size()
        - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

QString left(const QString& text, qsizetype count)
{
    qsizetype units = 0;
    for (qsizetype taken = 0; taken < count && units < text.size(); ++taken)
        units += text.at(units).isHighSurrogate() && units + 1 < text.size()
                && text.at(units + 1).isLowSurrogate()
            ? 2
            : 1;
    return text.left(units);
}

void chopCharacter(QString& text)
{
    const bool pair = text.size() >= 2 && text.back().isLowSurrogate()
        && text.at(text.size() - 2).isHighSurrogate();
    text.chop(pair ? 2 : 1);
}

bool isTypable(char32_t c)
{
    return c <= QChar::LastValidCodePoint && !QChar::isSurrogate(c)
        && QChar::category(c) != QChar::Other_Control;
}

} // namespace Description
