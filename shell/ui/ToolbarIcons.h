#pragma once

#include <QIcon>
#include <QString>

namespace talvo {

// The main toolbar's pictures, drawn at run time; one per button key ("New", "Open", "Save", "RunTalvoWizard",
// "RunMCDMWizard", "RunEconomicWizard", "Graph", "Help").
QIcon ToolbarIcon(const QString& key);

} // namespace talvo
