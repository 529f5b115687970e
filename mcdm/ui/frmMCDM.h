#pragma once

#include "platform/ui/FormHandle.h"

#include <QWidget>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QStackedWidget;

namespace talvo {

class ResultsTextBox;

// The ranking wizard: p, an ideal effect per criterion and a weight per criterion, then the ideal-point ranking.
// Modeless; Finish and Cancel unload it. Its working tables live in TheRankingSession(), not in the window.
class frmMCDM : public QWidget
{
    Q_OBJECT

public:
    explicit frmMCDM(QWidget* parent = nullptr);

    enum class Page { FrameIntro, FramePValue, FrameObjectives, FrameWeights, FrameFinalScores };
    Page CurrentPage() const { return currentPage_; }

    void CommandNext_Click();
    void CommandBack_Click();
    void CommandFinish_Click();
    void CommandCancel_Click();
    void CommandReset_Click();
    void CommandResetObjectives_Click();
    void TextPValue_Click();
    // A character typed into TextPValue; returns whether it is entered.
    bool TextPValue_KeyPress(int KeyAscii);

    void SetWizardTexts();
    void SetDefaultObjectives();
    // IdealValues(k) := the ideal of the word selected in ComboCriteria k, k = 0..9.
    void GenerateIdeals(int count);
    void SetWeights();
    void ValidatePValue(bool& accepted);
    void ClearMCDMResults();
    void RunMCDM();

    static constexpr int Rows = 10;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showPage(Page page);
    void enterPageIfNew(Page before);
    static void FillEffectCombo(QComboBox* list);
    QStringList selectedIdealWords() const;

    Page currentPage_ = Page::FrameIntro;

    QStackedWidget* pages_ = nullptr;
    QFrame* FrameIntro = nullptr;
    QFrame* FramePValue = nullptr;
    QFrame* FrameObjectives = nullptr;
    QFrame* FrameWeights = nullptr;
    QFrame* FrameFinalScores = nullptr;

    ResultsTextBox* RichTextBoxIdealPtTitle = nullptr;
    ResultsTextBox* RichTextBoxIdealPtDefinition = nullptr;
    QLabel* LabelPValue = nullptr;
    QLineEdit* TextPValue = nullptr;
    ResultsTextBox* RichTextBoxExplainP = nullptr;
    std::array<QLabel*, Rows> LabelCriteriaObjective{};
    std::array<QComboBox*, Rows> ComboCriteria{};
    QPushButton* CommandResetObjectives = nullptr;
    std::array<QLabel*, Rows> LabelCriteria{};
    std::array<QSlider*, Rows> Sliders{}; // row k stands for criterion k
    QPushButton* CommandReset = nullptr;
    QLabel* LabelFinalScreen = nullptr;
    ResultsTextBox* RichTextBoxFinalRank = nullptr;
    QLabel* LabelRankingNote = nullptr;

    QPushButton* CommandBack = nullptr;
    QPushButton* CommandNext = nullptr;
    QPushButton* CommandCancel = nullptr;
    QPushButton* CommandFinish = nullptr;
};

namespace forms {
inline FormHandle<talvo::frmMCDM> frmMCDM;
} // namespace forms

} // namespace talvo
