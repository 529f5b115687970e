// The summary page's grid, and the window's connection to the main window.
#include "economics/ui/EconomicWindows.h"
#include "economics/ui/frmEconomic.h"

#include "casefile/core/ResultsGrids.h"
#include "casefile/ui/TextGrid.h"
#include "economics/core/EconomicSummary.h"
#include "platform/ui/WindowPlacement.h"
#include "shell/core/WindowHooks.h"

namespace talvo {
namespace {

GridContent summaryContent(const EconomicSummaryGrid& summary)
{
    GridContent content(summary.Rows(), EconomicSummaryGrid::Cols);
    content.ColWidthTwips[0] = EconomicSummaryGrid::FirstColumnWidth;
    content.RowHeightTwips[0] = EconomicSummaryGrid::HeaderRowHeight;
    for (int col = 1; col < EconomicSummaryGrid::Cols; ++col)
        content.ColWidthTwips[col] = EconomicSummaryGrid::MoneyColumnWidth;
    for (int row = 0; row < summary.Rows(); ++row) {
        if (row > 0)
            content.RowHeightTwips[row] = EconomicSummaryGrid::RowHeight;
        for (int col = 0; col < EconomicSummaryGrid::Cols; ++col)
            content.set(row, col, summary.Cell(row, col));
    }
    for (int i = 0; i < static_cast<int>(summary.Countermeasures.size()); ++i)
        content.ForeColour[static_cast<std::size_t>(i + 1)][3] =
            summary.Countermeasures[static_cast<std::size_t>(i)].SummaryColour;
    // One font serves the whole grid, as in the results window: the one set last, for the money cells.
    content.FontBold = false;
    content.FontSize = 8;
    return content;
}

} // namespace

void frmEconomic::FillEcSpreadSheet(TextGrid& Grid)
{
    Grid.showContent(summaryContent(talvo::FillEcSpreadSheet(TheAssessment())));
}

void ShowEconomicWizard()
{
    if (forms::frmEconomic.Visible()) {
        forms::frmEconomic->raise();
        forms::frmEconomic->activateWindow();
        return;
    }
    PlaceOverMainWindow(forms::frmEconomic.get());
    forms::frmEconomic.Show();
}

void ConnectEconomicWindows()
{
    ConnectWindow(EconomicWizardWindow, ShowEconomicWizard);
}

} // namespace talvo
