#include "SelectionFixture.h"

#include "selection/core/OfferTable.h"
#include "selection/core/SelectionTexts.h"

#include <vector>

using namespace talvo;
using talvo::test::SelectionTest;

namespace {

struct OfferCase
{
    QString farmType;
    QString scenario;
    std::vector<int> offered; // catalogue indexes in list order; empty: nothing needed
};

std::vector<int> span(int first, int last)
{
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

std::vector<OfferCase> offerCases()
{
    const QString s1 = QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241");
    const QString s2 = QStringLiteral(" 100 Cs137 / 100 Sr90 / 1 Pu241");
    const QString s3 = QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241");
    const QString s4 = QStringLiteral("5000 Cs137 / 500 Sr90 / 50 Pu241");
    const QString all = QStringLiteral("Consider All Scenarios");
    const QString lsheep = QStringLiteral("Sheep on Lowland Farm");
    const QString usheep = QStringLiteral("Sheep on Upland/Hill Farm");
    const QString lbeef = QStringLiteral("Beef Production on Lowland Farm");
    const QString ubeef = QStringLiteral("Beef Production on Upland/Hill Farm");
    const QString dairy = QStringLiteral("Dairy Production");
    const QString arable = QStringLiteral("Arable Production");
    const QString deer = QStringLiteral("Management for Deer");
    return {
        {lsheep, s1, {}},
        {lsheep, s2, {8, 9, 11}},
        {lsheep, s3, {7, 8, 11, 13, 14}},
        {lsheep, s4, {10, 12}},
        {lsheep, all, span(7, 14)},
        {usheep, s1, {15, 19, 23, 25, 26, 27, 28, 29}},
        {usheep, s2, {15, 16, 17, 18, 19, 20, 23, 24, 25, 26, 27, 28, 29}},
        {usheep, s3, {15, 16, 17, 18, 19, 20, 23, 24, 25, 26, 27, 28, 29, 30}},
        {usheep, s4, {21, 22}},
        {usheep, all, span(15, 30)},
        {lbeef, s1, {}},
        {lbeef, s2, {}},
        {lbeef, s3, {31, 32, 33, 36}},
        {lbeef, s4, {34, 35}},
        {lbeef, all, span(31, 36)},
        {ubeef, s1, {37, 40, 42, 45}},
        {ubeef, s2, {37, 40, 42, 45}},
        {ubeef, s3, {37, 38, 39, 40, 41, 42, 45, 46, 47, 48}},
        {ubeef, s4, {43, 44}},
        {ubeef, all, span(37, 48)},
        {dairy, s1, {0}},
        {dairy, s2, {0, 1, 2, 5}},
        {dairy, s3, {0, 1, 2, 6}},
        {dairy, s4, {3, 4}},
        {dairy, all, span(0, 6)},
        {arable, s1, {56}},
        {arable, s2, {56, 57, 61}},
        {arable, s3, {54, 55, 58}},
        {arable, s4, {59, 60}},
        {arable, all, span(54, 61)},
        {deer, s1, {49}},
        {deer, s2, {49, 50}},
        {deer, s3, {49, 50}},
        {deer, s4, {51, 52}},
        {deer, all, span(49, 52)},
    };
}

void PrintTo(const OfferCase& c, std::ostream* os)
{
    *os << c.farmType.toStdString() << " x \"" << c.scenario.toStdString() << '"';
}

class OfferTable : public ::testing::TestWithParam<OfferCase>, public talvo::test::SelectionFixture
{
};

TEST_P(OfferTable, OffersTheCellsNamesInOrder)
{
    const OfferCase& c = GetParam();
    state.AgricultureType = c.farmType;
    state.DepositionScenario = c.scenario;
    state.NoCountermeasuresNeeded.IsSet = true; // from an earlier pair
    const CountermeasureOffer offer = OfferCountermeasures(state);

    QStringList expected;
    for (int i : c.offered)
        expected.append(name(i));
    EXPECT_EQ(offer.Names, expected);
    EXPECT_EQ(offer.NoneNeeded, c.offered.empty());
    EXPECT_EQ(state.NoCountermeasuresNeeded.IsSet, c.offered.empty());
    EXPECT_LE(offer.Names.size(), 16);
}

INSTANTIATE_TEST_SUITE_P(EveryPair, OfferTable, ::testing::ValuesIn(offerCases()));

TEST_F(SelectionTest, OfferUsesTheCataloguesExactNames)
{
    state.AgricultureType = QStringLiteral("Sheep on Lowland Farm");
    state.DepositionScenario = QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241");
    const QStringList names = OfferCountermeasures(state).Names;
    ASSERT_EQ(names.size(), 5);
    EXPECT_EQ(names.at(3), QStringLiteral("Administer AFCF to lowland sheep and fatten on clean roughage "));
    EXPECT_EQ(names.at(4), QStringLiteral("Apply K fertiliser to area where lowland sheep graze."));
}

TEST_F(SelectionTest, TextsThatMatchNoRowOrColumnOfferNothingAndSetNoFlag)
{
    state.AgricultureType = QStringLiteral("Sheep on Lowland Farm");
    for (const QString& scenario : {QStringLiteral("100 Cs137 / 2 Sr90 / 1 Pu241"), QStringLiteral(""),
                                    QStringLiteral("consider all scenarios")}) {
        state.DepositionScenario = scenario;
        state.NoCountermeasuresNeeded.IsSet = true;
        const CountermeasureOffer offer = OfferCountermeasures(state);
        EXPECT_TRUE(offer.Names.isEmpty());
        EXPECT_FALSE(offer.NoneNeeded);
        EXPECT_FALSE(state.NoCountermeasuresNeeded.IsSet);
    }
    state.AgricultureType = QStringLiteral("Sheep on Lowland Farm ");
    state.DepositionScenario = QStringLiteral("Consider All Scenarios");
    EXPECT_FALSE(OfferedCountermeasureIndexes(state.AgricultureType, state.DepositionScenario).has_value());
}

} // namespace
