#include "platform/ui/WindowPlacement.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace talvo {

QWidget* MainWindow()
{
    QWidget* hidden = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() != QLatin1String("frmMain"))
            continue;
        if (widget->isVisible())
            return widget;
        hidden = widget;
    }
    return hidden;
}

void PlaceOverMainWindow(QWidget& window)
{
    if (QWidget* owner = MainWindow(); owner && owner != &window)
        PlaceOver(window, *owner);
}

void PlaceOver(QWidget& window, QWidget& owner)
{
    if (window.parentWidget() != &owner) {
        // A dialog or tool window keeps its type. A plain window becomes a dialog: only those the window manager
        // is told to keep in front of their owner, a plain one falls behind it at the owner's first click.
        Qt::WindowFlags flags = window.windowFlags();
        if ((flags & Qt::WindowType_Mask) == Qt::Widget || (flags & Qt::WindowType_Mask) == Qt::Window)
            flags = (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
        window.setParent(&owner, flags);
    }
    if (window.isVisible())
        return;
    // The size the window will open with: a laid-out window first takes the room its contents need.
    if (QLayout* layout = window.layout())
        layout->activate();
    // The owner's frame tells how much the window manager adds around a window.
    const QRect ownerFrame = owner.frameGeometry();
    const QRect ownerClient = owner.geometry();
    const QMargins decoration(ownerClient.left() - ownerFrame.left(), ownerClient.top() - ownerFrame.top(),
                              ownerFrame.right() - ownerClient.right(), ownerFrame.bottom() - ownerClient.bottom());
    QRect outer = QRect(QPoint(), window.size()).marginsAdded(decoration);
    outer.moveCenter(ownerFrame.center());
    if (const QScreen* screen = owner.screen()) {
        const QRect available = screen->availableGeometry();
        outer.moveLeft(std::max(available.left(), std::min(outer.left(), available.right() - outer.width() + 1)));
        outer.moveTop(std::max(available.top(), std::min(outer.top(), available.bottom() - outer.height() + 1)));
    }
    // Placed by its inner rectangle: the frame of a window not yet on screen is not known, so a frame position
    // could leave its title bar above the screen.
    window.setGeometry(outer.marginsRemoved(decoration));
}

void ShowNoMaximiseButton(QWidget& window)
{
    // Customised, or the window system puts every button back.
    const Qt::WindowFlags kept =
        window.windowFlags() & ~(Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint);
    window.setWindowFlags(kept | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
}

} // namespace talvo
