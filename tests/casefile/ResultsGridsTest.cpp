#include "casefile/core/ResultsGrids.h"
#include "tests/casefile/CaseFileTestSupport.h"

#include <gtest/gtest.h>

using namespace talvo;
using namespace talvo::test;

namespace {

TEST(ResultsGrids, ScoreGridHasCriteriaDownAndCountermeasuresAcross)
{
    AssessmentState state = FreshState();
    state.NumberOfCountermeasures = 3;
    for (int i = 0; i < 3; ++i)
        state.FinalCountermeasures(i) = QStringLiteral("CM %1").arg(i);
    state.ScoreMatrix(1, 2) = static_cast<Single>(-2.0 / 3.0);
    const GridContent grid = ScoreGridContent(state);
    EXPECT_EQ(grid.Rows, 11);
    EXPECT_EQ(grid.Cols, 4);
    EXPECT_EQ(grid.Text[0][0], QStringLiteral("Criteria/Countermeasure"));
    EXPECT_EQ(grid.Text[0][2], QStringLiteral("CM 1"));
    EXPECT_EQ(grid.Text[3][0], QStringLiteral("Soil Nutrient Transport to Water"));
    EXPECT_EQ(grid.Text[3][2], QStringLiteral("Moderately Decreases"));
    EXPECT_EQ(grid.Text[1][1], QStringLiteral("No Effect"));
    EXPECT_EQ(grid.ColWidthTwips.at(0), 2500);
    EXPECT_EQ(grid.ColWidthTwips.at(3), 1700);
    EXPECT_EQ(grid.RowHeightTwips.at(0), 900);
    EXPECT_FALSE(grid.FontBold);
    EXPECT_EQ(grid.FontSize, 8);
}

TEST(ResultsGrids, CostBenefitGridShowsPoundsAndRedLosses)
{
    AssessmentState state = FreshState();
    state.NumberOfCountermeasures = 2;
    state.FinalCountermeasures(0) = QStringLiteral("Deep plough.");
    state.FinalCountermeasures(1) = QStringLiteral("Skim & bury.");
    state.EconomicResults(0) = {0, 500, 200};
    state.EconomicResults(1) = {1, 200, 500};
    const GridContent grid = CostBenefitGridContent(state);
    EXPECT_EQ(grid.Rows, 3);
    EXPECT_EQ(grid.Cols, 4);
    const std::vector<QString> header{QStringLiteral("Countermeasure"), QStringLiteral("Costs"),
                                      QStringLiteral("Benefits"), QStringLiteral("Summary")};
    EXPECT_EQ(grid.Text[0], header);
    EXPECT_EQ(grid.Text[1], (std::vector<QString>{QStringLiteral("Deep plough."), QStringLiteral("\u00A3 500"),
                                                  QStringLiteral("\u00A3 200"), QStringLiteral("\u00A3 -300")}));
    EXPECT_EQ(grid.ForeColour[1][3], ColourRed);
    EXPECT_EQ(grid.Text[2][3], QStringLiteral("\u00A3 300"));
    EXPECT_EQ(grid.ForeColour[2][3], ColourBlack);
    EXPECT_EQ(grid.RowHeightTwips.at(0), 900);
    EXPECT_EQ(grid.RowHeightTwips.at(2), 600);
    EXPECT_EQ(grid.ColWidthTwips.at(0), 2000);
    EXPECT_EQ(grid.ColWidthTwips.at(2), 1200);

    // A summary of exactly 0 is black.
    state.EconomicResults(1) = {1, 500, 500};
    EXPECT_EQ(CostBenefitGridContent(state).ForeColour[2][3], ColourBlack);
}

} // namespace
