#include "selection/core/LimitationCompleteness.h"

#include "platform/core/NumberForms.h"
#include "selection/core/LimitationAnswers.h"

#include <array>

namespace talvo {
namespace {

enum class Condition { Always, CECRequired, KStatusRequired, MowedOver10, Fertilises, HousingAvailable };

struct AnswerCheck
{
    int index;
    Condition condition;
    const char16_t* message;
};

const std::array<AnswerCheck, 33> answerChecks = {{
    {lq::Slope, Condition::Always, u"You must answer the question about slope before proceeding."},
    {lq::SoilDepth, Condition::Always, u"You must answer the soil depth question before proceeding."},
    {lq::Stoniness30, Condition::Always,
     u"You must answer the soil stoniness (assessed to 30 cm) question before proceeding."},
    {lq::Stoniness60, Condition::Always,
     u"You must answer the soil stoniness (assessed to 60 cm) question before proceeding."},
    {lq::Rocks, Condition::Always, u"You must answer the soil rockiness question before proceeding."},
    {lq::DrainDepth, Condition::Always, u"You must answer the soil drain depth question before proceeding."},
    {lq::SoilWetness, Condition::Always, u"You must answer the soil wetness question before proceeding."},
    {lq::Drainage, Condition::Always, u"You must answer the soil drainage question before proceeding."},
    {lq::CEC, Condition::CECRequired, u"You must answer the cation exchange capacity question before proceeding."},
    {lq::KnowCEC, Condition::Always,
     u"You must answer whether you know the cation exchange capacity or not before proceeding."},
    {lq::SoilType, Condition::Always, u"You must answer the soil type question before proceeding."},
    {lq::Fertilise, Condition::Always,
     u"You must answer whether you use fertilise your land or not before proceeding."},
    {lq::HousingAvail, Condition::Always,
     u"You must answer whether there is housing available or not before proceeding."},
    {lq::CleanFeedAvail, Condition::Always,
     u"You must answer whether there is clean feed available or not before proceeding."},
    {lq::FeedFacAvail, Condition::Always,
     u"You must answer whether there are feeding facilities available or not before proceeding."},
    {lq::Elev, Condition::Always, u"You must answer the elevation question before proceeding."},
    {lq::PercentGrassMowed, Condition::Always,
     u"You must answer the percentage of grass mowed question before proceeding."},
    {lq::MowingN, Condition::MowedOver10,
     u"You must answer the question about the amount of N applied to mowing grass before proceeding."},
    {lq::MowingP, Condition::MowedOver10,
     u"You must answer the question about the amount of P applied to mowing grass before proceeding."},
    {lq::GrazingN, Condition::Fertilises,
     u"You must answer the question about the amount of N applied to grazing grass before proceeding."},
    {lq::GrazingP, Condition::Fertilises,
     u"You must answer the question about the amount of P applied to grazing grass before proceeding."},
    {lq::FertiliseFrequency, Condition::Fertilises,
     u"You must answer the question about the frequency of fertiliser application before proceeding."},
    {lq::StockDensity, Condition::Always, u"You must answer the question about stocking density before proceeding."},
    {lq::HouseCapacity, Condition::HousingAvailable,
     u"You must answer the question about animal housing capacity before proceeding."},
    {lq::NumDaysHoused, Condition::Always,
     u"You must answer the question about the number of days that the animals are housed before proceeding."},
    {lq::EnrgyConcentrate, Condition::Always,
     u"You must answer the question about the percentage of energy the animals receive from concentrate before "
     u"proceeding."},
    {lq::Kstatus, Condition::KStatusRequired,
     u"You must answer the question about the soil K status before proceeding."},
    {lq::LandSuitabilityClass, Condition::Always,
     u"You must select a land suitability class for the area you are assessing before proceeding."},
    {lq::pH, Condition::Always, u"You must answer the question about soil pH before proceeding."},
    {lq::AnimalSell, Condition::Always,
     u"You must answer the question about how your animals are primarily sold before proceeding."},
    {lq::RoughGrazing, Condition::Always,
     u"You must answer the question about what your rough grazing land primarily consists of before proceeding."},
    {lq::CleanConcAvailable, Condition::Always,
     u"You must answer the question about whether clean concentrate is available for purchase or not before "
     u"proceeding."},
    {lq::PeatySurfaceDepth, Condition::Always,
     u"You must answer the question about whether your soil has a peaty surface layer greater than 20cm before "
     u"proceeding."},
}};

const QString& answerOf(const AssessmentState& state, int index)
{
    return state.LimitationQuestions(index).AnswerText;
}

bool holds(Condition condition, const AssessmentState& state, const SelectionSession& session)
{
    switch (condition) {
    case Condition::Always:
        return true;
    case Condition::CECRequired:
        return session.CECRequired;
    case Condition::KStatusRequired:
        return session.KStatusRequired;
    case Condition::MowedOver10:
        return answerOf(state, lq::PercentGrassMowed) == answer::MowedOver10;
    case Condition::Fertilises:
        return answerOf(state, lq::Fertilise) == answer::Yes;
    case Condition::HousingAvailable:
        return answerOf(state, lq::HousingAvail) == answer::Yes;
    }
    return true;
}

bool missing(const AssessmentState& state, int index)
{
    const QString& text = answerOf(state, index);
    if (text.isEmpty())
        return true;
    // "-" or "." would otherwise pass here and then count as some number in the rules.
    return IsNumericLimitationQuestion(index) && !ParseTypedNumber(text).has_value();
}

// The checks whose question is needed, shown under the session's conditions, and not answered, in check order.
std::vector<const AnswerCheck*> failedChecks(const AssessmentState& state, const SelectionSession& session)
{
    std::vector<const AnswerCheck*> failed;
    for (const AnswerCheck& check : answerChecks) {
        if (state.LimitationQuestions(check.index).Needed && missing(state, check.index) &&
            holds(check.condition, state, session))
            failed.push_back(&check);
    }
    return failed;
}

} // namespace

std::vector<int> MissingLimitationAnswers(const AssessmentState& state, const SelectionSession& session)
{
    std::vector<int> indexes;
    for (const AnswerCheck* check : failedChecks(state, session))
        indexes.push_back(check->index);
    return indexes;
}

std::vector<MessageRequest> CheckAllQuestionsAnswered(const AssessmentState& state, SelectionSession& session)
{
    // Derived rather than left from an earlier answer, which after Back may demand a question now hidden.
    const bool potassiumOnly = session.PotassiumAssessed && !session.LimeAssessed;
    session.CECRequired = potassiumOnly && answerOf(state, lq::KnowCEC) == answer::Yes;
    session.KStatusRequired = potassiumOnly && answerOf(state, lq::KnowCEC) == answer::No;

    std::vector<MessageRequest> boxes;
    for (const AnswerCheck* check : failedChecks(state, session)) {
        boxes.push_back(MessageRequest{QString::fromUtf16(check->message), MessageIcon::Exclamation, MessageButtons::OK,
                                       MissingLimitationTitle});
    }
    return boxes;
}

QString SetLimitationInformation(const AssessmentState& state)
{
    QString text;
    auto line = [&](int index) {
        const LimitationQuestionRecord& question = state.LimitationQuestions(index);
        if (question.Needed)
            text += question.QuestionText + QStringLiteral("     ") + question.AnswerText + QStringLiteral("\r\n");
    };
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 9, 8, 10, 11, 12, 13, 14, 15, 18})
        line(index);
    if (answerOf(state, lq::PercentGrassMowed) == answer::MowedOver10) {
        line(lq::MowingN);
        line(lq::MowingP);
    }
    if (answerOf(state, lq::Fertilise) == answer::Yes) {
        line(lq::GrazingN);
        line(lq::GrazingP);
        line(lq::FertiliseFrequency);
    }
    for (int index = 22; index <= 32; ++index)
        line(index);
    return text;
}

} // namespace talvo
