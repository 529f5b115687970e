#include "casefile/core/EvaluationFileApply.h"

#include "platform/core/NumberForms.h"

#include <QLocale>

namespace talvo {
namespace {

const QString CrLf = QStringLiteral("\r\n");

void clearForFreshAssessment(AssessmentState& state, const CaseFileCallbacks& callbacks)
{
    for (auto& question : state.LimitationQuestions)
        question.Needed = false;
    InvokeCallback(callbacks.DisableAllLimitationQuestions, state);
    for (auto& question : state.EconomicQuestions)
        question.Needed = false;
    state.NoSuitableCountermeasures.IsSet = false;
    state.NoCountermeasuresNeeded.IsSet = false;
    // The crop is not in the file; an answer left from another assessment would be costed silently.
    state.LimitationQuestions(33).AnswerText.clear();
}

} // namespace

QString LastModifiedCaption(const QDateTime& modified)
{
    const QLocale locale;
    const QString when = locale.toString(modified.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         modified.time().toString(QStringLiteral("HH:mm:ss"));
    return QStringLiteral("LastModified: ") + when;
}

QString ReaderWeightsText(const AssessmentState& state)
{
    QString text;
    for (int j = 0; j < state.NumberOfCriteria; ++j)
        text += CrLf + FormatStandard(state.Criteria(j).Weight) + QStringLiteral("    ") + state.Criteria(j).Name;
    return text;
}

QString ReaderRankingText(const AssessmentState& state)
{
    QString text;
    for (int i = 0; i < state.NumberOfCountermeasures; ++i) {
        const FinalScoreRecord& entry = state.FinalScores(i);
        text = state.FinalCountermeasures(entry.CountermeasureIndex) + QStringLiteral("   (Score =  ") +
               FormatStandard(entry.Score) + QStringLiteral(")") + CrLf + text;
    }
    return text;
}

QString ReaderIdealsText(const AssessmentState& state)
{
    QString text;
    for (int j = 0; j < state.NumberOfCriteria; ++j)
        text += CrLf + state.Criteria(j).Name + QStringLiteral("     Ideal Value = ") +
                FormatStandard(state.IdealValues(j));
    return text;
}

ResultsWindowUpdate ApplyEvaluationFile(const EvaluationFileContent& content, AssessmentState& state,
                                        const CaseFileCallbacks& callbacks, OpenPurpose purpose,
                                        const QDateTime& modified)
{
    ResultsWindowUpdate update;
    if (purpose == OpenPurpose::UserOpen)
        clearForFreshAssessment(state, callbacks);

    // The criteria text comes from the table in memory, before the file's count is taken.
    for (int j = 0; j < state.NumberOfCriteria; ++j)
        update.AssessmentCriteria += CrLf + state.Criteria(j).Name;
    update.LastModified = LastModifiedCaption(modified);

    state.DepositionScenario = content.DepositionScenario;
    update.DepositionSelectedName = state.DepositionScenario;
    state.AgricultureType = content.AgricultureType;
    update.FarmTypeSelectedName = state.AgricultureType;

    const int nc = content.NumberOfCountermeasures;
    const int nk = content.NumberOfCriteria;
    state.NumberOfCountermeasures = static_cast<Integer>(nc);
    state.NumberOfCriteria = static_cast<Integer>(nk);

    QStringList names;
    for (int i = 0; i < nc; ++i) {
        state.FinalCountermeasures(i) = content.FinalCountermeasures[static_cast<std::size_t>(i)];
        InvokeCallback(callbacks.SetLimitationAssessment, state, state.FinalCountermeasures(i));
        names << state.FinalCountermeasures(i);
    }
    update.CountermeasureList = names.join(CrLf);

    for (int i = 0; i < nc; ++i) {
        for (int j = 0; j < nk; ++j)
            state.ScoreMatrix(i, j) = content.Scores[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
    update.FillScoreGrid = !state.NoSuitableCountermeasures.IsSet && !state.NoCountermeasuresNeeded.IsSet;

    for (int r : LimitationAnswerOrder())
        state.LimitationQuestions(r).AnswerText = content.LimitationAnswers[static_cast<std::size_t>(r)];
    update.LimitationsInformation = InvokeCallback(callbacks.SetLimitationInformation, std::as_const(state));

    state.MCDMDone = content.MCDMDone;
    state.EconomicDone = content.EconomicDone;

    if (state.MCDMDone) {
        for (int j = 0; j < nk; ++j)
            state.Criteria(j).Weight = content.Weights[static_cast<std::size_t>(j)];
        update.CriteriaWeights = ReaderWeightsText(state);
        for (int i = 0; i < nc; ++i)
            state.FinalScores(i) = content.FinalScores[static_cast<std::size_t>(i)];
        update.IdealPtResults = ReaderRankingText(state);
        for (int j = 0; j < nk; ++j)
            state.IdealValues(j) = content.IdealValues[static_cast<std::size_t>(j)];
        update.IdealPtIdeals = ReaderIdealsText(state);
        state.PValue = content.PValue;
        update.PUsed = QStringLiteral("P Used = ") + FormatStandard(int{state.PValue});
    }

    if (state.EconomicDone) {
        for (int i = 0; i < nc; ++i)
            state.EconomicResults(i) = content.EconomicResults[static_cast<std::size_t>(i)];
        update.FillCostBenefitGrid = true;
        for (int r = 0; r < 42; ++r)
            state.EconomicQuestions(r).AnswerText = content.EconomicAnswers[static_cast<std::size_t>(r)];
        for (int r = 42; r <= 136; ++r)
            state.EconomicQuestions(r).AnswerValue = content.EconomicValues[static_cast<std::size_t>(r - 42)];
        for (int i = 0; i < nc; ++i)
            InvokeCallback(callbacks.WhichCosts, state, state.FinalCountermeasures(i));
        update.EconomicInformation = InvokeCallback(callbacks.WriteEconomicInformation, std::as_const(state));
    }
    return update;
}

} // namespace talvo
