#include "selection/ui/SelectionWindows.h"

#include "platform/ui/WindowPlacement.h"
#include "selection/ui/frmDepoAndAg.h"
#include "shell/core/WindowHooks.h"

namespace talvo {

void ConnectSelectionWindows()
{
    ConnectWindow(SelectionWizardWindow, [] {
        frmDepoAndAg& wizard = forms::frmDepoAndAg.get();
        PlaceOverMainWindow(wizard);
        forms::frmDepoAndAg.Show();
        wizard.raise();
        wizard.activateWindow();
    });
}

} // namespace talvo
