#pragma once

#include "platform/core/WholeFile.h"
#include "platform/ui/FormHandle.h"

#include <QWidget>

class QFrame;
class QLabel;
class QTabWidget;

namespace talvo {

class ResultsTextBox;
class TextGrid;
struct ResultsWindowUpdate;
enum class OpenPurpose;

// The results window: an MDI child of the main window that shows the one open assessment. It holds no
// assessment data of its own; unloading it discards its texts and grids, the assessment stays.
class frmTALVOfile : public QWidget
{
    Q_OBJECT

public:
    explicit frmTALVOfile(QWidget* parent = nullptr);

    // Each reports its own failure to the user and returns false; on failure nothing the user had is lost and
    // the assessment and this window are as they were.
    // Writes the assessment; an existing file is replaced only by a complete new one.
    bool SaveTALVOfile(const QString& FileName);
    // File Open: checks the whole file, then starts a fresh assessment from it (the question flags, the status
    // flags and the crop answer held before are cleared) and shows it.
    bool OpenTALVOfile(const QString& FileName);
    // The selection wizard's Finish writes its working file with this, as a working file (it follows no link), and
    // is handed the very file written.
    bool SaveWorkingFile(const QString& FileName, FileDescriptor* written);
    // ... and reads it back with this, from that handle rather than by name: like OpenTALVOfile, but the question
    // and status flags of the selection just assessed are kept.
    bool ReadBackWorkingFile(const QString& FileName, FileDescriptor written);
    bool ExportTALVOfileAsText(const QString& FileName);

    // The score editor's choice for the score cell last double-clicked: the word goes into that cell and its
    // value into ScoreMatrix.
    void WriteNewScore(const QString& NewScoreString);

    // What the wizards write into the window.
    void SetLimitationsInformationText(const QString& text); // RichTextBoxLimitationsInformation
    void SetEconomicInformationText(const QString& text);    // RichTextBoxEconomicInformation
    void SetCriteriaWeightsText(const QString& text);        // RichTextBoxCriteriaWeights
    void SetIdealPtIdealsText(const QString& text);          // RichTextBoxIdealPtIdeals
    void SetIdealPtResultsText(const QString& text);         // RichTextBoxIdealPtResults
    void SetPUsedCaption(const QString& caption);            // LabelPUsed
    // Fills MSFlexGridCostBenefit from the assessment's final countermeasures and EconomicResults and makes it
    // visible and enabled.
    void FillCostBenefitGrid();
    // Hides and disables MSFlexGridCostBenefit again, as before any costing.
    void HideCostBenefitGrid();

    // The cell of the score grid last double-clicked (0, 0 before any).
    int EditRow() const { return editRow_; }
    int EditCol() const { return editCol_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void applySizes(bool widths, bool heights);
    bool openFile(const QString& FileName, OpenPurpose purpose, FileDescriptor written = {});
    bool saveFile(const QString& FileName, SaveRole role, FileDescriptor* written);
    void showUpdate(const ResultsWindowUpdate& update);
    void FillScoreGrid();
    void MSFlexGridCountermeasureScores_DblClick(int row, int col);

    QLabel* LabelResultsFileTitle = nullptr;
    QLabel* LabelDepositionSelected = nullptr;
    QLabel* LabelDepositionSelectedName = nullptr;
    QLabel* LabelFarmType = nullptr;
    QLabel* LabelFarmTypeSelectedName = nullptr;
    QLabel* LabelLastModified = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;
    QTabWidget* SSTabResultsFile = nullptr;
    QLabel* LabelPUsed = nullptr;
    ResultsTextBox* RichTextBoxCountermeasureList = nullptr;
    ResultsTextBox* RichTextBoxAssessmentCriteria = nullptr;
    ResultsTextBox* RichTextBoxLimitationsInformation = nullptr;
    TextGrid* MSFlexGridCountermeasureScores = nullptr;
    ResultsTextBox* RichTextBoxCriteriaWeights = nullptr;
    ResultsTextBox* RichTextBoxIdealPtIdeals = nullptr;
    ResultsTextBox* RichTextBoxIdealPtResults = nullptr;
    ResultsTextBox* RichTextBoxEconomicInformation = nullptr;
    TextGrid* MSFlexGridCostBenefit = nullptr;

    int editRow_ = 0;
    int editCol_ = 0;
};

namespace forms {
inline FormHandle<talvo::frmTALVOfile> frmTALVOfile;
} // namespace forms

} // namespace talvo
