#include "economics/core/EconomicQuestionSelection.h"
#include "tables/core/ReferenceTables.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

using namespace talvo;

namespace {

const char* const FarmTypes[] = {"Dairy Production",
                                 "Sheep on Lowland Farm",
                                 "Sheep on Upland/Hill Farm",
                                 "Beef Production on Lowland Farm",
                                 "Beef Production on Upland/Hill Farm",
                                 "Management for Deer",
                                 "Arable Production"};
// Catalogue ranges of the farm types above.
const std::pair<int, int> Groups[] = {{0, 6}, {7, 14}, {15, 30}, {31, 36}, {37, 48}, {49, 52}, {54, 61}};

class QuestionSelection : public ::testing::Test
{
protected:
    void SetUp() override { InitialiseReferenceTables(state); }

    std::set<int> flagged() const
    {
        std::set<int> records;
        for (int r = 0; r <= 136; ++r) {
            if (state.EconomicQuestions(r).Needed)
                records.insert(r);
        }
        return records;
    }

    void select(const char* farmType, std::initializer_list<const char*> names)
    {
        state.AgricultureType = QString::fromLatin1(farmType);
        for (const char* name : names)
            WhichCosts(state, QString::fromLatin1(name));
    }

    AssessmentState state;
};

struct SelectionCase
{
    const char* farmType;
    const char* countermeasure;
    std::set<int> records;
};

std::ostream& operator<<(std::ostream& out, const SelectionCase& c)
{
    return out << '"' << c.farmType << "\" / \"" << c.countermeasure << '"';
}

class SelectionRows : public QuestionSelection, public ::testing::WithParamInterface<SelectionCase>
{
};

TEST_P(SelectionRows, FlagExactlyTheRow)
{
    select(GetParam().farmType, {GetParam().countermeasure});
    EXPECT_EQ(flagged(), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectionRows,
    ::testing::Values(
        SelectionCase{"Dairy Production", "Administer AFCF to dairy cows.", {0, 42, 48, 65}},
        SelectionCase{"Dairy Production",
                      "Feed dairy cows concentrate grown on the farm.",
                      {0, 1, 2, 5, 25, 48, 49, 50, 51, 52, 53, 56, 57, 62, 63, 65, 70, 71}},
        SelectionCase{"Sheep on Lowland Farm",
                      "Administer AFCF to lowland sheep and fatten on clean roughage ",
                      {6, 11, 72, 73, 99, 100, 101, 107}},
        SelectionCase{
            "Sheep on Upland/Hill Farm", "Administer AFCF to upland sheep &  sell for fattening.", {6, 72, 74, 75, 81}},
        SelectionCase{
            "Sheep on Upland/Hill Farm", "Afforestation of area where upland sheep are.", {4, 40, 41, 67, 68, 96}},
        SelectionCase{"Beef Production on Lowland Farm",
                      "Apply K fertiliser to area where lowland beef cattle are.",
                      {9, 13, 27, 90, 97, 119, 120, 121, 122}},
        // The land improvement of upland beef asks no fertilising work rate.
        SelectionCase{"Beef Production on Upland/Hill Farm",
                      "Improve land where upland beef cattle graze.",
                      {16, 17, 28, 70, 98, 121, 123, 124, 125, 127, 128}},
        SelectionCase{"Beef Production on Upland/Hill Farm",
                      "Fatten upland cattle on clean feed.",
                      {11, 12, 16, 87, 98, 99, 108, 109, 110, 111}},
        SelectionCase{
            "Management for Deer",
            "Improve grassland and supply hay & AFCF.",
            {17, 28, 32, 34, 35, 36, 37, 43, 45, 70, 99, 114, 115, 116, 117, 118, 121, 122, 123, 124, 125, 127, 128}},
        SelectionCase{"Arable Production", "Skim & bury.", {19, 126, 129, 130, 131, 132, 133, 134, 135}},
        SelectionCase{"Arable Production", "Leave arable land fallow.", {19, 129, 130, 131, 132, 133, 134, 135}},
        // Exact text only: no trailing blank, a different farm type, a different case.
        SelectionCase{"Sheep on Lowland Farm", "Administer AFCF to lowland sheep and fatten on clean roughage", {}},
        SelectionCase{"Sheep on Lowland Farm", "Supply Ca.", {}}, SelectionCase{"Dairy production", "Supply Ca.", {}},
        SelectionCase{"Dairy Production ", "Supply Ca.", {}},
        SelectionCase{"Consider All Scenarios", "Supply Ca.", {}}));

TEST_F(QuestionSelection, SeveralCountermeasuresFlagTheUnion)
{
    select("Dairy Production", {"Administer AFCF to dairy cows.", "Supply Ca."});
    EXPECT_EQ(flagged(), (std::set<int>{0, 33, 42, 46, 47, 48, 65}));
    WhichCosts(state, QStringLiteral("Supply Ca."));
    EXPECT_EQ(flagged(), (std::set<int>{0, 33, 42, 46, 47, 48, 65}));
}

// With every countermeasure of a farm type final: the most variables each farm type can ask, and the most farm
// data questions (13, for upland sheep).
TEST_F(QuestionSelection, LargestSetsPerFarmType)
{
    const int mostVariables[] = {26, 21, 33, 16, 27, 17, 18};
    int mostFarmData = 0;
    for (int t = 0; t < 7; ++t) {
        DisableAllCosts(state);
        DisableAllEconomicVars(state);
        state.AgricultureType = QString::fromLatin1(FarmTypes[t]);
        for (int k = Groups[t].first; k <= Groups[t].second; ++k)
            WhichCosts(state, state.Countermeasures(k).Name);
        int variables = 0;
        int farmData = 0;
        for (int r : flagged())
            (r >= 42 ? variables : farmData)++;
        EXPECT_EQ(variables, mostVariables[t]) << FarmTypes[t];
        mostFarmData = std::max(mostFarmData, farmData);
        if (t == 2) {
            EXPECT_EQ(farmData, 13);
        }
    }
    EXPECT_EQ(mostFarmData, 13);
}

TEST_F(QuestionSelection, SomeRecordsAreNeverFlagged)
{
    for (int t = 0; t < 7; ++t) {
        state.AgricultureType = QString::fromLatin1(FarmTypes[t]);
        for (int k = Groups[t].first; k <= Groups[t].second; ++k)
            WhichCosts(state, state.Countermeasures(k).Name);
    }
    for (int r : {7, 8, 10, 14, 18, 20, 21, 22, 23, 24, 38, 78, 88, 112, 113})
        EXPECT_FALSE(state.EconomicQuestions(r).Needed) << r;
    EXPECT_EQ(flagged().size(), 137u - 15u);
}

TEST_F(QuestionSelection, ClearingTouchesOnlyItsOwnRange)
{
    for (auto& question : state.EconomicQuestions) {
        question.Needed = true;
        question.AnswerText = QStringLiteral("5");
    }
    DisableAllCosts(state);
    EXPECT_FALSE(state.EconomicQuestions(0).Needed);
    EXPECT_FALSE(state.EconomicQuestions(41).Needed);
    EXPECT_TRUE(state.EconomicQuestions(42).Needed);
    EXPECT_EQ(state.EconomicQuestions(0).AnswerText, QStringLiteral("5"));
    DisableAllEconomicVars(state);
    EXPECT_TRUE(flagged().empty());
    EXPECT_EQ(state.EconomicQuestions(136).AnswerValue, 8.4);
}

} // namespace
