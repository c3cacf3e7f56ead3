// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Document.h"
#include "core/tracker/Sheet.h"
#include "core/tracker/SheetEditor.h"

#include <functional>

// The investment tracker's sheet as a document: it lives while the program runs, whether the
// tracker's window is open or not, so that lines typed, calculated or posted from My Tickets stay
// until they are saved or the user agrees to drop them. Typing goes through its editor.
class TrackerDocument : public Document {
    Q_OBJECT

public:
    explicit TrackerDocument(QObject* parent = nullptr);

    const Sheet& sheet() const { return m_sheet; }
    const SheetEditor& editor() const { return m_editor; }

    // The editor's operations (see SheetEditor); each that changes the sheet changes the document.
    void cellChosen(int row, int column) { m_editor.cellChosen(row, column); }
    SheetEditor::Result keyPress(int character);
    SheetEditor::Result deleteKey();
    void calculate();
    bool insertBlankRow(int row);
    // No cell chosen, nothing being typed: how a window finds the sheet when it opens.
    void forgetCursor() { m_editor.sheetReplaced(); }

    // Lets `edit` change the sheet from outside the editor (posting from My Tickets); it returns
    // whether it changed anything.
    bool change(const std::function<bool(Sheet&)>& edit);
    // An empty sheet without a file.
    void clear();

    // Something typed, calculated or posted that a file does not hold yet, on a sheet that is not
    // empty.
    bool hasUnsavedWork() const override;
    QString dropQuestion() const override;

protected:
    bool readFrom(QIODevice& device, QString& reason) override;
    bool writeTo(QIODevice& device, QString& reason) const override;

private:
    SheetEditor::Result edited(const SheetEditor::Result& result);

    Sheet m_sheet;
    SheetEditor m_editor {m_sheet};
};
