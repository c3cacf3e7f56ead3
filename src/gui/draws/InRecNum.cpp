#include "InRecNum.h"

#include "core/common/LeadingNumber.h"

#include <algorithm>

InRecNum::InRecNum(MessageBoxes& messages, QWidget* parent)
    : NumberDialog("InRecNum", QStringLiteral(" Type in Record           Number to Correct"),
                   {.height = 2010,
                    .boxLeft = 585,
                    .stripTop = 1590,
                    .stripWidth = 2400,
                    .cancelLeft = 135,
                    .buttonsTop = 1650},
                   messages, parent)
{
}

int InRecNum::CorrectRecNo() const
{
    // A record number never exceeds 2000; anything past 16 bits is just "does not exist".
    return int(std::min<long long>(LeadingWholeNumber(answer()), 32768));
}

int InRecNum::ask(MessageBoxes& messages, QWidget* parent)
{
    InRecNum dialog(messages, parent);
    dialog.exec();
    return dialog.CorrectRecNo();
}
