#pragma once

#include "core/draws/LotteryShape.h"
#include "gui/common/ToolWindow.h"

#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class DistributionModel;
class HelpPanel;
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
    void buildGrids();
    void buildButtonStrip();

    // The entry row's rules, one control kind at a time.
    void wireShapeBoxes();
    void wireTitle();
    void wireDate();
    void wireNumberBoxes();
    void load();

    // The setup boxes show the store's shape, as the settings write it or right-aligned.
    enum class ShapeText { Plain, Aligned };
    void showShape(ShapeText form);
    // The number boxes and the record grid's columns follow the store's shape.
    void layOutForShape();
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
    void changeShape(RangeBox* box, const LotteryShape& shape);
    void dateLeft();
    bool dateIsValid() const;

    int numbersPerDraw() const;
    QStringList visibleNumberTexts() const;
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
    RecordGridModel* m_recordModel = nullptr;
    RecordGridView* m_records = nullptr;
    std::array<DistributionModel*, 3> m_distributionModels {};
    QLabel* m_topLine = nullptr;
    QPlainTextEdit* m_helpBox = nullptr;
    QPushButton* m_addButton = nullptr;
    HelpPanel* m_help = nullptr;
};
