#include "shell/ui/frmMain.h"

#include "casefile/ui/frmTALVOfile.h"
#include "platform/core/Seams.h"
#include "platform/core/Twips.h"
#include "platform/ui/FormHandle.h"
#include "platform/ui/HelpViewer.h"
#include "platform/ui/SettingsStore.h"
#include "selection/core/SelectionCancelPoint.h"
#include "shell/core/AppInfo.h"
#include "shell/core/MainGeometry.h"
#include "shell/core/WindowHooks.h"
#include "shell/ui/ToolbarIcons.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmOptions.h"
#include "tables/core/AssessmentState.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

namespace talvo {
namespace {

const QString GraphScoresNeedsFileText = QStringLiteral("You must load a *.tlv file in order to graph scores!");
const QString GraphWeightsNeedsRankingText =
    QStringLiteral("You must load a *.tlv file and run an MCDM assessment in order to graph weights!");
const QString NoHelpText =
    QStringLiteral("Unable to display Help Contents. There is no Help associated with this project.");
const QString HelpPromptText = QStringLiteral("Would you like help getting started with your TalvoDSS assessment?");
const QString HelpPromptTitle = QStringLiteral("Need some help?");
const QString WizardOpenText = QStringLiteral("Finish or cancel the open wizard first.");

struct ButtonDefinition
{
    const char* key; // empty for a separator
    const char* toolTip;
};

// Buttons 1 to 11 in order.
constexpr ButtonDefinition ButtonDefinitions[] = {
    {"New", "New"},
    {"Open", "Open"},
    {"Save", "Save"},
    {"", ""},
    {"RunTalvoWizard", "Run Countermeasure Selection Wizard"},
    {"RunMCDMWizard", "Run MCDM Wizard"},
    {"RunEconomicWizard", "Run Cost/Benefit Wizard"},
    {"", ""},
    {"Graph", "Graph "},
    {"", ""},
    {"Help", "Help"},
};

int toPixels(Single twips)
{
    return TwipsToPixels(static_cast<int>(std::lround(twips)));
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("TalvoDSS"));

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIClient"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    createMenus();
    createToolbar();
    createStatusBar();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(4300);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &frmMain::focusWindowChanged);

