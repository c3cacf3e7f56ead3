// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ShapeChoices.h"

#include "core/common/TextFormat.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"
#include "gui/common/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// The list's first entry stands for any shape not in it.
const QString OtherShape = QStringLiteral("Other game");

QRadioButton* radio(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(TwipsRect(left, top, width, 285));
    return button;
}

} // namespace

ShapeChoices BuildShapeChoices(QGroupBox* frame)
{
    ShapeChoices choices;
    choices.common = new QComboBox(frame);
    choices.common->setObjectName(QStringLiteral("ShapeList"));
    choices.common->setGeometry(TwipsRect(4500, 165, 1860, 330));
    choices.common->addItem(OtherShape);
    for (const CommonShape& shape : CommonShapes())
        choices.common->addItem(shape.name);
    choices.common->setToolTip(QStringLiteral("Fills in the shape of a common game"));

    const int top = 930;
    choices.extraLabel = Controls::label(
        frame, "ExtraLabel", QStringLiteral(" Extra numbers drawn"), 225, top, 1800, 285);
    choices.extraNumbers = Controls::inputBox(frame, "ExtraNum", 2, 2070, top, 330, 285);
    choices.samePool
        = radio(frame, "ExtraSame", QStringLiteral("from the main pool"), 2550, top, 1800);
    choices.ownPool
        = radio(frame, "ExtraOwn", QStringLiteral("from their own pool:"), 4400, top, 1900);
    choices.lowest = Controls::inputBox(frame, "ExtraLow", 2, 6330, top, 330, 285);
    choices.to = Controls::label(frame, "ExtraTo", QStringLiteral("to"), 6720, top, 300, 285);
    choices.highest = Controls::inputBox(frame, "ExtraHigh", 2, 7050, top, 330, 285);
    for (QLineEdit* box : {choices.extraNumbers, choices.lowest, choices.highest})
        Colours::apply(box, Colours::EntryBox);
    choices.show({}, false);
    return choices;
}

void ShapeChoices::show(const LotteryShape& shape, bool row) const
{
    const std::vector<CommonShape>& shapes = CommonShapes();
    int index = 0;
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (shapes[i].shape == shape)
            index = int(i) + 1;
    common->setCurrentIndex(index);

    for (QWidget* control : std::initializer_list<QWidget*> {extraLabel, extraNumbers, samePool,
                                                             ownPool, lowest, to, highest})
        control->setVisible(row);
    extraNumbers->setText(AlignedNumber(2, shape.extraNumbers));
    samePool->setChecked(!shape.hasOwnPool());
    ownPool->setChecked(shape.hasOwnPool());
    const bool own = shape.hasOwnPool();
    lowest->setText(own ? AlignedNumber(2, shape.extraLowest) : QString());
    highest->setText(own ? AlignedWhole(2, shape.extraHighest) : QString());
    lowest->setEnabled(own);
    highest->setEnabled(own);
}

std::optional<LotteryShape> ShapeChoices::listed(int index)
{
    const std::vector<CommonShape>& shapes = CommonShapes();
    if (index < 1 || index > int(shapes.size()))
        return std::nullopt;
    return shapes[std::size_t(index - 1)].shape;
}
