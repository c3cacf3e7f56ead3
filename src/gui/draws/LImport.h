// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawHistoryImport.h"
#include "core/draws/ImportView.h"
#include "gui/common/ToolWindow.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTimer;
struct Services;
struct SharedState;

// The import window: reads a lottery's published draw history (a file or pasted text), shows
// what will be stored, and replaces the draws in memory with it or adds it to them.
class RangeBox;

class LImport : public ToolWindow {
    Q_OBJECT

public:
    LImport(SharedState& state, Services& services, QWidget* parent = nullptr);
    ~LImport() override;

    // Reads the draw history at `path` as "choose file" does with the file chosen; a file that
    // cannot be read is reported and leaves the window as it was.
    void OpenHistoryFile(const QString& path);

Q_SIGNALS:
    // The draws are in the store and the window has closed; the database window shows them next.
    void imported();

protected:
    bool mayLeave() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    using DateOrder = DrawHistoryImport::DateOrder;

    void buildControls();
    void buildShapeFrame();
    void buildSourceControls();
    void buildExtraChoice();
    void buildSummary();
    void buildDateFrame();
    void buildNewestChoice();
    void buildColumnChoice();
    void buildPreview();
    void buildButtonStrip();
    void wireBoxes();

    void chooseFileClicked();
    // Pasted text is read once the typing pauses: a long history takes a moment to read.
    void pastedTextEdited();
    void pastedTextChanged();
    // Reads text typed since the last read now, so that what the window shows and what it does
    // next agree.
    void takePendingText();
    // Takes the columns typed in the column boxes, reading the history again when they differ
    // from those taken; false, with the boxes as they were, when they cannot be read.
    bool takeColumns();
    void showColumns();
    // The range boxes take input only for an own pool; the columns' caption names the extra ones.
    void showExtraChoice();
    void extraPoolChosen(int index);
    // The history's newest draws to take; 0 for all.
    int newestTaken() const;
    // What the summary tells: adding to the draws in memory when it can, else replacing them.
    ImportView::Plan summaryPlan() const;
    // Puts `title` in the title box unless the user typed one there.
    void proposeTitle(const QString& title);
    // Reads the history again with the shape and date order in force, and shows the result.
    void readHistory();
    void showHistory();
    void showPreview();
    void showDateOrder();
    // When the history cannot tell day/month from month/day and the user has not said, asks.
    void settleDateOrder();
    void dateOrderChosen(DateOrder order);
    void toggleSkippedLines();
    void importClicked(ImportView::Mode mode);
    void replaceClicked() { importClicked(ImportView::Mode::Replace); }
    void addClicked() { importClicked(ImportView::Mode::Add); }

    // A shape box left by an access key or the window frame gets no focus-out; it is taken here.
    void takeEditedBox();
    void shapeTaken(int& value, int typed);

    SharedState& m_state;
    Services& m_services;

    QByteArray m_bytes;
    QString m_path; // the history file; empty for pasted text
    QString m_proposedTitle; // what the title box held before the user typed, if anything
    DrawHistoryImport::Shape m_shape;
    bool m_dateOrderUndecided = false; // the history cannot tell day/month from month/day
    DateOrder m_dateOrder = DateOrder::FromFile; // what the user chose for it, if anything
    DrawHistoryImport::Columns m_columns; // what the user chose, if anything
    std::optional<DrawHistoryImport> m_import; // nothing before a file or text is given

    bool m_editing = false; // a shape box was entered and not yet left
    QLineEdit* m_numCol = nullptr;
    QLineEdit* m_highNum = nullptr;
    QLineEdit* m_title = nullptr;
    RangeBox* m_numbersPerDrawRange = nullptr;
    RangeBox* m_highestNumberRange = nullptr;
    QLineEdit* m_extraNumbers = nullptr;
    QComboBox* m_extraPool = nullptr;
    QLineEdit* m_extraLowest = nullptr;
    QLineEdit* m_extraHighest = nullptr;
    RangeBox* m_extraNumbersRange = nullptr;
    RangeBox* m_extraLowestRange = nullptr;
    RangeBox* m_extraHighestRange = nullptr;
    QLabel* m_numberColumnsCaption = nullptr;
    QPushButton* m_chooseButton = nullptr;
    QLabel* m_fileName = nullptr;
    QPlainTextEdit* m_pasted = nullptr;
    QTimer* m_pasteTimer = nullptr;
    QCheckBox* m_newestOnly = nullptr;
    QSpinBox* m_newest = nullptr;
    QLineEdit* m_dateColumn = nullptr;
    QLineEdit* m_numberColumns = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_skippedButton = nullptr;
    QButtonGroup* m_dateOrderGroup = nullptr;
    QRadioButton* m_dayFirst = nullptr;
    QRadioButton* m_monthFirst = nullptr;
    QTableWidget* m_preview = nullptr;
    QPlainTextEdit* m_skippedBox = nullptr;
    QPushButton* m_replaceButton = nullptr;
};
