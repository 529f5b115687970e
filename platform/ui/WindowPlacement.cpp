#include "platform/ui/WindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace talvo {
namespace {

// How much the window manager adds around a top-level window, told by a window already shown (nothing by one that
// is not).
QMargins decorationOf(const QWidget& shown)
{
    const QRect frame = shown.frameGeometry();
    const QRect client = shown.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

} // namespace

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

QSize RoomOver(const QWidget* owner)
{
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().marginsRemoved(owner ? decorationOf(*owner) : QMargins()).size();
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
    const QMargins decoration = decorationOf(owner);
    const QScreen* screen = owner.screen();
    // One that may be resized is never larger than the screen, nor asks to be.
    if (screen && window.minimumSize() != window.maximumSize()) {
        const QSize room = RoomOver(&owner);
        if (window.minimumWidth() > room.width() || window.minimumHeight() > room.height())
            window.setMinimumSize(window.minimumSize().boundedTo(room));
        window.resize(window.size().boundedTo(room));
    }
    QRect outer = QRect(QPoint(), window.size()).marginsAdded(decoration);
    outer.moveCenter(owner.frameGeometry().center());
    if (screen) {
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
