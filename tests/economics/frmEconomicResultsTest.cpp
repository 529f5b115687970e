#include "tests/economics/EconomicWizardTestSupport.h"

#include "tests/casefile/GridDrawing.h"

#include "casefile/ui/ResultsTextBox.h"
#include "economics/core/CalculateEconomics.h"
#include "economics/core/EconomicInformation.h"
#include "economics/core/EconomicQuestionSelection.h"
#include "economics/core/EconomicSummary.h"

using namespace talvo;
using namespace talvo::test;

namespace {

const QString Pound = QStringLiteral("\u00A3 ");
const char* const Afcf = "Administer AFCF to dairy cows.";
const char* const ExcludeDairy = "Exclude production of dairy cows.";
const char* const FeedOwnBarley = "Feed dairy cows concentrate grown on the farm.";

class EconomicResults : public EconomicWizardTest
{
protected:
    // The dairy farm's answers, typed and clicked on the farm-data page.
    void AnswerDairyFarmData()
    {
        Type(0, QStringLiteral("100"));
        Answer(1, true);
        Type(2, QStringLiteral("3"));
        Type(3, QStringLiteral("600"));
        Type(5, QStringLiteral("4"));
        Type(25, QStringLiteral("6.5"));
    }

    // What the rules give for the same answers stored directly, for comparison with what the window shows.
    static EconomicSummaryGrid ExpectedDairyGrid(AssessmentState& state, EconomicSession& session)
    {
        const std::pair<int, const char*> answers[] = {{0, "100"}, {2, "3"}, {3, "600"}, {5, "4"}, {25, "6.5"}};
        for (const auto& [record, text] : answers) {
            state.EconomicQuestions(record).AnswerText = QString::fromLatin1(text);
            state.EconomicQuestions(record).AnswerValue = QString::fromLatin1(text).toDouble();
        }
        state.EconomicQuestions(1).AnswerText = QStringLiteral("Yes");
        EXPECT_TRUE(CalculateFinalEconomics(state, session).empty());
        return FillEcSpreadSheet(state);
    }

    static void ExpectGridShows(TextGrid& grid, const EconomicSummaryGrid& expected)
    {
        ASSERT_EQ(grid.rows(), expected.Rows());
        ASSERT_EQ(grid.cols(), 4);
        for (int row = 0; row < expected.Rows(); ++row) {
            for (int col = 0; col < 4; ++col)
                EXPECT_EQ(grid.cellText(row, col), expected.Cell(row, col)) << row << "," << col;
        }
        for (int i = 0; i < static_cast<int>(expected.Countermeasures.size()); ++i)
            EXPECT_EQ(grid.cellForeColour(i + 1, 3),
                      expected.Countermeasures[static_cast<std::size_t>(i)].SummaryColour)
                << i;
    }
};

TEST_F(EconomicResults, ACompleteDairyRunShowsTheSummaryAndFinishWritesTheResultsWindow)
{
    Final(DairyFarm, {Afcf, ExcludeDairy, FeedOwnBarley});
    TheAssessment().EconomicResults(3).Cost = 77;
    AssessmentState expectedState = TheAssessment();
    EconomicSession expectedSession;

    Open();
    Next();
    AnswerDairyFarmData();
    Next();
    ASSERT_TRUE(messages_.shown().empty()) << messages_.texts().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
    // The variables keep their defaults: 15 of them, on pages 2 and 3.
    EXPECT_EQ(AnswerBox(42)->text(), QStringLiteral("0.024"));
    EXPECT_EQ(AnswerBox(53)->text(), QStringLiteral("7.25"));
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameEcQuestions3);
    EXPECT_EQ(AnswerBox(71)->text(), QStringLiteral("182"));
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameFinal);
    EXPECT_TRUE(messages_.shown().empty());

    for (const char* name : {Afcf, ExcludeDairy, FeedOwnBarley})
        WhichCosts(expectedState, QString::fromLatin1(name));
    const EconomicSummaryGrid expected = ExpectedDairyGrid(expectedState, expectedSession);
    TextGrid* summary = Grid(Wizard(), "MSFlexGridSummary");
    ASSERT_NE(summary, nullptr);
    ExpectGridShows(*summary, expected);
    EXPECT_EQ(summary->cellText(1, 1), Pound + QStringLiteral("876"));
    EXPECT_EQ(summary->cellText(1, 2), Pound + QStringLiteral("67800"));
    EXPECT_EQ(summary->cellText(1, 3), Pound + QStringLiteral("66924"));
    EXPECT_EQ(summary->cellForeColour(1, 3), 0);
    EXPECT_EQ(summary->cellText(2, 1), Pound + QStringLiteral("69300"));
    EXPECT_EQ(summary->cellText(2, 2), Pound + QStringLiteral("0"));
    EXPECT_EQ(summary->cellText(2, 3), Pound + QStringLiteral("-69300"));
    EXPECT_EQ(summary->cellForeColour(2, 3), 255);
    EXPECT_EQ(summary->rowHeightTwips(0), 900);
    EXPECT_EQ(summary->rowHeightTwips(3), 600);
    EXPECT_EQ(summary->colWidthTwips(0), 2000);
    EXPECT_EQ(summary->colWidthTwips(3), 1200);

    // Stepping back and forward again calculates afresh: each countermeasure is listed once.
    Back();
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions3);
    Next();
    EXPECT_EQ(TheEconomicSession().CountermeasureCostsText, expectedSession.CountermeasureCostsText);
    EXPECT_EQ(TheEconomicSession().CostBenefitSummaryText.count(QStringLiteral("\r\n")), 3);

    const QString information = WriteEconomicInformation(expectedState, expectedSession);
    Click("CommandFinish");
    ProcessDeletes();
    const AssessmentState& state = TheAssessment();
    EXPECT_FALSE(forms::frmEconomic.Loaded());
    EXPECT_TRUE(state.EconomicDone);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(state.EconomicResults(i).CountermeasureIndex, i);
        EXPECT_EQ(state.EconomicResults(i).Cost, expected.Countermeasures[static_cast<std::size_t>(i)].Cost) << i;
        EXPECT_EQ(state.EconomicResults(i).Benefit, expected.Countermeasures[static_cast<std::size_t>(i)].Benefit) << i;
    }
    EXPECT_EQ(state.EconomicResults(0).Cost, 876.0);
    EXPECT_EQ(state.EconomicResults(3).Cost, 77.0);
    for (int record = 0; record <= 136; ++record)
        EXPECT_FALSE(state.EconomicQuestions(record).Needed) << record;
    // The calculation texts stay for the text report.
    EXPECT_EQ(TheEconomicSession().CountermeasureCostsText, expectedSession.CountermeasureCostsText);

    ASSERT_TRUE(forms::frmTALVOfile.Loaded());
    frmTALVOfile& results = *forms::frmTALVOfile.existing();
    EXPECT_FALSE(results.isVisible()) << "written without being shown";
    TextGrid* costBenefit = Grid(results, "MSFlexGridCostBenefit");
    ASSERT_NE(costBenefit, nullptr);
    EXPECT_FALSE(costBenefit->isHidden());
    EXPECT_TRUE(costBenefit->isEnabled());
    ExpectGridShows(*costBenefit, expected);
    const auto* box = results.findChild<ResultsTextBox*>(QStringLiteral("RichTextBoxEconomicInformation"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), information);
    EXPECT_TRUE(information.startsWith(QStringLiteral("\r\nHow many milking cows are on the farm?\t100\r\n")));
    EXPECT_EQ(information.count(QStringLiteral("\r\n")), 6 + 15);
    EXPECT_EQ(TheEconomicSession().EconomicVariablesText, information);
}

