#pragma once

#include <QHash>
#include <QMainWindow>
#include <QSet>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class QWindow;

namespace talvo {

class frmTALVOfile;

// The multiple-document main window: menus, toolbar, status bar and the results window inside. Which commands
// are available is changed by each event on its own terms (load, activation, New, Open, Close, Run), never
// recomputed from the state as a whole. While a wizard works on the assessment, the commands that would change
// or replace it under the wizard are held back on top of that, and come back as those rules left them.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // Creates and loads the window (MDIForm_Load); it stays hidden until shown.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // How the file commands reach the results window. Each reports its own failure and returns false; tests
    // put stand-ins here.
    struct CaseFileProcedures
    {
        std::function<bool(frmTALVOfile&, const QString&)> Save;
        std::function<bool(frmTALVOfile&, const QString&)> Open;
        std::function<bool(frmTALVOfile&, const QString&)> Export;
    };
    CaseFileProcedures CaseFile;

    // Window events.
    void MDIForm_Activate();
    void MDIForm_Resize();
    void MDIForm_Unload();
    void tbToolBar_ButtonClick(const QString& Key);
    void Timer1_Timer();

    // Menu commands.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExportTXT_Click();
    void mnuFileExit_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuRunSelectWizard_Click();
    void mnuRunMCDM_Click();
    void mnuRunEconomic_Click();
    void mnuGraphScores_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();

    // No menu entry or button calls these.
    void ShowGraphResults();
    void ShowGraphWeights();
    void ShowOptions();

    bool CaseWindowOpen() const { return caseWindowOpen_; }
    // Toolbar button 1 to 11 (4, 8 and 10 are separators); nullptr outside.
    QAction* Button(int index) const;
    // The text of status-bar panel 1 (the evaluation file) or 2 (the date).
    QString StatusPanelText(int panel) const;
    QMdiArea* MdiArea() const { return mdiArea_; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    inline static const QString ConsiderAllScenarios = QStringLiteral("Consider All Scenarios");

    void MDIForm_Load();
    void focusWindowChanged(QWindow* focus);
    void bringFrameInside();
    void createMenus();
    void createToolbar();
    void createStatusBar();
    void setButtonEnabled(int index, bool enabled);
    void setCommandEnabled(QAction* command, bool enabled);
    bool heldByWizard(const QAction* command) const;
    // Says so when a held command is reached other than through its menu entry or button.
    bool refusedUnderWizard(const QAction* command);
    void formLoadedChanged(const QString& FormName, bool Loaded);
    void showResultsWindow();
    void fitResultsWindow();
    void showHelp(int command);
    QString defaultCaseFilePath() const;

    QMdiArea* mdiArea_ = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QMenu* mnuFileExport = nullptr;
    QAction* mnuFileExportTXT = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuViewToolbar = nullptr;
    QAction* mnuViewStatusBar = nullptr;
    QMenu* mnuRun = nullptr;
    QAction* mnuRunSelectWizard = nullptr;
    QAction* mnuRunMCDM = nullptr;
    QAction* mnuRunEconomic = nullptr;
    QMenu* mnuGraph = nullptr;
    QAction* mnuGraphScores = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpSearch = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QToolBar* tbToolBar = nullptr;
    std::array<QAction*, 12> buttons_{}; // 1 to 11
    QStatusBar* sbStatusBar = nullptr;
    std::array<QLabel*, 3> panels_{}; // 1 and 2
    QTimer* Timer1 = nullptr;

    bool caseWindowOpen_ = false;
    // Each command's state as its rules set it; what is shown also depends on the wizards open.
    QHash<QAction*, bool> ruleEnabled_;
    QSet<QString> openWizards_;
    bool unloaded_ = false;
    bool frameToBringInside_ = false;
    bool frameChecked_ = false;
    // Whether the window that had the focus before this one was a message box or file dialog: handing the focus
    // back from one of those is not an activation of the main window.
    bool focusCameFromDialog_ = false;
};

} // namespace talvo
