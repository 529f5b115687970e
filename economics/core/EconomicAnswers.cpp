#include "economics/core/EconomicAnswers.h"

#include "economics/core/EconomicPageLayout.h"
#include "platform/core/NumberForms.h"
#include "tables/core/ReferenceTables.h"

namespace talvo {
namespace {

const char* const MissingCostTexts[42] = {
    "You must answer how many milking cows are on the farm before proceeding.",
    "You must answer whether barley is grown on the farm or bought in before proceeding.",
    "You must answer how many hectares of the farm are used to produce barley before proceeding.",
    "You must estimate the average cow weight before proceeding.",
    "You must estimate the area that could be afforested before proceeding.",
    "You must estimate the area of grassland that could be converted to barley before proceeding.",
    "You must answer how many lambs are finished on the farm before proceeding.",
    "You must answer how many lambs are on the farm in total before proceeding.",
    "You must estimate the weight of an average finished lamb before proceeding.",
    "You must input the existing level of K fertiliser before proceeding.",
    "You must whether there is fertilising machinerary available on the farm or not before proceeding.",
    "You must answer whether the existing supply of roughage is contaminated or not before proceeding.",
    "You must answer whether the existing supply of concentrate is contaminated or not before proceeding.",
    "You must answer how many beef cattle are finished on the farm before proceeding.",
    "You must answer how many summer beef cattle are finished on the farm before proceeding.",
    "You must estimate the weight of the finishing beef cattle before proceeding.",
    "You must answer how many upland beef cattle are finished on the farm before proceeding.",
    "You must answer whether ploughing equiptment is available on the farm or not before proceeding.",
    "You must estimate the expected spring oil seed rape yield before proceeding.",
    "You must input the total area that the existing crop is grown on before proceeding.",
    "You must input the winter wheat grain yield before proceeding.",
    "You must input the winter barley grain yield before proceeding.",
    "You must input the spring barley grain yield before proceeding.",
    "You must input the potato yield before proceeding.",
    "You must input the swede yield before proceeding.",
    "You must input the barley yield before proceeding.",
    "You must estimate the area of land that needs to be limed before proceeding.",
    "You must estimate the area of land that needs to be K fertilised before proceeding.",
    "You must estimate the area of land that could be improved before proceeding.",
    "You must estimate the area of land that could be intensified before proceeding.",
    "You must estimate the number of weaned lambs on the farm before proceeding.",
    "You must estimate the weight of weaned lambs before proceeding.",
    "You must estimate how many deers are on the farm before proceeding.",
    "You must enter the current level of Calcium fed to livestock before proceeding.",
    "You must estimate how many Red Deer stags will be killed by paying stalkers this season before proceeding.",
    "You must estimate how many Red Deer hinds will be killed by paying stalkers this season before proceeding.",
    "You must estimate how many Red Deer will be culled this season before proceeding.",
    "You must estimate the average weight of a culled deer before proceeding.",
    "You must answer whether there are sufficient indoor feeding facilities for fattening lambs before proceeding.",
    "You must answer how many tupped ewes are on the farm before proceeding.",
    "You must answer how many tupped ewes are on the farm before proceeding.",
    "You must input the average ewe weight before proceeding.",
};

const QString MissingCostTitle = QStringLiteral("Missing Cost Information");

// The records from here on show their message in a plain box.
constexpr int FirstPlainBoxRecord = 24;

bool answerMissing(const EconomicQuestionRecord& question)
{
    if (question.AnswerText.isEmpty())
        return true;
    return question.ProgID == ProgIDTextBox && !ParseShownNumber(question.AnswerText);
}

} // namespace

void StoreTypedAnswer(EconomicQuestionRecord& question, const QString& text)
{
    question.AnswerText = text;
    if (const auto value = ParseShownNumber(text))
        question.AnswerValue = *value;
}

std::optional<bool> StoreYesNoAnswer(AssessmentState& state, int record, const QString& eventName)
{
    bool yes = false;
    if (eventName == QStringLiteral("QuestionAnsweredYes"))
        yes = true;
    else if (eventName != QStringLiteral("QuestionAnsweredNo"))
        return std::nullopt;
    state.EconomicQuestions(record).AnswerText = yes ? QStringLiteral("Yes") : QStringLiteral("No");
    if (record != BarleyGrownRecord)
        return std::nullopt;
    return yes;
}

MessageRequest MissingCostMessage(int record)
{
    if (record < FirstFarmDataQuestion || record > LastFarmDataQuestion)
        throw SubscriptOutOfRange(record, FirstFarmDataQuestion, LastFarmDataQuestion);
    MessageRequest request;
    request.text = QString::fromLatin1(MissingCostTexts[record]);
    request.buttons = MessageButtons::OK;
    if (record < FirstPlainBoxRecord) {
        request.icon = MessageIcon::Exclamation;
        request.title = MissingCostTitle;
    }
    return request;
}

bool CropQuestionNeeded(const AssessmentState& state)
{
    if (state.AgricultureType != QLatin1String("Arable Production") ||
        !state.LimitationQuestions(CropQuestionRecord).AnswerText.isEmpty())
        return false;
    for (int i = 0; i < state.NumberOfCountermeasures; ++i) {
        for (int k = FirstCropCountermeasure; k <= LastCropCountermeasure; ++k) {
            if (state.FinalCountermeasures(i) == state.Countermeasures(k).Name)
                return true;
        }
    }
    return false;
}

MessageRequest MissingCropMessage()
{
    return MessageRequest{QStringLiteral("You must select the crop before proceeding."), MessageIcon::Exclamation,
                          MessageButtons::OK, MissingCostTitle};
}

std::vector<UnansweredQuestion> UnansweredCostQuestions(const AssessmentState& state, bool cropAsked)
{
    std::vector<UnansweredQuestion> unanswered;
    for (int record : FarmDataCheckOrder()) {
        const EconomicQuestionRecord& question = state.EconomicQuestions(record);
        if (!question.Needed)
            continue;
        if (record == BarleyAreaRecord && !BarleyAreaVisible(state))
            continue;
        if (answerMissing(question))
            unanswered.push_back({question.ControlName, MissingCostMessage(record)});
    }
    const LimitationQuestionRecord& crop = state.LimitationQuestions(CropQuestionRecord);
    if (cropAsked && crop.AnswerText.isEmpty())
        unanswered.push_back({crop.ControlName, MissingCropMessage()});
    return unanswered;
}

std::vector<MessageRequest> CheckAllCostQuestionsAnswered(const AssessmentState& state, bool cropAsked)
{
    std::vector<MessageRequest> messages;
    for (const UnansweredQuestion& question : UnansweredCostQuestions(state, cropAsked))
        messages.push_back(question.Message);
    return messages;
}

std::vector<UnansweredQuestion> UnansweredEconomicVariables(const AssessmentState& state,
                                                            const std::vector<int>& records)
{
    std::vector<UnansweredQuestion> unanswered;
    for (int record : records) {
        const EconomicQuestionRecord& question = state.EconomicQuestions(record);
        if (ParseShownNumber(question.AnswerText))
            continue;
        const QString text =
            QStringLiteral("You must enter a number for \"%1\" before proceeding.").arg(question.QuestionText);
        unanswered.push_back({question.ControlName,
                              MessageRequest{text, MessageIcon::Exclamation, MessageButtons::OK, MissingCostTitle}});
    }
    return unanswered;
}

} // namespace talvo
