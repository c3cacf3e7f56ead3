// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ShapeFrame.h"

#include "core/draws/DrawFile.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"

#include <QGroupBox>
#include <QLineEdit>

ShapeBoxes BuildShapeFrame(QWidget* window, const QString& caption)
{
    static constexpr Controls::LabelRow labels[] = {
        {"Label5", " Total number of choices in the lottery", {225, 270, 3525, 285}},
        {"Label6", " Numbers in the lottery range from 1 to", {225, 585, 3525, 285}},
        {"Label1", " Title", {6435, 225, 555, 285}},
    };
    static constexpr Controls::BoxRow boxes[] = {
        {"NumCol", 2, {3735, 270, 330, 285}},
        {"HighNum", 2, {3735, 585, 330, 285}},
        // The title box holds any title a draw file holds: editing never cuts one read from a file.
        {"InFileName", int(DrawFile::MaxTitleLength), {4500, 540, 4560, 330}},
    };
    QGroupBox* frame = Controls::frame(window, "Frame1", caption, 0, 0, 9470, 975);
    frame->setFont(Controls::windowFont(8.25));
    Controls::create(frame, labels);
    const auto created = Controls::create(frame, boxes);
    for (QLineEdit* box : created)
        Colours::apply(box, Colours::EntryBox);
    return {created[0], created[1], created[2]};
}
