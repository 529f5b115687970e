#pragma once

namespace talvo {

// Shows the cost/benefit wizard (modeless), loading it afresh when it is not open and raising it when it is.
void ShowEconomicWizard();

// Connects the main window's "frmEconomic" to ShowEconomicWizard; start-up calls it once.
void ConnectEconomicWindows();

} // namespace talvo