    // The results window opens inside this window, with no close button of its own: File Close unloads it.
    forms::frmTALVOfile.onCreate = [this](frmTALVOfile& window) {
        QMdiSubWindow* frame = mdiArea_->addSubWindow(&window, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                                   Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
        // Created is not shown: Show does that.
        frame->hide();
    };

    CaseFile.Save = [](frmTALVOfile& window, const QString& path) { return window.SaveTALVOfile(path); };
    CaseFile.Open = [](frmTALVOfile& window, const QString& path) { return window.OpenTALVOfile(path); };
    CaseFile.Export = [](frmTALVOfile& window, const QString& path) { return window.ExportTALVOfileAsText(path); };

    FormLoadedChanged = [this](const QString& FormName, bool Loaded) { formLoadedChanged(FormName, Loaded); };

    MDIForm_Load();
    Timer1->start();
}

frmMain::~frmMain()
{
    forms::frmTALVOfile.onCreate = nullptr;
    FormLoadedChanged = nullptr;
}

void frmMain::createMenus()
{
    auto action = [this](QMenu* menu, const char* name, const QString& caption, void (frmMain::*handler)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };

    mnuFile = menu("mnuFile", QStringLiteral("&File"));
    mnuFileNew = action(mnuFile, "mnuFileNew", QStringLiteral("&New"), &frmMain::mnuFileNew_Click);
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = action(mnuFile, "mnuFileOpen", QStringLiteral("&Open"), &frmMain::mnuFileOpen_Click);
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = action(mnuFile, "mnuFileClose", QStringLiteral("&Close"), &frmMain::mnuFileClose_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
    mnuFileSave = action(mnuFile, "mnuFileSave", QStringLiteral("&Save"), &frmMain::mnuFileSave_Click);
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = action(mnuFile, "mnuFileSaveAs", QStringLiteral("Save &As..."), &frmMain::mnuFileSaveAs_Click);
    mnuFileExport = mnuFile->addMenu(QStringLiteral("&Export File As..."));
    mnuFileExport->setObjectName(QStringLiteral("mnuFileExport"));
    mnuFileExport->menuAction()->setObjectName(QStringLiteral("mnuFileExport"));
    mnuFileExportTXT = action(mnuFileExport, "mnuFileExportTXT", QStringLiteral("Text Format (*.txt)"),
                              &frmMain::mnuFileExportTXT_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar4"));
    mnuFileExit = action(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), &frmMain::mnuFileExit_Click);

    mnuView = menu("mnuView", QStringLiteral("&View"));
    mnuViewToolbar = action(mnuView, "mnuViewToolbar", QStringLiteral("&Toolbar"), &frmMain::mnuViewToolbar_Click);
    mnuViewToolbar->setCheckable(true);
    mnuViewStatusBar =
        action(mnuView, "mnuViewStatusBar", QStringLiteral("Status &Bar"), &frmMain::mnuViewStatusBar_Click);
    mnuViewStatusBar->setCheckable(true);

    mnuRun = menu("mnuRun", QStringLiteral("&Run"));
    mnuRunSelectWizard = action(mnuRun, "mnuRunSelectWizard", QStringLiteral("&TALVO Selection Wizard"),
                                &frmMain::mnuRunSelectWizard_Click);
    mnuRunMCDM = action(mnuRun, "mnuRunMCDM", QStringLiteral("&Multicriteria Decision Making Wizard"),
                        &frmMain::mnuRunMCDM_Click);
    mnuRunEconomic = action(mnuRun, "mnuRunEconomic", QStringLiteral("&Farm Level Cost/Benefit Wizard"),
                            &frmMain::mnuRunEconomic_Click);

    mnuGraph = menu("mnuGraph", QStringLiteral("&Graph"));
    mnuGraphScores =
        action(mnuGraph, "mnuGraphScores", QStringLiteral("Countermeasure Scores"), &frmMain::mnuGraphScores_Click);

    mnuHelp = menu("mnuHelp", QStringLiteral("&Help"));
    mnuHelpContents = action(mnuHelp, "mnuHelpContents", QStringLiteral("&Contents"), &frmMain::mnuHelpContents_Click);
    mnuHelpSearch =
        action(mnuHelp, "mnuHelpSearch", QStringLiteral("&Search For Help On..."), &frmMain::mnuHelpSearch_Click);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpBar1"));
    mnuHelpAbout = action(mnuHelp, "mnuHelpAbout", QStringLiteral("&About TalvoDSS..."), &frmMain::mnuHelpAbout_Click);

    // The states at load.
    setCommandEnabled(mnuFileNew, true);
    setCommandEnabled(mnuFileOpen, true);
    setCommandEnabled(mnuFileClose, false);
    setCommandEnabled(mnuFileSave, false);
    setCommandEnabled(mnuFileSaveAs, false);
    setCommandEnabled(mnuFileExport->menuAction(), false);
    mnuViewToolbar->setChecked(true);
    mnuViewStatusBar->setChecked(true);
    setCommandEnabled(mnuRunSelectWizard, false);
    setCommandEnabled(mnuRunMCDM, false);
    setCommandEnabled(mnuRunEconomic, false);
    setCommandEnabled(mnuGraphScores, false);
}

void frmMain::createToolbar()
{
    tbToolBar = addToolBar(QStringLiteral("Toolbar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->toggleViewAction()->setVisible(false);
    int index = 1;
    for (const ButtonDefinition& definition : ButtonDefinitions) {
        const QString key = QLatin1String(definition.key);
        QAction* button = nullptr;
        if (key.isEmpty()) {
            button = tbToolBar->addSeparator();
        } else {
            button = tbToolBar->addAction(ToolbarIcon(key), QLatin1String(definition.toolTip));
            button->setObjectName(QStringLiteral("tbToolBar_") + key);
            button->setData(key);
            button->setToolTip(QLatin1String(definition.toolTip));
            connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
        }
        buttons_[static_cast<std::size_t>(index++)] = button;
    }
}

void frmMain::createStatusBar()
{
    sbStatusBar = statusBar();
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(true);
    panels_[1] = new QLabel(this);
    panels_[1]->setObjectName(QStringLiteral("sbStatusBarPanel1"));
    panels_[1]->setTextFormat(Qt::PlainText); // the evaluation file's path
    panels_[1]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    panels_[1]->setMinimumWidth(40);
    panels_[2] = new QLabel(this);
    panels_[2]->setObjectName(QStringLiteral("sbStatusBarPanel2"));
    panels_[2]->setAlignment(Qt::AlignCenter);
    panels_[2]->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    panels_[2]->setMinimumWidth(panels_[2]->fontMetrics().horizontalAdvance(panels_[2]->text()) + 16);
    sbStatusBar->addWidget(panels_[1], 1);
    sbStatusBar->addPermanentWidget(panels_[2]);
}

void frmMain::MDIForm_Load()
{
    const AppInfo& app = App();
    const MainGeometry defaults;
    QList<QScreen*> all = QGuiApplication::screens();
    // The primary screen first: a window that lost its screen goes there.
    std::stable_partition(all.begin(), all.end(), [](QScreen* s) { return s == QGuiApplication::primaryScreen(); });
    QList<QRect> screens;
    for (const QScreen* screen : all) {
        const QRect r = screen->availableGeometry();
        screens.append(
            QRect(PixelsToTwips(r.x()), PixelsToTwips(r.y()), PixelsToTwips(r.width()), PixelsToTwips(r.height())));
    }
    const MainGeometry g = MainGeometryFromSettings(
        GetSetting(app.Title, SettingsSection, MainLeftKey, GeometrySettingText(defaults.Left)),
        GetSetting(app.Title, SettingsSection, MainTopKey, GeometrySettingText(defaults.Top)),
        GetSetting(app.Title, SettingsSection, MainWidthKey, GeometrySettingText(defaults.Width)),
        GetSetting(app.Title, SettingsSection, MainHeightKey, GeometrySettingText(defaults.Height)), screens);
    move(toPixels(g.Left), toPixels(g.Top));
    resize(toPixels(g.Width), toPixels(g.Height));
    frameToBringInside_ = g.PlacedInside;

    for (int i : {1, 2, 11})
        setButtonEnabled(i, true);
    for (int i : {3, 5, 6, 7, 9})
        setButtonEnabled(i, false);
    caseWindowOpen_ = false;
}

void frmMain::MDIForm_Activate()
{
    AssessmentState& s = TheAssessment();
    if (s.NumberOfCountermeasures > 1) {
        setCommandEnabled(mnuRunMCDM, true);
        setButtonEnabled(6, true);
    }
    if (s.NumberOfCountermeasures > 0 && !s.NoSuitableCountermeasures.IsSet && !s.NoCountermeasuresNeeded.IsSet) {
        const bool costable = s.DepositionScenario != ConsiderAllScenarios;
        setCommandEnabled(mnuRunEconomic, costable);
        setButtonEnabled(7, costable);
        setButtonEnabled(9, costable);
    }
    if (s.NumberOfCountermeasures == 0) {
        setCommandEnabled(mnuRunEconomic, false);
        setButtonEnabled(7, false);
        setButtonEnabled(9, false);
    }
    panels_[1]->setText(s.CaseFilePath);
}

void frmMain::MDIForm_Resize()
{
    if (caseWindowOpen_)
        fitResultsWindow();
}

void frmMain::MDIForm_Unload()
{
    if (isMinimized())
        return;
    const QString& title = App().Title;
    SaveSetting(title, SettingsSection, MainLeftKey, GeometrySettingText(Single(PixelsToTwips(x()))));
    SaveSetting(title, SettingsSection, MainTopKey, GeometrySettingText(Single(PixelsToTwips(y()))));
    SaveSetting(title, SettingsSection, MainWidthKey, GeometrySettingText(Single(PixelsToTwips(width()))));
    SaveSetting(title, SettingsSection, MainHeightKey, GeometrySettingText(Single(PixelsToTwips(height()))));
}

bool frmMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (!std::exchange(frameChecked_, true))
            bringFrameInside();
        if (!focusCameFromDialog_)
            MDIForm_Activate();
        focusCameFromDialog_ = false;
    }
    return QMainWindow::event(event);
}

// The stored size is the inner one, and the window manager's frame is known only once the window is shown: a
// window that was placed inside a screen, or whose frame makes it larger than its screen, is cut and moved again so
// that its frame is inside too. One that fits stays where it was put.
void frmMain::bringFrameInside()
{
    const QScreen* screen = QGuiApplication::screenAt(geometry().center());
    const QRect area = (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize fitting = size().boundedTo(area.size() - frame);
    if (!frameToBringInside_ && fitting == size())
        return;
    resize(fitting);
    move(std::clamp(x(), area.left(), area.left() + area.width() - width() - frame.width()),
         std::clamp(y(), area.top(), area.top() + area.height() - height() - frame.height()));
}

void frmMain::focusWindowChanged(QWindow* focus)
{
    if (!focus || focus == windowHandle())
        return;
    focusCameFromDialog_ = false;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == focus)
            focusCameFromDialog_ = widget->inherits("QMessageBox") || widget->inherits("QFileDialog");
    }
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        MDIForm_Unload();
    }
    event->accept();
    // The program ends with its main window, whatever wizards or charts are still open.
    QCoreApplication::quit();
}

