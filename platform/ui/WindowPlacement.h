#pragma once

#include <QSize>

class QWidget;

namespace talvo {

// The program's main window (the top-level widget named "frmMain"), or nullptr while there is none.
QWidget* MainWindow();

// Makes a top-level window one of the main window's own, so it stays in front of it and goes with it, and, when
// it is not on screen yet, centres it over the main window, whole on that window's screen. Which window is active
// does not matter: after a file dialog none is.
void PlaceOverMainWindow(QWidget& window);

// The same over a given owner. A window that may be resized is cut, and its minimum size too, to what the owner's
// screen holds: the window and its frame never open larger than the screen's available area.
void PlaceOver(QWidget& window, QWidget& owner);

// The most a top-level window placed over owner may take inside its frame: the available area of owner's screen less
// the frame the window manager puts around owner. Without an owner, the primary screen's whole available area.
QSize RoomOver(const QWidget* owner);

// A window of fixed size offers no maximise button. Called before the window is first shown; the window fixes its
// size itself.
void ShowNoMaximiseButton(QWidget& window);

} // namespace talvo
