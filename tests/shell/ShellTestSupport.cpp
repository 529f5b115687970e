#include "tests/shell/ShellTestSupport.h"

#include "casefile/ui/frmTALVOfile.h"
#include "platform/ui/SettingsStore.h"
#include "shell/core/AppInfo.h"
#include "shell/core/WindowHooks.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmLogin.h"
#include "shell/ui/frmMain.h"
#include "shell/ui/frmOptions.h"
#include "shell/ui/frmSplash.h"
#include "tables/core/ReferenceTables.h"

#include <QAction>
#include <QApplication>
#include <QStandardPaths>
#include <QStringList>

namespace talvo::test {

QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "shell_ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        QStandardPaths::setTestModeEnabled(true);
        // 1366 x 768 left of 1920 x 1080, unless a run names screens of its own.
        const QByteArray screens = qgetenv("TALVO_TEST_SCREENS");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + (screens.isEmpty() ? TALVO_TWO_SCREENS : screens));
        auto* created = new QApplication(argc, argv);
        // Closing a test's main window must not end anything.
        QApplication::setQuitOnLastWindowClosed(false);
        return created;
    }();
    return *app;
}

void ShellTest::SetUp()
{
    TestApp();
    ASSERT_TRUE(dir_.isValid());
    SetSettingsFile(dir_.filePath(QStringLiteral("settings.ini")));
    AssessmentState& state = TheAssessment();
    state = AssessmentState{};
    InitialiseReferenceTables(state);
    state.TempFolder = dir_.path();
    App().HelpFile = QStringLiteral(TALVO_HELP_SOURCE);
    for (const QString& window : {SelectionWizardWindow, RankingWizardWindow, EconomicWizardWindow, ScoresChartWindow,
                                  RankingChartWindow, WeightsChartWindow})
        ConnectWindow(window, nullptr);
}

void ShellTest::TearDown()
{
    forms::frmTALVOfile.Unload();
    forms::frmSplash.Unload();
    forms::frmAbout.Unload();
    forms::frmOptions.Unload();
    forms::frmLogin.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetSettingsFile({});
}

QString ShellTest::tempPath(const QString& name) const
{
    return dir_.filePath(name);
}

bool ResultsWindowShown()
{
    const QWidget* window = forms::frmTALVOfile.existing();
    return window && window->isVisibleTo(window->window());
}

QAction* Action(const QWidget& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}

QString Gating(const frmMain& window)
{
    const std::pair<const char*, const char*> menus[] = {
        {"New", "mnuFileNew"},
        {"Open", "mnuFileOpen"},
        {"Close", "mnuFileClose"},
        {"Save", "mnuFileSave"},
        {"SaveAs", "mnuFileSaveAs"},
        {"Export", "mnuFileExport"},
        {"Select", "mnuRunSelectWizard"},
        {"MCDM", "mnuRunMCDM"},
        {"Econ", "mnuRunEconomic"},
        {"Graph", "mnuGraphScores"},
    };
    QStringList parts;
    for (const auto& [shortName, name] : menus) {
        const QAction* action = Action(window, QLatin1String(name));
        parts << QLatin1String(shortName) + (action && action->isEnabled() ? QLatin1Char('+') : QLatin1Char('-'));
    }
    parts << QStringLiteral("|");
    for (int i : {1, 2, 3, 5, 6, 7, 9, 11})
        parts << QString::number(i) + (window.Button(i)->isEnabled() ? QLatin1Char('+') : QLatin1Char('-'));
    return parts.join(QLatin1Char(' '));
}

} // namespace talvo::test
