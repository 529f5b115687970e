#pragma once

#include "tables/core/AssessmentState.h"

#include <QString>

#include <map>
#include <vector>

namespace talvo {

// What a grid of text cells shows: cell texts and text colours (colour numbers 0xBBGGRR, 255 is red),
// column widths and row heights in twips where they are set, and the one font of the whole grid.
struct GridContent
{
    int Rows = 0;
    int Cols = 0;
    std::vector<std::vector<QString>> Text;   // [row][col]
    std::vector<std::vector<int>> ForeColour; // [row][col]
    std::map<int, int> ColWidthTwips;
    std::map<int, int> RowHeightTwips;
    bool FontBold = false;
    double FontSize = 8;

    GridContent(int rows, int cols);
    void set(int row, int col, const QString& text, int colour = 0);
};

constexpr int ColourBlack = 0;
constexpr int ColourRed = 255;

// The score grid: criteria down, countermeasures across, each score as its scale word.
GridContent ScoreGridContent(const AssessmentState& state);
// The cost/benefit grid from EconomicResults: "£ " and the cost, the benefit and benefit minus cost, the last
// in red when it is negative.
GridContent CostBenefitGridContent(const AssessmentState& state);

} // namespace talvo
