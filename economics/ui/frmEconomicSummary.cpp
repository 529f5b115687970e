// The summary page's grid, and the window's connection to the main window.
#include "economics/ui/EconomicWindows.h"
#include "economics/ui/frmEconomic.h"

#include "casefile/core/ResultsGrids.h"
#include "casefile/ui/TextGrid.h"
#include "economics/core/EconomicSummary.h"
#include "shell/core/WindowHooks.h"

#include <QApplication>

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

// The main window, which keeps the wizard above it; nullptr when there is none.
QWidget* mainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmMain"))
            return widget;
    }
    return nullptr;
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
    if (!forms::frmEconomic.Loaded()) {
        frmEconomic& wizard = forms::frmEconomic.get();
        if (QWidget* owner = mainWindow()) {
            wizard.setParent(owner, Qt::Window);
            wizard.move(owner->geometry().center() - wizard.rect().center());
        }
    }
    forms::frmEconomic.Show();
}

void ConnectEconomicWindows()
{
    ConnectWindow(EconomicWizardWindow, ShowEconomicWizard);
}

} // namespace talvo
