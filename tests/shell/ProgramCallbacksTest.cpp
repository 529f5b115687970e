#include "shell/ProgramCallbacks.h"
#include "casefile/core/EvaluationFile.h"
#include "casefile/core/EvaluationFileApply.h"
#include "economics/core/EconomicSession.h"
#include "tests/casefile/CaseFileTestSupport.h"

#include <gtest/gtest.h>

using namespace talvo;
using namespace talvo::test;

namespace {

// Reopening a saved assessment rebuilds, through the real selection and economic rules, the texts the file
// does not hold.
TEST(ProgramCallbacks, ReopenedFileRebuildsTheLimitationAndEconomicTexts)
{
    AssessmentState state = FreshState();
    const auto content = ParseEvaluationFile(ReadTestData(QStringLiteral("both.tlv")), nullptr);
    ASSERT_TRUE(content.has_value());
    const ResultsWindowUpdate update =
        ApplyEvaluationFile(*content, state, ProgramCaseFileCallbacks(), OpenPurpose::UserOpen, QDateTime());

    EXPECT_TRUE(state.LimitationQuestions(0).Needed);
    EXPECT_TRUE(update.LimitationsInformation.contains(state.LimitationQuestions(0).QuestionText));
    // The stored CEC-known answer wins over what the lime countermeasure presets.
    EXPECT_EQ(state.LimitationQuestions(9).AnswerText, QStringLiteral("No"));

    ASSERT_TRUE(update.EconomicInformation.has_value());
    EXPECT_FALSE(update.EconomicInformation->isEmpty());
    EXPECT_EQ(*update.EconomicInformation, TheEconomicSession().EconomicVariablesText);
    EXPECT_TRUE(state.EconomicQuestions(6).Needed);
    EXPECT_TRUE(update.EconomicInformation->contains(state.EconomicQuestions(6).QuestionText));
}

} // namespace
