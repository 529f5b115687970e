#pragma once

namespace talvo {

// Connects the main window's Run > TALVO Selection Wizard to showing frmDepoAndAg.
void ConnectSelectionWindows();

} // namespace talvo
