// The File menu of the main window.
#include "shell/ui/frmMain.h"

#include "casefile/ui/frmTALVOfile.h"
#include "platform/core/Seams.h"
#include "platform/core/TempFolder.h"
#include "tables/core/AssessmentState.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace talvo {
namespace {

const QString DefaultCaseFileName = QStringLiteral("Talvo_Evaluation.tlv");
const QString TalvoFilter = QStringLiteral("TALVO Files (*.tlv)");
const QString TextFilter = QStringLiteral("Text Files (*.txt)");

} // namespace

QString frmMain::defaultCaseFilePath() const
{
    return JoinPath(TheAssessment().TempFolder, DefaultCaseFileName);
}

void frmMain::showResultsWindow()
{
    forms::frmTALVOfile.Show();
    fitResultsWindow();
}

// The results window fills the working area of the main window.
void frmMain::fitResultsWindow()
{
    frmTALVOfile* window = forms::frmTALVOfile.existing();
    if (!window)
        return;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        if (!frame->isMaximized() && !frame->isMinimized())
            frame->setGeometry(QRect(QPoint(0, 0), mdiArea_->viewport()->size()));
    }
}

void frmMain::mnuFileNew_Click()
{
    if (refusedUnderWizard(mnuFileNew))
        return;
    AssessmentState& s = TheAssessment();
    showResultsWindow();
    caseWindowOpen_ = true;
    s.NoSuitableCountermeasures.IsSet = false;
    s.NoCountermeasuresNeeded.IsSet = false;
    s.CaseFilePath = defaultCaseFilePath();
    panels_[1]->setText(s.CaseFilePath);

    setCommandEnabled(mnuRunSelectWizard, true);
    setCommandEnabled(mnuFileOpen, false);
    setCommandEnabled(mnuFileNew, false);
    setButtonEnabled(1, false);
    setButtonEnabled(2, false);
    setCommandEnabled(mnuFileClose, true);
    setCommandEnabled(mnuFileSave, true);
    setButtonEnabled(3, true);
    setButtonEnabled(5, true);
    setCommandEnabled(mnuFileSaveAs, true);
    setCommandEnabled(mnuFileExport->menuAction(), true);
}

void frmMain::mnuFileOpen_Click()
{
    if (refusedUnderWizard(mnuFileOpen))
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = QStringLiteral("Open");
    request.filter = TalvoFilter;
    const std::optional<QString> chosen = AskFileName(request);
    if (!chosen || chosen->isEmpty())
        return;

    // The path, the window and the menus change only once the file has been read: a failed read leaves
    // everything as it was.
    AssessmentState& s = TheAssessment();
    const bool windowWasLoaded = forms::frmTALVOfile.Loaded();
    const bool noSuitableWasSet = s.NoSuitableCountermeasures.IsSet;
    const bool noneNeededWasSet = s.NoCountermeasuresNeeded.IsSet;
    s.NoSuitableCountermeasures.IsSet = false;
    s.NoCountermeasuresNeeded.IsSet = false;
    if (!CaseFile.Open(forms::frmTALVOfile.get(), *chosen)) {
        s.NoSuitableCountermeasures.IsSet = noSuitableWasSet;
        s.NoCountermeasuresNeeded.IsSet = noneNeededWasSet;
        if (!windowWasLoaded)
            forms::frmTALVOfile.Unload();
        return;
    }
    s.CaseFilePath = *chosen;
    showResultsWindow();
    caseWindowOpen_ = true;

    panels_[1]->setText(s.CaseFilePath);
    setCommandEnabled(mnuRunSelectWizard, true);
    if (s.NumberOfCountermeasures > 1) {
        setCommandEnabled(mnuRunMCDM, true);
        setButtonEnabled(6, true);
    }
    if (s.NumberOfCountermeasures >= 1 && !s.NoSuitableCountermeasures.IsSet && !s.NoCountermeasuresNeeded.IsSet) {
        if (s.DepositionScenario != ConsiderAllScenarios) {
            setCommandEnabled(mnuRunEconomic, true);
            setButtonEnabled(7, true);
        }
        setButtonEnabled(9, true);
    }
    setCommandEnabled(mnuFileOpen, false);
    setButtonEnabled(1, false);
    setCommandEnabled(mnuFileNew, false);
    setButtonEnabled(2, false);
    setCommandEnabled(mnuFileClose, true);
    setCommandEnabled(mnuFileSave, true);
    setButtonEnabled(3, true);
    setCommandEnabled(mnuFileSaveAs, true);
    setCommandEnabled(mnuFileExport->menuAction(), true);
    setCommandEnabled(mnuGraphScores, true);
    setCommandEnabled(mnuRunSelectWizard, true);
    setButtonEnabled(5, true);
}

void frmMain::mnuFileClose_Click()
{
    if (refusedUnderWizard(mnuFileClose))
        return;
    caseWindowOpen_ = false;
    forms::frmTALVOfile.Unload();

    setCommandEnabled(mnuRunSelectWizard, false);
    setCommandEnabled(mnuRunMCDM, false);
    setCommandEnabled(mnuRunEconomic, false);
    setCommandEnabled(mnuFileNew, true);
    setButtonEnabled(1, true);
    setCommandEnabled(mnuFileOpen, true);
    setButtonEnabled(2, true);
    setCommandEnabled(mnuFileClose, false);
    setCommandEnabled(mnuFileSave, false);
    for (int i : {3, 5, 6, 7, 9})
        setButtonEnabled(i, false);
    setCommandEnabled(mnuFileSaveAs, false);
    setCommandEnabled(mnuFileExport->menuAction(), false);
    setCommandEnabled(mnuGraphScores, false);
}

void frmMain::mnuFileSave_Click()
{
    if (refusedUnderWizard(mnuFileSave))
        return;
    AssessmentState& s = TheAssessment();
    // The default path is a working name only: the user chooses where the file really goes.
    if (s.CaseFilePath == defaultCaseFilePath()) {
        mnuFileSaveAs_Click();
        return;
    }
    CaseFile.Save(forms::frmTALVOfile.get(), s.CaseFilePath);
}

void frmMain::mnuFileSaveAs_Click()
{
    if (refusedUnderWizard(mnuFileSaveAs))
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = QStringLiteral("Save As");
    request.filter = TalvoFilter;
    request.extension = QStringLiteral("tlv");
    const std::optional<QString> chosen = AskFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    // The assessment takes the new name only once it is really stored under it.
    if (CaseFile.Save(forms::frmTALVOfile.get(), *chosen))
        TheAssessment().CaseFilePath = *chosen;
}

void frmMain::mnuFileExportTXT_Click()
{
    if (refusedUnderWizard(mnuFileExport->menuAction()))
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = QStringLiteral("Export File As");
    request.filter = TextFilter;
    request.extension = QStringLiteral("txt");
    const std::optional<QString> chosen = AskFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    CaseFile.Export(forms::frmTALVOfile.get(), *chosen);
}

void frmMain::mnuFileExit_Click()
{
    close();
}

} // namespace talvo
