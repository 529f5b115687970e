#pragma once

#include "platform/core/Seams.h"
#include "tables/core/AssessmentState.h"

#include <optional>
#include <vector>

namespace talvo {

// A text widget's answer (farm data or economic variable), on any of its events: the text is stored as typed;
// the value changes only when the text is a number, so an emptied text or one on its way to a number ("-", ".")
// keeps the previous value.
void StoreTypedAnswer(EconomicQuestionRecord& question, const QString& text);

// A yes/no widget's event on farm-data record `record`: "QuestionAnsweredYes" stores "Yes", "QuestionAnsweredNo"
// stores "No", any other event nothing; the value is never touched. For the barley question the result says
// whether the barley area is now to be shown (true) or hidden (false); otherwise it is empty.
std::optional<bool> StoreYesNoAnswer(AssessmentState& state, int record, const QString& eventName);

// The message a missing answer of farm-data record 0 to 41 shows: records 0 to 23 in an exclamation box titled
// "Missing Cost Information", records 24 to 41 in a plain box with no title of its own.
MessageRequest MissingCostMessage(int record);

// The arable costs depend on the crop, which the evaluation file does not keep: when the wizard opens for
// "Arable Production" with a final countermeasure of catalogue 54 to 61 and no crop answer, its farm-data page
// asks the selection wizard's crop question (limitation record 33) after the farm-data records.
bool CropQuestionNeeded(const AssessmentState& state);
MessageRequest MissingCropMessage();

// One message per needed farm-data answer that is missing, in check order; empty when all are there (the
// wizard's True). A text question whose answer is not a number counts as missing. The barley area counts only
// when the barley question is answered "Yes". When the crop is asked, a missing crop answer comes last.
std::vector<MessageRequest> CheckAllCostQuestionsAnswered(const AssessmentState& state, bool cropAsked = false);

// A question that stops Next: the name of its widget and the box that says so.
struct UnansweredQuestion
{
    QString ControlName;
    MessageRequest Message;
};
// The farm-data check's findings, each with the widget it is about.
std::vector<UnansweredQuestion> UnansweredCostQuestions(const AssessmentState& state, bool cropAsked = false);
// The variables among `records` (42 to 136, the ones on the page left) whose answer is empty or not a number, in
// that order: each gets an exclamation box titled "Missing Cost Information" that asks for a number. No cost is
// computed from a value that its box does not show.
std::vector<UnansweredQuestion> UnansweredEconomicVariables(const AssessmentState& state,
                                                            const std::vector<int>& records);

} // namespace talvo
