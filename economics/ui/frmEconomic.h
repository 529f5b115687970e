#pragma once

#include "economics/core/EconomicAnswers.h"
#include "economics/core/EconomicPageLayout.h"
#include "platform/ui/ComponentHost.h"
#include "platform/ui/FormHandle.h"

#include <QStringList>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;

namespace talvo {

class ResultsTextBox;
class TextGrid;

// The farm-level cost/benefit wizard: an introduction listing the final countermeasures, the farm-data questions,
// up to three pages of economic variables and the summary grid. Its rules live in economics/core and its lasting
// variables in TheEconomicSession(); the window holds only its controls and the question widgets it placed.
class frmEconomic : public QWidget
{
    Q_OBJECT

public:
    explicit frmEconomic(QWidget* parent = nullptr);

    // The page on show; kept as a value, so it is known while the window itself is hidden.
    EconomicFrame CurrentFrame() const { return current_; }

    // The window's event handlers.
    void Form_Load();
    void CommandNext_Click();
    void CommandBack_Click();
    void CommandCancel_Click();
    void CommandFinish_Click();

    // Fills a grid with the summary of the final countermeasures' costs and benefits as the catalogue holds them.
    static void FillEcSpreadSheet(TextGrid& Grid);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showFrame(EconomicFrame frame);
    void enterFrameIfNew(EconomicFrame before);
    QWidget* container(EconomicFrame frame) const;
    void enterPage(QWidget* page);
    // The question that a message shown on Next is about: the topmost unanswered one of the page shown.
    QWidget* messageSubject() const;
    std::vector<UnansweredQuestion> unansweredOnPage() const;
    std::vector<int> variableRecordsOn(EconomicFrame frame) const;
    void unloadWindow();

    // Each returns false, with the page emptied again, when a question widget could not be made (the failure
    // has been reported); the user then stays where they were.
    bool FillCostQuestionsFrame();
    void EmptyCostQuestionsFrame();
    bool FillEconomicQuestionsFrames();
    void EmptyEconomicQuestionsFrames();

    QuestionControl addQuestion(const EconomicQuestionPlacement& place, QStringList& placed);
    QuestionControl addCropQuestion(Single top);
    void applyStoredAnswer(QuestionControl& control, int record);
    ObjectEventHandler handlerFor(int record);
    void removeQuestions(QStringList& placed);

    QFrame* FrameIntro = nullptr;
    QFrame* FrameEcQuestions1 = nullptr;
    QFrame* FrameEcQuestions2 = nullptr;
    QFrame* FrameEcQuestions3 = nullptr;
    QFrame* FrameEcQuestions4 = nullptr;
    QFrame* FrameFinal = nullptr;
    // The farm-data page can need more rows than the frame is high; its questions stand in a scrolled surface.
    QScrollArea* ScrollEcQuestions1 = nullptr;
    QWidget* SurfaceEcQuestions1 = nullptr;
    QLabel* LabelIntro = nullptr;
    QLabel* LabelQuestions = nullptr;
    QLabel* LabelChangeVariables1 = nullptr;
    QLabel* LabelChangeVariables2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelSummary = nullptr;
    ResultsTextBox* RichTextBoxIntro = nullptr;
    TextGrid* MSFlexGridSummary = nullptr;
    QPushButton* CommandBack = nullptr;
    QPushButton* CommandNext = nullptr;
    QPushButton* CommandFinish = nullptr;
    QPushButton* CommandCancel = nullptr;

    EconomicFrame current_ = EconomicFrame::FrameIntro;
    bool loaded_ = false;
    // Decided when the wizard opens, so the question stays on the page once it is answered.
    bool askCrop_ = false;
    // Names of the widgets placed on the farm-data page and on the variable pages. Removal goes by these rather
    // than by the flags, which a file read while the wizard is open may change.
    QStringList costQuestions_;
    QStringList variableQuestions_;
    std::vector<EconomicQuestionPlacement> variablePlaces_;
    ComponentHost host_;
};

namespace forms {
inline FormHandle<talvo::frmEconomic> frmEconomic;
} // namespace forms

} // namespace talvo
