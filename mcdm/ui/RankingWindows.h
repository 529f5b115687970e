#pragma once

namespace talvo {

// Connects the main window's requests for the ranking wizard and the three chart windows to the code that
// shows them.
void ConnectRankingWindows();

} // namespace talvo
