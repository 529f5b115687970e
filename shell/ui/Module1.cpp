#include "shell/ui/Module1.h"

#include "platform/core/TempFolder.h"
#include "shell/ui/frmMain.h"
#include "shell/ui/frmSplash.h"
#include "tables/core/ReferenceTables.h"

namespace talvo {

void Main()
{
    AssessmentState& state = TheAssessment();
    state.TempFolder = TempFolderFromEnvironment();
    forms::frmSplash.Show();
    fMainForm = new frmMain();
    InitialiseReferenceTables(state);
}

void ShowMainForm()
{
    if (!fMainForm)
        return;
    fMainForm->show();
    fMainForm->raise();
    fMainForm->activateWindow();
}

} // namespace talvo
