#include "casefile/core/TextReport.h"
#include "tests/casefile/CaseFileTestSupport.h"

#include <gtest/gtest.h>

using namespace talvo;
using namespace talvo::test;

namespace {

const QString Stars = QStringLiteral("*******************************************");

// A small assessment: two countermeasures, two of the ten criteria scored.
AssessmentState smallAssessment()
{
    AssessmentState state = FreshState();
    state.DepositionScenario = QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241");
    state.AgricultureType = QStringLiteral("Arable Production");
    state.NumberOfCountermeasures = 2;
    state.NumberOfCriteria = 2; // keeps the expected text short; the report follows the count
    state.FinalCountermeasures(0) = QStringLiteral("Deep plough.");
    state.FinalCountermeasures(1) = QStringLiteral("Skim & bury.");
    state.ScoreMatrix(0, 0) = static_cast<Single>(1.0 / 3.0);
    state.ScoreMatrix(0, 1) = -1;
    state.ScoreMatrix(1, 0) = 0;
    state.ScoreMatrix(1, 1) = static_cast<Single>(-2.0 / 3.0);
    state.PValue = 2;
    return state;
}

ReportWindowTexts windowTexts()
{
    ReportWindowTexts texts;
    texts.CountermeasureList = QStringLiteral("Deep plough.\r\nSkim & bury.");
    texts.IdealPtIdeals = QStringLiteral("\r\nIdeal A");
    texts.CriteriaWeights = QStringLiteral("\r\nWeight A");
    texts.IdealPtResults = QStringLiteral("Result A\r\n");
    texts.LimitationsInformation = QStringLiteral("What is the crop?     Swedes\r\n");
    return texts;
}

QStringList reportLines(const QString& report)
{
    EXPECT_TRUE(report.endsWith(QStringLiteral("\r\n")));
    QStringList lines = report.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QStringList banner(const char* title)
{
    return {Stars, QString::fromLatin1(title), Stars};
}

QStringList firstSections()
{
    return banner("**         Deposition Scenario           **") +
           QStringList{QString(), QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241"), QString(), QString()} +
           banner("**               Farm Type               **") +
           QStringList{QString(), QStringLiteral("Arable Production"), QString(), QString()} +
           banner("**       Available Countermeasures       **") +
           QStringList{QString(), QStringLiteral("Deep plough."), QStringLiteral("Skim & bury."), QString(),
                       QString()} +
           banner("**     Countermeasure/Criteria Scores    **") +
           QStringList{QString(),
                       QStringLiteral("Deep plough."),
                       QStringLiteral("Soil Erosion and Sedimentation = 0.3333333"),
                       QStringLiteral("Soil Organic Matter = -1"),
                       QString(),
                       QStringLiteral("Skim & bury."),
                       QStringLiteral("Soil Erosion and Sedimentation = 0"),
                       QStringLiteral("Soil Organic Matter = -0.6666667"),
                       QString(),
                       QString()};
}

QStringList limitationSection()
{
    return banner("**     Limitation Information            **") +
           QStringList{QString(), QStringLiteral("What is the crop?     Swedes"), QString(), QString(), QString()};
}

TEST(TextReport, WithoutDoneFlagsHasSectionsOneToFourAndSix)
{
    RecordingCallbacks recorder;
    const QString report = BuildTextReport(smallAssessment(), windowTexts(), recorder.callbacks);
    EXPECT_EQ(reportLines(report), firstSections() + limitationSection());
    // The economic texts are read only for the economic section.
    EXPECT_TRUE(recorder.calls.isEmpty());
}

TEST(TextReport, WithBothDoneFlagsLineByLine)
{
    AssessmentState state = smallAssessment();
    state.MCDMDone = true;
    state.EconomicDone = true;
    RecordingCallbacks recorder;
    const QString report = BuildTextReport(state, windowTexts(), recorder.callbacks);
    const QStringList expected = firstSections() + banner("**          Ideal Point Results          **") +
                                 QStringList{QString(), QStringLiteral("P Value =   2"),
                                             QString(), QStringLiteral("Ideals Used"),
                                             QString(), QStringLiteral("Ideal A"),
                                             QString(), QStringLiteral("Criteria Weights"),
                                             QString(), QStringLiteral("Weight A"),
                                             QString(), QStringLiteral("Result A"),
                                             QString(), QString(),
                                             QString()} +
                                 limitationSection() + banner("**   Economic Costs /Benefits            **") +
                                 QStringList{QString(),
                                             QStringLiteral("COUTERMEASURE COSTS"),
                                             QStringLiteral("Deep plough.=   \u00A3500"),
                                             QString(),
                                             QString(),
                                             QStringLiteral("COUTERMEASURE BENEFITS"),
                                             QStringLiteral("Deep plough.=   \u00A3200"),
                                             QString(),
                                             QString(),
                                             QStringLiteral("COUTERMEASURE COST/BENEFIT SUMMARY"),
                                             QStringLiteral("Deep plough.=   \u00A3-300"),
                                             QString(),
                                             QString(),
                                             QString(),
                                             Stars,
                                             QStringLiteral("**      Economic Variables Used to       **"),
                                             QStringLiteral("**           Calculate Costs             **"),
                                             Stars,
                                             QString(),
                                             QString(),
                                             QStringLiteral("What is the area that could be afforested (ha)?\t12.5"),
                                             QString(),
                                             QString()};
    EXPECT_EQ(reportLines(report), expected);
    EXPECT_EQ(recorder.calls, (QStringList{QStringLiteral("CostsText"), QStringLiteral("BenefitsText"),
                                           QStringLiteral("SummaryText"), QStringLiteral("VariablesText")}));
    // The pound sign goes out as UTF-8.
    EXPECT_TRUE(EncodeTextReport(report).contains("\xC2\xA3"));
}

TEST(TextReport, WithNoCountermeasuresTheScoresSectionIsTwoEmptyLines)
{
    AssessmentState state = smallAssessment();
    state.NumberOfCountermeasures = 0;
    const QStringList lines = reportLines(BuildTextReport(state, {}, {}));
    const qsizetype scores = lines.indexOf(QStringLiteral("**     Countermeasure/Criteria Scores    **"));
    ASSERT_GT(scores, 0);
    EXPECT_EQ(lines.mid(scores + 2, 4), (QStringList{QString(), QString(), Stars,
                                                     QStringLiteral("**     Limitation Information            **")}));
}

TEST(TextReport, EveryTitleLineIs43Characters)
{
    AssessmentState state = smallAssessment();
    state.MCDMDone = true;
    state.EconomicDone = true;
    for (const QString& line : reportLines(BuildTextReport(state, {}, {}))) {
        if (line.startsWith(QStringLiteral("**"))) {
            EXPECT_EQ(line.size(), 43) << line.toStdString();
        }
    }
}

} // namespace