void frmMain::tbToolBar_ButtonClick(const QString& Key)
{
    if (Key == QLatin1String("New"))
        mnuFileNew_Click();
    else if (Key == QLatin1String("Open"))
        mnuFileOpen_Click();
    else if (Key == QLatin1String("Save"))
        mnuFileSave_Click();
    else if (Key == QLatin1String("RunTalvoWizard"))
        mnuRunSelectWizard_Click();
    else if (Key == QLatin1String("RunMCDMWizard"))
        mnuRunMCDM_Click();
    else if (Key == QLatin1String("RunEconomicWizard"))
        mnuRunEconomic_Click();
    else if (Key == QLatin1String("Graph"))
        mnuGraphScores_Click();
    else if (Key == QLatin1String("Help"))
        mnuHelpSearch_Click();
}

void frmMain::Timer1_Timer()
{
    // Stopped first: the question is modal, and the timer must not ask again while it waits.
    Timer1->stop();
    if (MsgBox(HelpPromptText, MessageButtons::YesNo, MessageIcon::None, HelpPromptTitle) == MessageAnswer::Yes)
        mnuHelpContents_Click();
}

void frmMain::mnuViewToolbar_Click()
{
    tbToolBar->setVisible(!tbToolBar->isVisible());
    mnuViewToolbar->setChecked(tbToolBar->isVisible());
}

