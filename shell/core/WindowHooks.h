#pragma once

#include <QString>

#include <functional>

namespace talvo {

// The windows that the main window opens but other parts of the program build. Start-up connects each one to
// the code that shows it; until a window is connected, asking for it tells the user that it is not there yet.
inline const QString SelectionWizardWindow = QStringLiteral("frmDepoAndAg");
inline const QString RankingWizardWindow = QStringLiteral("frmMCDM");
inline const QString EconomicWizardWindow = QStringLiteral("frmEconomic");
inline const QString ScoresChartWindow = QStringLiteral("frmViewScores");
inline const QString RankingChartWindow = QStringLiteral("frmGraphResults");
inline const QString WeightsChartWindow = QStringLiteral("frmGraphWeights");

// Connects a window name to the code that shows it (modeless); an empty function disconnects it.
void ConnectWindow(const QString& FormName, std::function<void()> Show);
bool IsWindowConnected(const QString& FormName);

// Shows the named window through its connection, or says plainly that this build has no such window.
void ShowConnectedWindow(const QString& FormName);

// The message for a window that is not connected.
QString WindowNotBuiltText(const QString& FormName);

} // namespace talvo
