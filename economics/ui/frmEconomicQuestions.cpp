// The question pages of the cost/benefit wizard: placing the widgets, their answer handlers and their removal.
#include "economics/ui/frmEconomic.h"

#include "economics/core/EconomicAnswers.h"
#include "economics/core/EconomicSession.h"
#include "platform/core/NumberForms.h"
#include "platform/core/Twips.h"
#include "selection/core/LimitationAnswers.h"
#include "selection/core/LimitationHandlers.h"
#include "tables/core/ReferenceTables.h"

#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace talvo {
namespace {

// Room left under the last farm-data row when the page must scroll.
constexpr int BottomMarginTwips = 145;

} // namespace

QuestionControl frmEconomic::addQuestion(const EconomicQuestionPlacement& place, QStringList& placed)
{
    const EconomicQuestionRecord& question = TheAssessment().EconomicQuestions(place.Record);
    QuestionControl control =
        host_.Add(question.ProgID, question.ControlName, container(place.Frame), handlerFor(place.Record));
    if (!control)
        return control;
    placed << question.ControlName;
    control.Move(static_cast<int>(place.Left), static_cast<int>(place.Top), static_cast<int>(EconomicQuestionWidth),
                 static_cast<int>(EconomicQuestionHeight));
    control.SetProperty("Question", question.QuestionText);
    return control;
}

// The selection wizard's crop question, answered into its limitation record by that wizard's own rule.
QuestionControl frmEconomic::addCropQuestion(Single top)
{
    const LimitationQuestionRecord& crop = TheAssessment().LimitationQuestions(CropQuestionRecord);
    const QString name = crop.ControlName;
    QuestionControl control =
        host_.Add(crop.ProgID, name, SurfaceEcQuestions1, [this, name](const QString& eventName, QVariantList&) {
            const LimitationEventOutcome outcome =
                HandleLimitationEvent(TheAssessment(), TheSelectionSession(), CropQuestionRecord, eventName,
                                      host_.Find(name).Property("Answer"));
            if (outcome.Message)
                ShowMessage(*outcome.Message);
        });
    if (!control)
        return control;
    costQuestions_ << name;
    control.Move(125, static_cast<int>(top), static_cast<int>(EconomicQuestionWidth),
                 static_cast<int>(EconomicQuestionHeight));
    control.SetProperty("Question", crop.QuestionText);
    const QStringList& options = LimitationAnswerOptions(CropQuestionRecord);
    for (const QString& option : options)
        control.Call("AddAnswerOption", {option});
    control.SetVisible(true);
    if (const qsizetype stored = options.indexOf(crop.AnswerText); stored >= 0)
        control.SetProperty("Answer", static_cast<int>(stored));
    return control;
}

// A farm-data widget shows the answer stored in its record; setting it raises the widget's own answer event,
// whose handler stores the same answer again.
void frmEconomic::applyStoredAnswer(QuestionControl& control, int record)
{
    const EconomicQuestionRecord& question = TheAssessment().EconomicQuestions(record);
    if (question.ProgID != ProgIDYesNo) {
        control.SetProperty("Answer", question.AnswerText);
        return;
    }
    if (question.AnswerText == QStringLiteral("No"))
        control.SetProperty("AnswerNo", true);
    else if (question.AnswerText == QStringLiteral("Yes"))
        control.SetProperty("AnswerYes", true);
}

ObjectEventHandler frmEconomic::handlerFor(int record)
{
    const EconomicQuestionRecord& question = TheAssessment().EconomicQuestions(record);
    const QString name = question.ControlName;
    if (question.ProgID == ProgIDYesNo) {
        return [this, record](const QString& eventName, QVariantList&) {
            AssessmentState& state = TheAssessment();
            if (const std::optional<bool> showArea = StoreYesNoAnswer(state, record, eventName))
                host_.Find(state.EconomicQuestions(BarleyAreaRecord).ControlName).SetVisible(*showArea);
        };
    }
    // A text question takes the widget's text on every event, whatever its name.
    return [this, record, name](const QString&, QVariantList&) {
        const QuestionControl control = host_.Find(name);
        if (!control)
            return;
        StoreTypedAnswer(TheAssessment().EconomicQuestions(record), control.Property("Answer").toString());
    };
}

