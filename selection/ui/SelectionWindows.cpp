#include "selection/ui/SelectionWindows.h"

#include "selection/ui/frmDepoAndAg.h"
#include "shell/core/WindowHooks.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>

namespace talvo {

void ConnectSelectionWindows()
{
    ConnectWindow(SelectionWizardWindow, [] {
        if (!forms::frmDepoAndAg.Loaded()) {
            // Owned by the window it is opened from, so it stays in front of it and hands the focus back to it.
            if (QWidget* owner = QApplication::activeWindow()) {
                frmDepoAndAg& wizard = forms::frmDepoAndAg.get();
                wizard.setParent(owner, Qt::Window);
                QRect place(QPoint(), wizard.size());
                place.moveCenter(owner->geometry().center());
                // Over its owner, but whole on the owner's screen.
                if (const QScreen* screen = owner->screen()) {
                    const QRect available = screen->availableGeometry();
                    place.moveLeft(std::clamp(place.left(), available.left(),
                                              std::max(available.left(), available.right() - place.width())));
                    place.moveTop(std::clamp(place.top(), available.top(),
                                             std::max(available.top(), available.bottom() - place.height())));
                }
                wizard.move(place.topLeft());
            }
        }
        forms::frmDepoAndAg.Show();
        frmDepoAndAg& wizard = forms::frmDepoAndAg.get();
        wizard.raise();
        wizard.activateWindow();
    });
}

} // namespace talvo