TEST_F(EconomicResults, ChangedVariablesAreUsedAndAZeroWorkRateIsExplained)
{
    Final(QStringLiteral("Sheep on Lowland Farm"),
          {"Apply K fertiliser to area where lowland sheep graze.", "Administer AFCF to lowland sheep."});
    Open();
    Next();
    Type(6, QStringLiteral("200"));
    Type(9, QStringLiteral("10"));
    Type(27, QStringLiteral("12"));
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
    EXPECT_EQ(AnswerBox(122)->text(), QStringLiteral("3"));
    Type(122, QStringLiteral("0"));
    Type(72, QStringLiteral("1.5"));
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameFinal);

    ASSERT_EQ(messages_.shown().size(), 1u);
    const MessageRequest& shown = messages_.shown().front();
    EXPECT_EQ(shown.title, CostCalculationTitle);
    EXPECT_TRUE(shown.text.contains(QStringLiteral("Apply K fertiliser to area where lowland sheep graze.")));
    EXPECT_TRUE(shown.text.contains(QStringLiteral("Fertilising working rate (ha/hour):")));
    TextGrid* summary = Grid(Wizard(), "MSFlexGridSummary");
    ASSERT_NE(summary, nullptr);
    for (int col = 1; col <= 3; ++col)
        EXPECT_EQ(summary->cellText(1, col), Pound + QStringLiteral("0")) << col;
    // The typed AFCF price: 1.5 x 200 lambs.
    EXPECT_EQ(summary->cellText(2, 1), Pound + QStringLiteral("300"));
    EXPECT_EQ(TheAssessment().EconomicQuestions(72).AnswerValue, 1.5);
}

TEST_F(EconomicResults, CancelAfterTheSummaryLeavesTheResultsAsTheLastFinishLeftThem)
{
    // Eight rows are more than the summary page shows: its grid scrolls under its headers, and Tab leaves it.
    Final(DairyFarm, {Afcf, Afcf, Afcf, Afcf, Afcf, Afcf, Afcf, Afcf});
    TheAssessment().EconomicQuestions(0).AnswerText = QStringLiteral("100");
    TheAssessment().EconomicQuestions(0).AnswerValue = 100;
    Open();
    Next();
    Next();
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameFinal);
    TextGrid* summary = Grid(Wizard(), "MSFlexGridSummary");
    ExpectHeadersStayToTheEnds(*summary);
    summary->setFocus();
    QTest::keyClick(summary, Qt::Key_Tab);
    EXPECT_EQ(Wizard().focusWidget(), Button("CommandFinish"));
    summary->setFocus();
    QTest::keyClick(summary, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Wizard().focusWidget(), Button("CommandBack"));
    Click("CommandFinish");
    ProcessDeletes();
    ASSERT_EQ(TheAssessment().EconomicResults(0).Benefit, 67800.0);

    Open();
    Next();
    Type(0, QStringLiteral("50"));
    Next();
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameFinal);
    EXPECT_EQ(Grid(Wizard(), "MSFlexGridSummary")->cellText(1, 2), Pound + QStringLiteral("33900"));
    Click("CommandCancel");
    ProcessDeletes();
    EXPECT_EQ(TheAssessment().EconomicResults(0).Benefit, 67800.0);
    EXPECT_EQ(Grid(*forms::frmTALVOfile.existing(), "MSFlexGridCostBenefit")->cellText(1, 2),
              Pound + QStringLiteral("67800"));
}

} // namespace
