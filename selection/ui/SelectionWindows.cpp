#include "selection/ui/SelectionWindows.h"

#include "selection/ui/frmDepoAndAg.h"
#include "shell/core/WindowHooks.h"

#include <QApplication>

namespace talvo {

void ConnectSelectionWindows()
{
    ConnectWindow(SelectionWizardWindow, [] {
        if (!forms::frmDepoAndAg.Loaded()) {
            // Owned by the window it is opened from, so it stays in front of it and hands the focus back to it.
            if (QWidget* owner = QApplication::activeWindow()) {
                frmDepoAndAg& wizard = forms::frmDepoAndAg.get();
                wizard.setParent(owner, Qt::Window);
                wizard.move(owner->geometry().center() - wizard.rect().center());
            }
        }
        forms::frmDepoAndAg.Show();
        frmDepoAndAg& wizard = forms::frmDepoAndAg.get();
        wizard.raise();
        wizard.activateWindow();
    });
}

} // namespace talvo
