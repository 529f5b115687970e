#include "selection/core/LimitationHandlers.h"

#include "selection/core/LimitationAnswers.h"

namespace talvo {
namespace {

QString listMessage(int index)
{
    switch (index) {
    case lq::SoilDepth:
        return QStringLiteral("Please select from the soil depth options provided in the drop down box.");
    case lq::Stoniness30:
    case lq::Stoniness60:
        return QStringLiteral("Please select from the stoniness options provided in the drop down box.");
    case lq::Rocks:
        return QStringLiteral("Please select from the rock depth options provided in the drop down box.");
    case lq::DrainDepth:
        return QStringLiteral("Please select from the drain depth options provided in the drop down box.");
    case lq::SoilWetness:
        return QStringLiteral("Please select from the soil wetness options provided in the drop down box.");
    case lq::Drainage:
        return QStringLiteral("Please select from the drainage options provided in the drop down box.");
    case lq::SoilType:
        return QStringLiteral("Please select from the soil type options provided in the drop down box.");
    case lq::FertiliseFrequency:
        return QStringLiteral("Please select from the fertiliser frequency options provided in the drop down box.");
    case lq::LandSuitabilityClass:
        return QStringLiteral("Please select from the land suitability options provided in the drop down box.");
    case lq::ExistCrop:
        return QStringLiteral("Please select from the crop options provided in the drop down box.");
    default: // mowing share, animal sale, rough grazing
        return QStringLiteral("Please select from the options provided in the drop down box.");
    }
}

// The list widget raises "Click" and then "QuestionAnswered" for one choice; each handler listens to one.
QString listEvent(int index)
{
    switch (index) {
    case lq::DrainDepth:
    case lq::Drainage:
    case lq::PercentGrassMowed:
    case lq::ExistCrop:
        return EventClick;
    default:
        return EventQuestionAnswered;
    }
}

void show(LimitationEventOutcome& outcome, int index, bool visible)
{
    outcome.Visibility.push_back({index, LimitationWidgetReference(index), visible});
}

void yesNoFollowUps(LimitationEventOutcome& outcome, const SelectionSession& session, int index, bool yes)
{
    switch (index) {
    case lq::KnowCEC:
        show(outcome, lq::CEC, yes);
        if (session.PotassiumAssessed) {
            show(outcome, lq::Kstatus, !yes);
            outcome.CECRequired = yes;
            outcome.KStatusRequired = !yes;
        }
        break;
    case lq::Fertilise:
        show(outcome, lq::GrazingN, yes);
        show(outcome, lq::GrazingP, yes);
        show(outcome, lq::FertiliseFrequency, yes);
        break;
    case lq::HousingAvail:
        show(outcome, lq::HouseCapacity, yes);
        break;
    default:
        break;
    }
}

MessageRequest plainBox(const QString& text)
{
    return MessageRequest{text, MessageIcon::None, MessageButtons::OK, QString()};
}

} // namespace

LimitationEventOutcome LimitationEventRule(const SelectionSession& session, int index, const QString& eventName,
                                           const QVariant& answer)
{
    LimitationEventOutcome outcome;
    if (index < lq::First || index > lq::Last)
        return outcome;

    switch (LimitationQuestionKind(index)) {
    case QuestionKind::Text:
        // Stored as typed; a text that is not a number is met only where the rules read it.
        outcome.Store = answer.toString();
        break;
    case QuestionKind::YesNo:
        if (eventName == EventQuestionAnsweredYes || eventName == EventQuestionAnsweredNo) {
            const bool yes = eventName == EventQuestionAnsweredYes;
            outcome.Store = yes ? answer::Yes : answer::No;
            yesNoFollowUps(outcome, session, index, yes);
        }
        break;
    case QuestionKind::List:
        if (eventName == EventKeyPress) {
            outcome.Message = plainBox(listMessage(index));
        } else if (eventName == listEvent(index)) {
            bool isNumber = false;
            const int position = answer.toInt(&isNumber);
            const QStringList& options = LimitationAnswerOptions(index);
            if (!isNumber) {
                break;
            } else if (position == -1) {
                outcome.Message = plainBox(listMessage(index));
            } else if (position >= 0 && position < options.size()) {
                outcome.Store = options.at(position);
                if (index == lq::PercentGrassMowed) {
                    const bool over = outcome.Store == answer::MowedOver10;
                    show(outcome, lq::MowingN, over);
                    show(outcome, lq::MowingP, over);
                }
            }
        }
        break;
    }
    return outcome;
}

LimitationEventOutcome HandleLimitationEvent(AssessmentState& state, SelectionSession& session, int index,
                                             const QString& eventName, const QVariant& answer)
{
    LimitationEventOutcome outcome = LimitationEventRule(session, index, eventName, answer);
    if (outcome.Store)
        state.LimitationQuestions(index).AnswerText = *outcome.Store;
    if (outcome.CECRequired)
        session.CECRequired = *outcome.CECRequired;
    if (outcome.KStatusRequired)
        session.KStatusRequired = *outcome.KStatusRequired;
    return outcome;
}

} // namespace talvo