void frmMain::mnuViewStatusBar_Click()
{
    sbStatusBar->setVisible(!sbStatusBar->isVisible());
    mnuViewStatusBar->setChecked(sbStatusBar->isVisible());
}

void frmMain::mnuRunSelectWizard_Click()
{
    // Asked again while it is open: the same wizard comes to the front, with its answers as they are.
    if (openWizards_.contains(SelectionWizardWindow)) {
        ShowConnectedWindow(SelectionWizardWindow);
        return;
    }
    if (refusedUnderWizard(mnuRunSelectWizard))
        return;
    AssessmentState& s = TheAssessment();
    PendingSelectionCancelPoint() = KeepSelectionCancelPoint(s, TheSelectionSession());
    for (LimitationQuestionRecord& question : s.LimitationQuestions)
        question.AnswerText.clear();
    ShowConnectedWindow(SelectionWizardWindow);
    PendingSelectionCancelPoint().reset();
    setCommandEnabled(mnuGraphScores, true);
}

void frmMain::mnuRunMCDM_Click()
{
    if (!refusedUnderWizard(mnuRunMCDM))
        ShowConnectedWindow(RankingWizardWindow);
}
void frmMain::mnuRunEconomic_Click()
{
    if (!refusedUnderWizard(mnuRunEconomic))
        ShowConnectedWindow(EconomicWizardWindow);
}