void frmEconomic::removeQuestions(QStringList& placed)
{
    for (const QString& name : std::as_const(placed))
        host_.Remove(name);
    placed.clear();
}

bool frmEconomic::FillCostQuestionsFrame()
{
    AssessmentState& state = TheAssessment();
    removeQuestions(costQuestions_);
    const std::vector<EconomicQuestionPlacement> places = FarmDataPageLayout(state, TheEconomicSession());
    int bottom = 0;
    bool barleyAnswerDue = false;
    QuestionControl barleyQuestion;
    for (const EconomicQuestionPlacement& place : places) {
        QuestionControl control = addQuestion(place, costQuestions_);
        if (!control) {
            removeQuestions(costQuestions_);
            return false;
        }
        // The barley question is answered only once its follow-up exists, so that its answer event can show it.
        if (place.Record == BarleyGrownRecord) {
            barleyQuestion = control;
            barleyAnswerDue = true;
        } else {
            applyStoredAnswer(control, place.Record);
        }
        control.SetVisible(place.Visible);
        if (place.Record == BarleyAreaRecord && barleyAnswerDue) {
            applyStoredAnswer(barleyQuestion, BarleyGrownRecord);
            barleyAnswerDue = false;
        }
        bottom = std::max(bottom, static_cast<int>(place.Top + EconomicQuestionHeight));
    }
    if (barleyAnswerDue)
        applyStoredAnswer(barleyQuestion, BarleyGrownRecord);
    if (askCrop_) {
        const Single top = NextFarmDataRowTop(TheEconomicSession());
        if (!addCropQuestion(top)) {
            removeQuestions(costQuestions_);
            return false;
        }
        bottom = std::max(bottom, static_cast<int>(top + EconomicQuestionHeight));
    }
    // Rows below the frame's lower edge are reached by scrolling.
    SurfaceEcQuestions1->setMinimumHeight(TwipsToPixels(bottom + BottomMarginTwips));
    ScrollEcQuestions1->verticalScrollBar()->setValue(0);
    return true;
}

void frmEconomic::EmptyCostQuestionsFrame()
{
    removeQuestions(costQuestions_);
    SurfaceEcQuestions1->setMinimumHeight(0);
}

bool frmEconomic::FillEconomicQuestionsFrames()
{
    AssessmentState& state = TheAssessment();
    EmptyEconomicQuestionsFrames();
    const std::vector<EconomicQuestionPlacement> places = EconomicVariablePagesLayout(state, TheEconomicSession());
    for (const EconomicQuestionPlacement& place : places) {
        QuestionControl control = addQuestion(place, variableQuestions_);
        if (!control) {
            EmptyEconomicQuestionsFrames();
            return false;
        }
        variablePlaces_.push_back(place);
        // The widget shows the value the calculation will use: the default, or what was stored last.
        control.SetProperty("Answer", FormatStandard(state.EconomicQuestions(place.Record).AnswerValue));
        control.SetVisible(place.Visible);
    }
    return true;
}

void frmEconomic::EmptyEconomicQuestionsFrames()
{
    removeQuestions(variableQuestions_);
    // A text that is not a number goes with its widget; the next page shows the number in use.
    for (const EconomicQuestionPlacement& place : variablePlaces_) {
        EconomicQuestionRecord& question = TheAssessment().EconomicQuestions(place.Record);
        if (!ParseShownNumber(question.AnswerText))
            question.AnswerText = FormatStandard(question.AnswerValue);
    }
    variablePlaces_.clear();
}

} // namespace talvo
