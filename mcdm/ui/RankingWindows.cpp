#include "mcdm/ui/RankingWindows.h"

#include "mcdm/ui/frmGraphResults.h"
#include "mcdm/ui/frmGraphWeights.h"
#include "mcdm/ui/frmMCDM.h"
#include "mcdm/ui/frmViewScores.h"
#include "platform/ui/WindowPlacement.h"
#include "shell/core/WindowHooks.h"

namespace talvo {
namespace {

template <typename Form> void showAndRaise(FormHandle<Form>& handle)
{
    PlaceOverMainWindow(handle.get());
    handle.Show();
    handle->raise();
    handle->activateWindow();
}

} // namespace

void ConnectRankingWindows()
{
    ConnectWindow(RankingWizardWindow, [] { showAndRaise(forms::frmMCDM); });
    ConnectWindow(ScoresChartWindow, [] { showAndRaise(forms::frmViewScores); });
    ConnectWindow(WeightsChartWindow, [] { showAndRaise(forms::frmGraphWeights); });
    ConnectWindow(RankingChartWindow, [] {
        showAndRaise(forms::frmGraphResults);
        forms::frmGraphResults->LoadGraphData(1);
    });
}

} // namespace talvo
