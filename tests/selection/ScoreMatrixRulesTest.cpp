#include "SelectionFixture.h"

#include "selection/core/ScoreMatrixRules.h"

#include <array>

using namespace talvo;

namespace {

using Thirds = std::array<int, 10>;

struct ScoreCase
{
    const char* label;
    const char* farmType;
    int countermeasure;
    std::vector<std::pair<int, QString>> answers;
    Thirds expected;
};

class ScoreRows : public ::testing::TestWithParam<ScoreCase>, public talvo::test::SelectionFixture
{
};

// Every cell starts from a stale value, so a cell the rules forgot to write shows up.
TEST_P(ScoreRows, WriteTheRow)
{
    const ScoreCase& c = GetParam();
    state.AgricultureType = QString::fromUtf8(c.farmType);
    for (const auto& [question, text] : c.answers)
        answer(question, text);
    for (int col = 0; col <= 20; ++col)
        state.ScoreMatrix(4, col) = 7.0f;
    FillScoreMatrix(state, name(c.countermeasure), 4);
    for (int col = 0; col < 10; ++col) {
        EXPECT_EQ(state.ScoreMatrix(4, col), static_cast<Single>(c.expected[static_cast<std::size_t>(col)] / 3.0))
            << c.label << " C" << col + 1;
    }
    EXPECT_EQ(state.ScoreMatrix(4, 10), 7.0f); // only the ten criteria
    EXPECT_EQ(state.ScoreMatrix(3, 0), 0.0f);
}

std::string caseName(const ::testing::TestParamInfo<ScoreCase>& info)
{
    return info.param.label;
}
void PrintTo(const ScoreCase& c, std::ostream* os)
{
    *os << c.label;
}

constexpr const char* dairy = "Dairy Production";
constexpr const char* lsheep = "Sheep on Lowland Farm";
constexpr const char* usheep = "Sheep on Upland/Hill Farm";
constexpr const char* lbeef = "Beef Production on Lowland Farm";
constexpr const char* ubeef = "Beef Production on Upland/Hill Farm";
constexpr const char* deer = "Management for Deer";
constexpr const char* arable = "Arable Production";

INSTANTIATE_TEST_SUITE_P(
    Table, ScoreRows,
    ::testing::Values(
        ScoreCase{"DairyExclude", dairy, 3, {}, {-2, 1, -3, -1, 0, 0, -3, -3, 1, -1}},
        ScoreCase{"DairyAfforest", dairy, 4, {}, {-2, 1, -3, -1, 0, 0, -3, -3, -1, -3}},
        ScoreCase{"DairyAfcfOrganic", dairy, 0, {{10, "Organic not waterlogged"}}, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"SupplyCaIgnoresOrganic", dairy, 1, {{10, "Organic waterlogged"}}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"CleanConcentrateBelow50", dairy, 2, {{25, "49.99"}}, {-1, 0, 1, 0, 0, 0, 2, 2, 2, 0}},
        ScoreCase{"CleanConcentrate50", dairy, 6, {{25, "50"}}, {0, 0, 0, 0, 0, 0, 1, 1, 1, 0}},
        ScoreCase{"CleanConcentrate65", dairy, 2, {{25, "65"}}, {0, 0, 0, 0, 0, 0, 1, 1, 1, 0}},
        ScoreCase{"CleanConcentrateAbove65Cleared", dairy, 6, {{25, "65.01"}}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"HomeGrownBelow25", dairy, 5, {{25, "24.9"}}, {3, -3, 2, 0, 0, 0, 2, 2, 2, 1}},
        ScoreCase{"HomeGrown25", dairy, 5, {{25, "25"}}, {2, -2, 2, 0, 0, 0, 2, 2, 2, 1}},
        ScoreCase{"HomeGrown49_99", dairy, 5, {{25, "49.99"}}, {2, -2, 2, 0, 0, 0, 2, 2, 2, 1}},
        ScoreCase{"HomeGrown65", dairy, 5, {{25, "65"}}, {1, -1, 1, 0, 0, 0, 1, 1, 1, 0}},
        ScoreCase{"HomeGrownAbove65Cleared", dairy, 5, {{25, "80"}}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"HomeGrownNotANumberIsZero", dairy, 5, {{25, "."}}, {3, -3, 2, 0, 0, 0, 2, 2, 2, 1}},
        ScoreCase{"LowlandLime", lsheep, 9, {}, {0, -2, 1, 1, -1, -1, 0, 0, 1, 0}},
        ScoreCase{"LowlandAfforest", lsheep, 12, {}, {-1, 1, -2, -1, 0, 0, -3, -2, -1, -3}},
        ScoreCase{
            "LowlandAfcfRoughageOrganic", lsheep, 13, {{10, "Organic waterlogged"}}, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"UplandImproveHeather", usheep, 16, {{30, "Heather Moorland"}}, {1, -1, 1, 0, 1, 1, 1, 0, 1, -2}},
        ScoreCase{"UplandImproveUnanswered", usheep, 16, {}, {1, -1, 1, 0, 1, 1, 1, 0, 1, 2}},
        ScoreCase{"UplandImproveAfcfBothRules",
                  usheep,
                  30,
                  {{30, "Blanket Bog"}, {10, "Organic waterlogged"}},
                  {1, -1, 1, 1, 1, 1, 1, 0, 1, 2}},
        ScoreCase{"UplandAfforest", usheep, 22, {}, {-1, 1, -2, -1, 0, 0, -3, -1, -2, -3}},
        ScoreCase{"RoughageFinished", usheep, 23, {{29, "Finished for slaughter "}}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"RoughageFattening", usheep, 23, {{29, "For fattening elsewhere "}}, {0, 0, 1, 0, 0, 2, 0, 0, -1, 0}},
        ScoreCase{"AfcfRoughageFatteningOrganic",
                  usheep,
                  26,
                  {{29, "For fattening elsewhere "}, {10, "Organic not waterlogged"}},
                  {0, 0, 1, 1, 0, 2, 0, 0, -1, 0}},
        ScoreCase{"SellLambsFinished", usheep, 25, {{29, "Finished for slaughter "}}, {0, 0, -1, 0, 0, 0, -2, 0, 1, 0}},
        ScoreCase{"SellLambsElsewhere", usheep, 25, {{29, "For fattening elsewhere "}}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"SellLambsOtherAnswerCleared",
                  usheep,
                  25,
                  {{29, "Finished for slaughter"}},
                  {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"AfcfSellTwoBlanks", usheep, 27, {}, {0, 0, -1, 0, -1, 0, -2, 0, 1, 0}},
        ScoreCase{"LowlandBeefAfcfOrganic", lbeef, 31, {{10, "Organic waterlogged"}}, {0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"LowlandBeefAfcfSandy", lbeef, 31, {{10, "Sandy "}}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        ScoreCase{"LowlandBeefExclude", lbeef, 35, {}, {-1, 1, -2, 0, 0, 0, -3, -2, 1, -1}},
        ScoreCase{"SellCattleFinishedLikeLime",
                  ubeef,
                  42,
                  {{29, "Finished for slaughter "}},
                  {0, -2, 1, 1, -1, -1, 0, 0, 1, 0}},
        ScoreCase{"UplandBeefLime", ubeef, 41, {}, {0, -2, 1, 1, -1, -1, 0, 0, 1, 0}},
        ScoreCase{"UplandBeefAfforest", ubeef, 44, {}, {-1, 1, -2, -1, 0, 0, -3, -2, -2, -3}},
        ScoreCase{"UplandCattleCleanFeedFattening",
                  ubeef,
                  45,
                  {{29, "For fattening elsewhere "}},
                  {0, 0, 1, 0, 0, 2, 0, 0, -1, 0}},
        ScoreCase{"DeerHay", deer, 49, {}, {0, 0, 0, 0, 1, 1, 1, 0, 0, 0}},
        ScoreCase{"DeerImproveGrassland", deer, 50, {{30, "Rough Grassland "}}, {0, -1, 1, 0, 2, 2, 1, 0, 0, 2}},
        ScoreCase{"DeerAfforestHeather", deer, 51, {{30, "Heather Moorland"}}, {0, 0, 0, 0, 0, 0, -3, 0, -1, -2}},
        ScoreCase{"DeerAfforestGrassland", deer, 51, {{30, "Rough Grassland "}}, {0, 0, 0, 0, 0, 0, -3, 0, -1, 2}},
        ScoreCase{"DeerAfforestBog", deer, 51, {{30, "Blanket Bog"}}, {0, 0, 0, 0, 0, 0, -3, 0, -1, -3}},
        ScoreCase{"DeerAfforestUnanswered", deer, 51, {}, {0, 0, 0, 0, 0, 0, -3, 0, -1, -3}},
        ScoreCase{"DeerCease", deer, 52, {}, {0, 0, 0, 0, -2, 0, -3, 0, -1, 0}},
        ScoreCase{"DeepPlough", arable, 54, {}, {0, -3, -1, 0, 0, -2, -2, 0, -1, 0}},
        ScoreCase{"SkimAndBury", arable, 55, {}, {0, -1, 0, 0, 0, -1, -1, 0, 0, 0}},
        ScoreCase{"OilseedAfterWinterWheat", arable, 58, {{33, "Winter Wheat"}}, {-1, 0, 0, 0, 0, 0, 0, 0, 0, -1}},
        ScoreCase{"OilseedAfterSwedes", arable, 58, {{33, "Swedes"}}, {0, 0, 0, 0, 0, 0, 0, 0, 0, -1}},
        ScoreCase{"ArableAfforest", arable, 59, {}, {-3, 2, -3, -1, 0, 0, -3, -1, -1, -3}},
        ScoreCase{"ArableFallow", arable, 60, {}, {-3, 2, -3, -1, 0, 0, -3, -1, 1, -1}},
        ScoreCase{"PloughLimeK", arable, 61, {}, {0, -1, 1, 1, 0, -1, 0, 0, 0, 0}}),
    caseName);

class ScoreMatrixWrites : public ::testing::Test, public talvo::test::SelectionFixture
{
protected:
    void stale(int row)
    {
        for (int col = 0; col < 10; ++col)
            state.ScoreMatrix(row, col) = 7.0f;
    }
    bool untouched(int row) const
    {
        for (int col = 0; col < 10; ++col) {
            if (state.ScoreMatrix(row, col) != 7.0f)
                return false;
        }
        return true;
    }
};

TEST_F(ScoreMatrixWrites, NothingOutsideTheFarmTypesGroup)
{
    stale(0);
    state.AgricultureType = QStringLiteral("Arable Production");
    FillScoreMatrix(state, name(3), 0);
    EXPECT_TRUE(untouched(0));
    state.AgricultureType = QStringLiteral("Dairy Production ");
    FillScoreMatrix(state, name(3), 0);
    EXPECT_TRUE(untouched(0));
    state.AgricultureType = QStringLiteral("Sheep on Lowland Farm");
    FillScoreMatrix(state, name(13).trimmed(), 0);
    EXPECT_TRUE(untouched(0));
}

TEST_F(ScoreMatrixWrites, RowsOutsideTheMatrixAreRefused)
{
    state.AgricultureType = QStringLiteral("Dairy Production");
    FillScoreMatrix(state, name(3), 20);
    EXPECT_EQ(state.ScoreMatrix(20, 0), static_cast<Single>(-2 / 3.0));
    EXPECT_THROW(FillScoreMatrix(state, name(3), 21), SubscriptOutOfRange);
    EXPECT_THROW(FillScoreMatrix(state, name(3), -1), SubscriptOutOfRange);
}

TEST_F(ScoreMatrixWrites, ThirdsAreDoubleQuotientsKeptAsSingle)
{
    state.AgricultureType = QStringLiteral("Management for Deer");
    answer(30, QStringLiteral("Heather Moorland"));
    FillScoreMatrix(state, name(50), 2);
    EXPECT_EQ(state.ScoreMatrix(2, 1), static_cast<Single>(-1.0 / 3.0));
    EXPECT_EQ(state.ScoreMatrix(2, 4), static_cast<Single>(2.0 / 3.0));
    EXPECT_EQ(state.ScoreMatrix(2, 9), static_cast<Single>(-2.0 / 3.0));
}

} // namespace
