#include "platform/core/TempFolder.h"
#include "platform/ui/QtSeams.h"
#include "tables/core/ReferenceTables.h"

#include <QApplication>
#include <QTextStream>

// Start-up: the working folder first, then the reference tables. The main window comes with the shell.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalvoDSS"));
    talvo::InstallQtSeams();

    talvo::AssessmentState& state = talvo::TheAssessment();
    state.TempFolder = talvo::TempFolderFromEnvironment();
    talvo::InitialiseReferenceTables(state);

    QTextStream(stdout) << "NewTalvo: reference tables loaded; working folder " << state.TempFolder << ".\n"
                        << "The main window is not built yet, so there is nothing to show.\n";
    return 0;
}
