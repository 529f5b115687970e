#include "economics/core/EconomicInformation.h"

#include "economics/core/EconomicPageLayout.h"
#include "platform/core/NumberForms.h"
#include "tables/core/ReferenceTables.h"

namespace talvo {
namespace {

void appendEntry(QString& text, const EconomicQuestionRecord& question, const QString& answer)
{
    text += QStringLiteral("\r\n") + question.QuestionText + QLatin1Char('\t') + answer;
}

} // namespace

const QString& WriteEconomicInformation(const AssessmentState& state, EconomicSession& session)
{
    QString text;
    for (int record : FarmDataCheckOrder()) {
        const EconomicQuestionRecord& question = state.EconomicQuestions(record);
        if (question.Needed)
            appendEntry(text, question, question.AnswerText);
    }
    for (int record = FirstEconomicVariable; record <= LastEconomicVariable; ++record) {
        const EconomicQuestionRecord& question = state.EconomicQuestions(record);
        if (question.Needed)
            appendEntry(text, question, FormatStandard(question.AnswerValue));
    }
    session.EconomicVariablesText = text;
    return session.EconomicVariablesText;
}

} // namespace talvo
