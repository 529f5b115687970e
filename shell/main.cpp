#include "economics/ui/EconomicWindows.h"
#include "mcdm/ui/RankingWindows.h"
#include "platform/core/ProgramFolders.h"
#include "platform/core/TempFolder.h"
#include "platform/ui/QtSeams.h"
#include "platform/ui/SettingsStore.h"
#include "selection/ui/SelectionWindows.h"
#include "shell/ProgramCallbacks.h"
#include "shell/core/AppInfo.h"
#include "shell/ui/ApplicationIcon.h"
#include "shell/ui/Module1.h"
#include "shell/ui/frmMain.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    talvo::AppInfo& info = talvo::App();
    QApplication::setOrganizationName(talvo::SettingsOrganisation);
    QApplication::setApplicationName(info.Title);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3").arg(info.Major).arg(info.Minor).arg(info.Revision));
    QApplication::setWindowIcon(talvo::ApplicationIcon());
    QApplication::setDesktopFileName(QStringLiteral("newtalvo"));
    // Beside the program in the build, in its data folder once installed; when it is in neither, Help names it.
    const QString helpName = QStringLiteral("Talvo.hlp");
    const QString programFolder = QApplication::applicationDirPath();
    info.HelpFile = talvo::FindFileIn(talvo::DataFileFolders(programFolder), helpName);
    if (info.HelpFile.isEmpty())
        info.HelpFile = talvo::JoinPath(programFolder, helpName);
    talvo::InstallQtSeams();
    // Reading a file rebuilds the texts it does not hold through the selection and economic rules.
    talvo::TheCaseFileCallbacks() = talvo::ProgramCaseFileCallbacks();
    talvo::ConnectSelectionWindows();
    talvo::ConnectRankingWindows();
    talvo::ConnectEconomicWindows();

    talvo::Main();
    const int result = QApplication::exec();
    // The main window goes before the application object it needs.
    delete talvo::fMainForm;
    talvo::fMainForm = nullptr;
    return result;
}
