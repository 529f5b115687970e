// The site question pages of the selection wizard: the widgets are made by ProgID through the component host,
// and every event of one goes to the handler of its question.
#include "selection/ui/frmDepoAndAg.h"

#include "platform/core/Seams.h"
#include "selection/core/LimitationAnswers.h"
#include "selection/core/LimitationAssessment.h"
#include "selection/core/LimitationHandlers.h"
#include "selection/core/LimitationLayout.h"
#include "tables/core/AssessmentState.h"

#include <QListWidget>

namespace talvo {

void frmDepoAndAg::AssessSelectedCountermeasures()
{
    const LimitationLayout layout =
        talvo::AssessSelectedCountermeasures(TheAssessment(), TheSelectionSession(), selectedCountermeasureItems());
    for (const PlacedQuestion& placed : layout.Questions)
        placeQuestion(placed);
}

void frmDepoAndAg::placeQuestion(const PlacedQuestion& placed)
{
    const int index = placed.Index;
    // <reference>_ObjectEvent: the widget is bound to its question here, never found again by its name.
    QuestionControl control =
        host_.Add(placed.ProgID, placed.ControlName, frameOf(placed.Frame),
                  [this, index](const QString& eventName, QVariantList&) { LimitationObjectEvent(index, eventName); });
    questionWidgets_.at(static_cast<std::size_t>(index)) = control;
    if (!control)
        return; // reported by the host; the page goes on without it
    control.Move(placed.Left, placed.Top, placed.Width, placed.Height);
    control.SetProperty("Question", placed.Question);
    for (const QString& option : placed.AnswerOptions)
        control.Call("AddAnswerOption", {option});
    control.SetVisible(placed.Visible);
    if (placed.Answer)
        control.SetProperty("Answer", *placed.Answer);
}

void frmDepoAndAg::EmptyLimitationsFrame()
{
    for (const QString& name : talvo::EmptyLimitationsFrame(TheAssessment(), TheSelectionSession()))
        host_.Remove(name);
    questionWidgets_.fill(QuestionControl());
}

void frmDepoAndAg::LimitationObjectEvent(int index, const QString& eventName)
{
    QuestionControl& widget = questionWidgets_.at(static_cast<std::size_t>(index));
    // Text and list handlers read the widget's answer; a yes/no handler needs only the event's name.
    QVariant answer;
    if (LimitationQuestionKind(index) != QuestionKind::YesNo)
        answer = widget.Property("Answer");
    const LimitationEventOutcome outcome =
        HandleLimitationEvent(TheAssessment(), TheSelectionSession(), index, eventName, answer);
    for (const VisibilityChange& change : outcome.Visibility)
        questionWidgets_.at(static_cast<std::size_t>(change.Index)).SetVisible(change.Visible);
    if (outcome.Message)
        ShowMessage(*outcome.Message);
}

} // namespace talvo
