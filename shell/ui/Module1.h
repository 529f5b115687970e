#pragma once

namespace talvo {

class frmMain;

// The main window, created once at start-up and living until the program ends.
inline frmMain* fMainForm = nullptr;

// Start-up: the working folder, the splash screen, the main window (loaded, hidden) and the reference tables.
// The splash screen shows the main window when it closes.
void Main();

// Shows the main window, modeless, and makes it the active window.
void ShowMainForm();

} // namespace talvo
