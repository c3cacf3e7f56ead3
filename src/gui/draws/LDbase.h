// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/LotteryShape.h"
#include "gui/common/ToolWindow.h"
#include "gui/draws/ShapeChoices.h"

#include <QHash>
#include <QRect>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class DistributionModel;
class HelpPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class RangeBox;
class RecordGridView;
class RecordGridModel;
struct Services;
struct SharedState;

// The database window: sets up the lottery, takes winning draws one at a time, corrects and
// clears them, and shows the records and how often each number was drawn.
class LDbase : public ToolWindow {
    Q_OBJECT

public:
    // `askRecordNumber` shows the record-number dialog and returns its answer: nothing for
    // "&Cancel".
    using RecordNumberQuestion = std::function<std::optional<int>(QWidget* parent)>;

    LDbase(SharedState& state, Services& services, RecordNumberQuestion askRecordNumber = {},
           QWidget* parent = nullptr);
    ~LDbase() override;

Q_SIGNALS:
    // "&Show Graph": the graphs window is to open in this window's place.
    void graphsRequested();

protected:
    bool mayLeave() override;

private:
    void buildControls();
    void buildSetupFrame();
    void buildEntryRow();
    QLineEdit* newNumberBox(int i);
    QLineEdit* numberBox(int i);
    void buildGrids();
    void addDistributionGrid(std::size_t row);
    void buildButtonStrip();

    // The entry row's rules, one control kind at a time.
    void wireShapeBoxes();
    void wireTitle();
    void wireDate();
    void wireNumberBoxes();
    void wireNumberBox(int i);
    void load();

    // The setup boxes show the store's shape, as the settings write it or right-aligned.
    enum class ShapeText { Plain, Aligned };
    void showShape(ShapeText form);
    // The number boxes, the record grid's columns, the distribution grids and the window's size
    // follow the store's shape; a classic shape has the classic window.
    void layOutForShape();
    // A setup box whose number, typed and in range, becomes the shape's `field`.
    void takeIntoShape(RangeBox* range, int LotteryShape::*field);
    // The common games, the extra numbers' row and the view of the counts.
    void wireShapeChoices();
    // The distribution grids show the main numbers' counts or the extra numbers'.
    void showDistributionPool();
    void ShowNewDate();
    // The line of the most drawn numbers above the distribution grids.
    void ShowDistribution();
    void AddRecord();
    void ReplaceRecord();

    void addRecordClicked();
    void correctRecordClicked();
    void showGraphClicked();
    // Ends a correction that was not added: the entry row says "New" and is empty again.
    void endCorrection();
    // A box left by an access key or the window frame gets no focus-out; it is taken here.
    void takeEditedBox();
    void titleEdited(const QString& text);
    void deleteAllClicked();
    // A shape box was left with a new number in range: the store takes it while it holds no
    // records.
    void changeShape(const LotteryShape& shape);
    void dateLeft();
    bool dateIsValid() const;

    int numbersPerDraw() const;
    int extraNumbers() const;
    QStringList visibleNumberTexts() const;
    QStringList visibleExtraTexts() const;
    // The numbers of the entry row, main then extra, or nothing when a fault was shown.
    std::optional<std::vector<int>> enteredNumbers(bool correction);
    void clearNumberBoxes();

    SharedState& m_state;
    Services& m_services;
    RecordNumberQuestion m_askRecordNumber;
    // The record the entry row corrects, as "InNew" shows it; none while it says "New".
    std::optional<int> m_correcting;
    // A setup box or the title was emptied for new typing (shared by those boxes).
    bool m_editing = false;

    QLineEdit* m_numbersPerDraw = nullptr;
    QLineEdit* m_highestNumber = nullptr;
    RangeBox* m_numbersPerDrawRange = nullptr;
    RangeBox* m_highestNumberRange = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_newLabel = nullptr;
    QLineEdit* m_date = nullptr;
    std::array<QLineEdit*, LotteryShape::MaxNumbersPerDraw> m_numbers {};
    std::array<QLineEdit*, LotteryShape::MaxExtraNumbers> m_extras {};
    ShapeChoices m_choices;
    bool m_extraRow = false; // the extra numbers' row is shown
    RangeBox* m_extraNumbersRange = nullptr;
    RangeBox* m_lowestRange = nullptr;
    RangeBox* m_highestRange = nullptr;
    QComboBox* m_distributionPool = nullptr;
    RecordGridModel* m_recordModel = nullptr;
    RecordGridView* m_records = nullptr;
    // Enough for the numbers 1..99 in rows of twenty; a classic shape shows the first three.
    std::array<DistributionModel*, 5> m_distributionModels {};
    std::array<QTableView*, 5> m_distributionGrids {};
    // Where each control of the window stands in the classic layout, in pixels; the layout of a
    // larger shape moves them from there.
    QHash<QWidget*, QRect> m_classicPlaces;
    QSize m_classicSize;
    QLabel* m_topLine = nullptr;
    QPlainTextEdit* m_helpBox = nullptr;
    QPushButton* m_addButton = nullptr;
    HelpPanel* m_help = nullptr;
};
