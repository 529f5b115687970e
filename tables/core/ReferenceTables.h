#pragma once

#include "tables/core/AssessmentState.h"

namespace talvo {

// The initialisers of the reference tables. Start-up calls them once, in this order.
void InitialiseCriteria(AssessmentState& state);       // criteria, NumberOfCriteria = 10, PValue = 1
void InitialiseChartColours(AssessmentState& state);   // series colours 0 to 9
void InitialiseCountermeasures(AssessmentState& state); // catalogue and the two status messages
void InitialiseLimitationQuestions(AssessmentState& state);
void InitialiseEconomicQuestions(AssessmentState& state); // with the default values of 42 to 136

// All five, in the start-up order.
void InitialiseReferenceTables(AssessmentState& state);

// ProgIDs of the three question widgets.
inline const QString ProgIDTextBox = QStringLiteral("PromptEdit.QuestionTxtBx");
inline const QString ProgIDYesNo = QStringLiteral("PromptToggle.UserControlPromptToggle");
inline const QString ProgIDList = QStringLiteral("ProjectPromptList.PromptList");

// Index ranges of the tables.
constexpr int FirstFarmDataQuestion = 0;
constexpr int LastFarmDataQuestion = 41;
constexpr int FirstEconomicVariable = 42;
constexpr int LastEconomicVariable = 136;
constexpr int EmptyCountermeasureSlot = 53;

} // namespace talvo