void frmMain::mnuGraphScores_Click()
{
    if (refusedUnderWizard(mnuGraphScores))
        return;
    if (!forms::frmTALVOfile.Visible()) {
        MsgBox(GraphScoresNeedsFileText);
        return;
    }
    ShowConnectedWindow(ScoresChartWindow);
}

void frmMain::ShowGraphResults()
{
    ShowConnectedWindow(RankingChartWindow);
}

void frmMain::ShowGraphWeights()
{
    if (forms::frmTALVOfile.Visible() && TheAssessment().MCDMDone)
        ShowConnectedWindow(WeightsChartWindow);
    else
        MsgBox(GraphWeightsNeedsRankingText);
}

void frmMain::ShowOptions()
{
    frmOptions& options = forms::frmOptions.get();
    if (options.parentWidget() != this)
        options.setParent(this, options.windowFlags());
    options.exec();
}

void frmMain::mnuHelpContents_Click()
{
    showHelp(HELP_CONTENTS);
}
void frmMain::mnuHelpSearch_Click()
{
    showHelp(HELP_PARTIALKEY);
}

void frmMain::showHelp(int command)
{
    const QString& file = App().HelpFile;
    if (file.isEmpty()) {
        MsgBox(NoHelpText, MessageButtons::OK, MessageIcon::Information, windowTitle());
        return;
    }
    QString error;
    if (!ShowHelp(this, file, command, QString(), &error))
        MsgBox(error);
}

void frmMain::mnuHelpAbout_Click()
{
    // Owned by this window, so it stays in front of it and goes with it.
    frmAbout& about = forms::frmAbout.get();
    if (about.parentWidget() != this)
        about.setParent(this, about.windowFlags());
    forms::frmAbout.Show();
}

QAction* frmMain::Button(int index) const
{
    return index >= 1 && index <= 11 ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void frmMain::setButtonEnabled(int index, bool enabled)
{
    setCommandEnabled(Button(index), enabled);
}

void frmMain::setCommandEnabled(QAction* command, bool enabled)
{
    if (!command)
        return;
    ruleEnabled_.insert(command, enabled);
    command->setEnabled(enabled && !heldByWizard(command));
}

bool frmMain::heldByWizard(const QAction* command) const
{
    const bool selection = openWizards_.contains(SelectionWizardWindow);
    // File New, Open and Close would replace or drop the assessment any wizard works on.
    if (command == mnuFileNew || command == mnuFileOpen || command == mnuFileClose || command == Button(1) ||
        command == Button(2))
        return !openWizards_.isEmpty();
    // One selection at a time, and none under a ranking or costing of the list it would replace.
    if (command == mnuRunSelectWizard || command == Button(5))
        return !selection && !openWizards_.isEmpty();
    // What the selection wizard is rebuilding is neither saved, exported, ranked, costed nor charted meanwhile.
    const QAction* underSelection[] = {mnuFileSave,    Button(3), mnuFileSaveAs,  mnuFileExport->menuAction(),
                                       mnuRunMCDM,     Button(6), mnuRunEconomic, Button(7),
                                       mnuGraphScores, Button(9)};
    return selection &&
           std::find(std::begin(underSelection), std::end(underSelection), command) != std::end(underSelection);
}

bool frmMain::refusedUnderWizard(const QAction* command)
{
    if (!heldByWizard(command))
        return false;
    MsgBox(WizardOpenText);
    return true;
}

void frmMain::formLoadedChanged(const QString& FormName, bool Loaded)
{
    if (FormName != SelectionWizardWindow && FormName != RankingWizardWindow && FormName != EconomicWizardWindow)
        return;
    if (Loaded)
        openWizards_.insert(FormName);
    else
        openWizards_.remove(FormName);
    for (auto it = ruleEnabled_.cbegin(); it != ruleEnabled_.cend(); ++it)
        it.key()->setEnabled(it.value() && !heldByWizard(it.key()));
}

QString frmMain::StatusPanelText(int panel) const
{
    return panel == 1 || panel == 2 ? panels_[static_cast<std::size_t>(panel)]->text() : QString();
}

} // namespace talvo
