#include "selection/core/OfferTable.h"

#include "selection/core/SelectionTexts.h"

#include <array>
#include <numeric>

namespace talvo {
namespace {

std::vector<int> range(int first, int last)
{
    std::vector<int> indexes(static_cast<std::size_t>(last - first + 1));
    std::iota(indexes.begin(), indexes.end(), first);
    return indexes;
}

struct OfferRow
{
    const QString& farmType;
    // One cell a scenario, in the order of DepositionScenarios(); empty = no countermeasure needed.
    std::array<std::vector<int>, 5> cells;
};

const std::vector<OfferRow>& offerRows()
{
    static const std::vector<OfferRow> rows = {
        {FarmSheepLowland, {{{}, {8, 9, 11}, {7, 8, 11, 13, 14}, {10, 12}, range(7, 14)}}},
        {FarmSheepUpland,
         {{{15, 19, 23, 25, 26, 27, 28, 29},
           {15, 16, 17, 18, 19, 20, 23, 24, 25, 26, 27, 28, 29},
           {15, 16, 17, 18, 19, 20, 23, 24, 25, 26, 27, 28, 29, 30},
           {21, 22},
           range(15, 30)}}},
        {FarmBeefLowland, {{{}, {}, {31, 32, 33, 36}, {34, 35}, range(31, 36)}}},
        {FarmBeefUpland,
         {{{37, 40, 42, 45}, {37, 40, 42, 45}, {37, 38, 39, 40, 41, 42, 45, 46, 47, 48}, {43, 44}, range(37, 48)}}},
        {FarmDairy, {{{0}, {0, 1, 2, 5}, {0, 1, 2, 6}, {3, 4}, range(0, 6)}}},
        {FarmArable, {{{56}, {56, 57, 61}, {54, 55, 58}, {59, 60}, range(54, 61)}}},
        {FarmDeer, {{{49}, {49, 50}, {49, 50}, {51, 52}, range(49, 52)}}},
    };
    return rows;
}

} // namespace

std::optional<std::vector<int>> OfferedCountermeasureIndexes(const QString& agricultureType, const QString& scenario)
{
    const qsizetype column = DepositionScenarios().indexOf(scenario);
    if (column < 0)
        return std::nullopt;
    for (const OfferRow& row : offerRows()) {
        if (row.farmType == agricultureType)
            return row.cells[static_cast<std::size_t>(column)];
    }
    return std::nullopt;
}

CountermeasureOffer OfferCountermeasures(AssessmentState& state)
{
    CountermeasureOffer offer;
    state.NoCountermeasuresNeeded.IsSet = false;
    const auto indexes = OfferedCountermeasureIndexes(state.AgricultureType, state.DepositionScenario);
    if (!indexes)
        return offer;
    for (int index : *indexes)
        offer.Names.append(state.Countermeasures(index).Name);
    if (indexes->empty()) {
        offer.NoneNeeded = true;
        state.NoCountermeasuresNeeded.IsSet = true;
    }
    return offer;
}

} // namespace talvo
