#include "selection/core/ScoreMatrixRules.h"

#include "selection/core/LimitationAnswers.h"
#include "selection/core/SelectionTexts.h"

#include <array>
#include <map>
#include <optional>

namespace talvo {
namespace {

using Thirds = std::array<int, 10>; // C1 to C10 in thirds: -3 is -1, 1 is 1/3

enum Rule : unsigned { Plain = 0, Organic = 1, Heather = 2, Fattening = 4, Crop = 8, DeerGrazing = 16 };

struct ScoreRow
{
    Thirds cells;
    unsigned rules;
};

constexpr Thirds zeros = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Catalogue index to row; C10 of a Heather or DeerGrazing row is set by its rule. Indexes 2, 5, 6, 25 and 42 are
// scored by answer below.
const std::map<int, ScoreRow>& scoreRows()
{
    static const std::map<int, ScoreRow> rows = {
        // Dairy Production
        {0, {zeros, Organic}},
        {1, {zeros, Plain}},
        {3, {{-2, 1, -3, -1, 0, 0, -3, -3, 1, -1}, Plain}},
        {4, {{-2, 1, -3, -1, 0, 0, -3, -3, -1, -3}, Plain}},
        // Sheep on Lowland Farm
        {7, {zeros, Organic}},
        {8, {{0, 0, 0, 0, -1, 1, 0, 0, 1, 0}, Plain}},
        {9, {{0, -2, 1, 1, -1, -1, 0, 0, 1, 0}, Plain}},
        {10, {{-1, 1, -2, 0, 0, 0, -3, -1, 1, -1}, Plain}},
        {11, {zeros, Plain}},
        {12, {{-1, 1, -2, -1, 0, 0, -3, -2, -1, -3}, Plain}},
        {13, {zeros, Organic}},
        {14, {{0, -1, 1, 1, -1, -1, 0, 0, 0, 0}, Plain}},
        // Sheep on Upland/Hill Farm
        {15, {zeros, Organic}},
        {16, {{1, -1, 1, 0, 1, 1, 1, 0, 1, 0}, Heather}},
        {17, {{0, 0, 1, 0, 1, 1, 1, 0, 0, 0}, Plain}},
        {18, {{0, -2, 1, 1, -1, -1, 0, 0, 1, 0}, Plain}},
        {19, {{0, -1, 1, 1, -1, -1, 0, 0, 0, 0}, Plain}},
        {20, {{0, 0, -1, 0, -1, 0, -2, 0, 1, 0}, Plain}},
        {21, {{-1, 1, -2, 0, 0, 0, -3, -1, 1, -1}, Plain}},
        {22, {{-1, 1, -2, -1, 0, 0, -3, -1, -2, -3}, Plain}},
        {23, {zeros, Fattening}},
        {24, {{0, 0, 0, 0, -1, 1, 0, 0, 1, 0}, Plain}},
        {26, {zeros, Fattening | Organic}},
        {27, {{0, 0, -1, 0, -1, 0, -2, 0, 1, 0}, Organic}},
        {28, {{0, 0, 1, 0, 1, 1, 1, 0, 0, 0}, Organic}},
        {29, {{0, -1, 1, 1, -1, -1, 0, 0, 0, 0}, Plain}},
        {30, {{1, -1, 1, 0, 1, 1, 1, 0, 1, 0}, Heather | Organic}},
        // Beef Production on Lowland Farm
        {31, {zeros, Organic}},
        {32, {{0, -2, 1, 1, -1, -1, 0, 0, 1, 0}, Plain}},
        {33, {zeros, Plain}},
        {34, {{-1, 1, -2, -1, 0, 0, -3, -2, -1, -3}, Plain}},
        {35, {{-1, 1, -2, 0, 0, 0, -3, -2, 1, -1}, Plain}},
        {36, {{0, -1, 1, 1, -1, -1, 0, 0, 0, 0}, Plain}},
        // Beef Production on Upland/Hill Farm
        {37, {zeros, Organic}},
        {38, {{1, -1, 1, 0, 1, 1, 1, 0, 1, 0}, Heather}},
        {39, {{0, 0, 1, 0, 1, 1, 1, 0, 0, 0}, Plain}},
        {40, {{0, -1, 1, 1, -1, -1, 0, 0, 0, 0}, Plain}},
        {41, {{0, -2, 1, 1, -1, -1, 0, 0, 1, 0}, Plain}},
        {43, {{-1, 1, -2, 0, 0, 0, -3, -2, 1, -1}, Plain}},
        {44, {{-1, 1, -2, -1, 0, 0, -3, -2, -2, -3}, Plain}},
        {45, {zeros, Fattening}},
        {46, {{1, -1, 1, 0, 1, 1, 1, 0, 1, 0}, Heather | Organic}},
        {47, {{0, 0, 1, 0, 1, 1, 1, 0, 0, 0}, Organic}},
        {48, {{0, -1, 1, 1, -1, -1, 0, 0, 0, 0}, Plain}},
        // Management for Deer
        {49, {{0, 0, 0, 0, 1, 1, 1, 0, 0, 0}, Plain}},
        {50, {{0, -1, 1, 0, 2, 2, 1, 0, 0, 0}, Heather}},
        {51, {{0, 0, 0, 0, 0, 0, -3, 0, -1, 0}, DeerGrazing}},
        {52, {{0, 0, 0, 0, -2, 0, -3, 0, -1, 0}, Plain}},
        // Arable Production
        {54, {{0, -3, -1, 0, 0, -2, -2, 0, -1, 0}, Plain}},
        {55, {{0, -1, 0, 0, 0, -1, -1, 0, 0, 0}, Plain}},
        {56, {{0, -1, 1, 1, 0, -1, 0, 0, 0, 0}, Plain}},
        {57, {{0, -1, 1, 1, 0, -1, 0, 0, 0, 0}, Plain}},
        {58, {{0, 0, 0, 0, 0, 0, 0, 0, 0, -1}, Crop}},
        {59, {{-3, 2, -3, -1, 0, 0, -3, -1, -1, -3}, Plain}},
        {60, {{-3, 2, -3, -1, 0, 0, -3, -1, 1, -1}, Plain}},
        {61, {{0, -1, 1, 1, 0, -1, 0, 0, 0, 0}, Plain}},
    };
    return rows;
}

// The thirds as the score matrix stores them: a double quotient by 3, kept as Single.
Single third(int n)
{
    return static_cast<Single>(n / 3.0);
}

// The catalogue group of a farm type; nothing for a text that is none of the seven.
std::optional<std::pair<int, int>> farmGroup(const QString& agricultureType)
{
    static const std::array<std::pair<const QString*, std::pair<int, int>>, 7> groups = {{
        {&FarmDairy, {0, 6}},
        {&FarmSheepLowland, {7, 14}},
        {&FarmSheepUpland, {15, 30}},
        {&FarmBeefLowland, {31, 36}},
        {&FarmBeefUpland, {37, 48}},
        {&FarmDeer, {49, 52}},
        {&FarmArable, {54, 61}},
    }};
    for (const auto& [name, range] : groups) {
        if (agricultureType == *name)
            return range;
    }
    return std::nullopt;
}

// Rows scored by the energy share E from concentrate; nothing above 65 (the row stays cleared).
std::optional<Thirds> energyRow(int index, Double E)
{
    if (index == 5) {
        if (E < 25)
            return Thirds{3, -3, 2, 0, 0, 0, 2, 2, 2, 1};
        if (E < 50)
            return Thirds{2, -2, 2, 0, 0, 0, 2, 2, 2, 1};
    } else if (E < 50) {
        return Thirds{-1, 0, 1, 0, 0, 0, 2, 2, 2, 0};
    }
    if (E <= 65)
        return index == 5 ? Thirds{1, -1, 1, 0, 0, 0, 1, 1, 1, 0} : Thirds{0, 0, 0, 0, 0, 0, 1, 1, 1, 0};
    return std::nullopt;
}

// Rows scored by the sale answer; nothing for an answer outside the two options.
std::optional<Thirds> saleRow(int index, const QString& sale)
{
    if (sale == answer::ForFatteningElsewhere)
        return zeros;
    if (sale == answer::FinishedForSlaughter) {
        return index == 25 ? Thirds{0, 0, -1, 0, 0, 0, -2, 0, 1, 0} : Thirds{0, -2, 1, 1, -1, -1, 0, 0, 1, 0};
    }
    return std::nullopt;
}

} // namespace

void FillScoreMatrix(AssessmentState& state, const QString& Countermeasure, int Row)
{
    const auto group = farmGroup(state.AgricultureType);
    if (!group)
        return;
    std::optional<int> found;
    for (int index = group->first; index <= group->second && !found; ++index) {
        if (state.Countermeasures(index).Name == Countermeasure)
            found = index;
    }
    if (!found)
        return;
    const int index = *found;
    auto answerOf = [&state](int question) -> const QString& { return state.LimitationQuestions(question).AnswerText; };

    // A band or answer that the table does not cover must not leave an earlier assessment's scores behind.
    for (int c = 0; c < 10; ++c)
        state.ScoreMatrix(Row, c) = 0;

    std::optional<Thirds> cells;
    unsigned rules = Plain;
    if (index == 2 || index == 5 || index == 6) {
        cells = energyRow(index, AnswerAsNumber(answerOf(lq::EnrgyConcentrate)));
    } else if (index == 25 || index == 42) {
        cells = saleRow(index, answerOf(lq::AnimalSell));
    } else {
        const ScoreRow& row = scoreRows().at(index);
        cells = row.cells;
        rules = row.rules;
    }
    if (cells) {
        for (int c = 0; c < 10; ++c)
            state.ScoreMatrix(Row, c) = third((*cells)[static_cast<std::size_t>(c)]);
    }

    const QString& soilType = answerOf(lq::SoilType);
    const QString& grazing = answerOf(lq::RoughGrazing);
    if ((rules & Organic) && (soilType == answer::OrganicWaterlogged || soilType == answer::OrganicNotWaterlogged))
        state.ScoreMatrix(Row, 3) = third(1);
    if (rules & Heather)
        state.ScoreMatrix(Row, 9) = third(grazing == answer::HeatherMoorland ? -2 : 2);
    if ((rules & Fattening) && answerOf(lq::AnimalSell) == answer::ForFatteningElsewhere) {
        state.ScoreMatrix(Row, 2) = third(1);
        state.ScoreMatrix(Row, 5) = third(2);
        state.ScoreMatrix(Row, 8) = third(-1);
    }
    if ((rules & Crop) &&
        (answerOf(lq::ExistCrop) == answer::WinterWheat || answerOf(lq::ExistCrop) == answer::WinterBarley))
        state.ScoreMatrix(Row, 0) = third(-1);
    if (rules & DeerGrazing) {
        const int g = grazing == answer::HeatherMoorland ? -2 : grazing == answer::RoughGrassland ? 2 : -3;
        state.ScoreMatrix(Row, 9) = third(g);
    }
}

} // namespace talvo
