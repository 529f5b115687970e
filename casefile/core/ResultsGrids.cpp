#include "casefile/core/ResultsGrids.h"

#include "platform/core/NumberForms.h"
#include "tables/core/ScoreScale.h"

namespace talvo {

GridContent::GridContent(int rows, int cols)
    : Rows(rows), Cols(cols),
      Text(static_cast<std::size_t>(rows), std::vector<QString>(static_cast<std::size_t>(cols))),
      ForeColour(static_cast<std::size_t>(rows), std::vector<int>(static_cast<std::size_t>(cols), ColourBlack))
{
}

void GridContent::set(int row, int col, const QString& text, int colour)
{
    Text.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)) = text;
    ForeColour.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(col)) = colour;
}

GridContent ScoreGridContent(const AssessmentState& state)
{
    const int nc = state.NumberOfCountermeasures;
    const int nk = state.NumberOfCriteria;
    GridContent grid(nk + 1, nc + 1);
    grid.ColWidthTwips[0] = 2500;
    grid.RowHeightTwips[0] = 900;
    grid.set(0, 0, QStringLiteral("Criteria/Countermeasure"));
    for (int i = 0; i < nc; ++i)
        grid.set(0, i + 1, state.FinalCountermeasures(i));
    for (int j = 0; j < nk; ++j)
        grid.set(j + 1, 0, state.Criteria(j).Name);
    for (int j = 0; j < nk; ++j) {
        for (int i = 0; i < nc; ++i) {
            grid.ColWidthTwips[i + 1] = 1700;
            grid.set(j + 1, i + 1, ConvertScoretoText(state.ScoreMatrix(i, j)));
        }
    }
    // One font for the whole grid: the last one set, regular 8 point.
    grid.FontBold = false;
    grid.FontSize = 8;
    return grid;
}

GridContent CostBenefitGridContent(const AssessmentState& state)
{
    const int nc = state.NumberOfCountermeasures;
    GridContent grid(nc + 1, 4);
    grid.ColWidthTwips[0] = 2000;
    grid.RowHeightTwips[0] = 900;
    grid.set(0, 0, QStringLiteral("Countermeasure"));
    grid.set(0, 1, QStringLiteral("Costs"));
    grid.set(0, 2, QStringLiteral("Benefits"));
    grid.set(0, 3, QStringLiteral("Summary"));
    grid.FontBold = true;
    grid.FontSize = 12;
    for (int i = 0; i < nc; ++i) {
        grid.RowHeightTwips[i + 1] = 600;
        grid.set(i + 1, 0, state.FinalCountermeasures(i));
    }
    const QString pound = QStringLiteral("\u00A3 ");
    for (int i = 0; i < nc; ++i) {
        grid.FontBold = false;
        grid.FontSize = 8;
        const EconomicResultRecord& result = state.EconomicResults(i);
        const Double summary = result.Benefit - result.Cost;
        for (int col = 1; col <= 3; ++col)
            grid.ColWidthTwips[col] = 1200;
        grid.set(i + 1, 1, pound + FormatStandard(result.Cost));
        grid.set(i + 1, 2, pound + FormatStandard(result.Benefit));
        grid.set(i + 1, 3, pound + FormatStandard(summary), summary < 0 ? ColourRed : ColourBlack);
    }
    return grid;
}

} // namespace talvo
