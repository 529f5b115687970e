#include "SelectionFixture.h"

#include "selection/core/SelectionTexts.h"

using namespace talvo;
using talvo::test::SelectionTest;

namespace {

TEST_F(SelectionTest, ListsHoldTheirItemsInOrder)
{
    EXPECT_EQ(DepositionScenarios(), QStringList({" 100 Cs137 / 2 Sr90 / 1 Pu241", " 100 Cs137 / 100 Sr90 / 1 Pu241",
                                                  "1000 Cs137 / 200 Sr90 / 10 Pu241",
                                                  "5000 Cs137 / 500 Sr90 / 50 Pu241", "Consider All Scenarios"}));
    EXPECT_EQ(AgricultureTypes(), QStringList({"Sheep on Lowland Farm", "Sheep on Upland/Hill Farm",
                                               "Beef Production on Lowland Farm", "Beef Production on Upland/Hill Farm",
                                               "Dairy Production", "Arable Production", "Management for Deer"}));
}

TEST_F(SelectionTest, ScenarioDefinitionsAndCaption)
{
    EXPECT_EQ(ScenarioDefinition(QStringLiteral("Consider All Scenarios")),
              QStringLiteral("Consider ALL of the Deposition Scenarios.\r\n\r\n\r\nNote:  If 'Consider All "
                             "Scenarios' is selected, you will not have the option of doing a cost/benefit analysis "
                             "on the outcome of the assessment."));
    EXPECT_EQ(ScenarioDefinition(QStringLiteral(" 100 Cs137 / 100 Sr90 / 1 Pu241")),
              QStringLiteral("Far-field of source term with higher Sr fraction"));
    EXPECT_EQ(ScenarioDefinition(QStringLiteral("5000 Cs137 / 500 Sr90 / 50 Pu241")),
              QStringLiteral("Very close to site of accident"));
    // No current item: the label keeps what it showed.
    EXPECT_FALSE(ScenarioDefinition(QString()).has_value());
    EXPECT_FALSE(ScenarioDefinition(QStringLiteral("100 Cs137 / 2 Sr90 / 1 Pu241")).has_value());

    EXPECT_EQ(DepositSelectedCaption(QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241")),
              QStringLiteral("Deposition Scenario Selected :  100 Cs137 / 2 Sr90 / 1 Pu241"));
    EXPECT_EQ(AgSelectedCaption(QStringLiteral("Dairy Production")),
              QStringLiteral("Type of Agriculture Selected : Dairy Production"));
}

TEST_F(SelectionTest, FarmTypeDefinitionsKeepTheirBlanks)
{
    EXPECT_EQ(AgricultureDefinition(QStringLiteral("Beef Production on Lowland Farm")),
              QStringLiteral("Beef farms that breed and fatten calves ,and don't receive payments for being in a "
                             "'less-favoured area'. Soils are assumed to be predominately mineral."));
    EXPECT_TRUE(AgricultureDefinition(QStringLiteral("Dairy Production")).contains(QStringLiteral("cows.  No ")));
    EXPECT_TRUE(AgricultureDefinition(QStringLiteral("Management for Deer")).contains(QStringLiteral("300 000")));
    for (const QString& farm : AgricultureTypes())
        EXPECT_FALSE(AgricultureDefinition(farm).isEmpty()) << farm.toStdString();
    EXPECT_EQ(AgricultureDefinition(QStringLiteral("dairy production")), QString());
}

TEST_F(SelectionTest, CountermeasureDefinitionFindsNamesWithTrailingBlanks)
{
    EXPECT_EQ(CountermeasureDefinition(state, name(13)), state.Countermeasures(13).Description);
    EXPECT_EQ(CountermeasureDefinition(state, QString()), QStringLiteral("Countermeasure defintion is to go here."));
    EXPECT_FALSE(CountermeasureDefinition(state, name(13).trimmed()).has_value());
}

} // namespace
