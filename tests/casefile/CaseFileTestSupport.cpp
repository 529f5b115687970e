#include "tests/casefile/CaseFileTestSupport.h"

#include "casefile/core/EvaluationFileApply.h"
#include "tables/core/ReferenceTables.h"

#include <QFile>

namespace talvo::test {

QString TestDataPath(const QString& name)
{
    return QStringLiteral(CASEFILE_TEST_DATA "/") + name;
}

QByteArray ReadTestData(const QString& name)
{
    QFile file(TestDataPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

AssessmentState FreshState()
{
    AssessmentState state;
    InitialiseReferenceTables(state);
    return state;
}

QString RoundTripFault(const EvaluationFileContent& parsed, const AssessmentState& fresh,
                       const CaseFileCallbacks& callbacks)
{
    const QByteArray encoded = EncodeEvaluationFile(parsed);
    const auto again = ParseEvaluationFile(encoded, nullptr);
    if (!again || EncodeEvaluationFile(*again) != encoded)
        return QStringLiteral("the encoding does not read back as itself");
    AssessmentState state = fresh;
    ApplyEvaluationFile(parsed, state, callbacks, OpenPurpose::UserOpen, QDateTime());
    EvaluationFileContent saved;
    if (!ContentFromState(state, saved, nullptr) || EncodeEvaluationFile(saved) != encoded)
        return QStringLiteral("the opened file does not save as the encoding");
    return {};
}

RecordingCallbacks::RecordingCallbacks()
{
    callbacks.DisableAllLimitationQuestions = [this](AssessmentState&) { calls << QStringLiteral("Disable"); };
    // Like the lime rule: presets the CEC-known answer.
    callbacks.SetLimitationAssessment = [this](AssessmentState& state, const QString& name) {
        calls << QStringLiteral("Assess:") + name;
        state.LimitationQuestions(9).AnswerText = QStringLiteral("Yes");
        state.LimitationQuestions(0).Needed = true;
    };
    callbacks.SetLimitationInformation = [this](const AssessmentState& state) {
        calls << QStringLiteral("Information:") + state.LimitationQuestions(9).AnswerText;
        return QStringLiteral("limitations of ") + state.AgricultureType;
    };
    callbacks.WhichCosts = [this](AssessmentState& state, const QString& name) {
        calls << QStringLiteral("Costs:") + name + QLatin1Char(':') + state.EconomicQuestions(6).AnswerText;
        state.EconomicQuestions(6).Needed = true;
    };
    callbacks.WriteEconomicInformation = [this](const AssessmentState& state) {
        calls << QStringLiteral("Economic");
        return QStringLiteral("economics with ") + state.EconomicQuestions(6).AnswerText;
    };
    callbacks.CountermeasureCostsText = [this] {
        calls << QStringLiteral("CostsText");
        return QStringLiteral("Deep plough.=   \u00A3500\r\n");
    };
    callbacks.CountermeasureBenefitsText = [this] {
        calls << QStringLiteral("BenefitsText");
        return QStringLiteral("Deep plough.=   \u00A3200\r\n");
    };
    callbacks.CostBenefitSummaryText = [this] {
        calls << QStringLiteral("SummaryText");
        return QStringLiteral("Deep plough.=   \u00A3-300\r\n");
    };
    callbacks.EconomicVariablesText = [this] {
        calls << QStringLiteral("VariablesText");
        return QStringLiteral("\r\nWhat is the area that could be afforested (ha)?\t12.5");
    };
}

} // namespace talvo::test
