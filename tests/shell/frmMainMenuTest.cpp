// The commands' captions, shortcuts and states, and how each event changes them.
#include "tests/shell/ShellTestSupport.h"

#include "casefile/ui/frmTALVOfile.h"
#include "shell/core/WindowHooks.h"
#include "shell/ui/frmMain.h"
#include "tables/core/AssessmentState.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace talvo::test {
namespace {

const QString AtLoad = QStringLiteral("New+ Open+ Close- Save- SaveAs- Export- Select- MCDM- Econ- Graph- | "
                                      "1+ 2+ 3- 5- 6- 7- 9- 11+");
const QString AfterNew = QStringLiteral("New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM- Econ- Graph- | "
                                        "1- 2- 3+ 5+ 6- 7- 9- 11+");

class MainMenus : public ShellTest
{
protected:
    // Opens a file whose reading leaves this many countermeasures and this scenario.
    void openFile(int count, const QString& scenario, bool noSuitable = false)
    {
        window.CaseFile.Open = [=](frmTALVOfile&, const QString&) {
            AssessmentState& s = TheAssessment();
            s.NumberOfCountermeasures = static_cast<Integer>(count);
            s.DepositionScenario = scenario;
            s.NoSuitableCountermeasures.IsSet = noSuitable;
            return true;
        };
        files_.answerNext(tempPath(QStringLiteral("case.tlv")));
        window.mnuFileOpen_Click();
    }

    frmMain window;
};

const QString Scenario = QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241");
const QString AllScenarios = QStringLiteral("Consider All Scenarios");

TEST_F(MainMenus, CaptionsShortcutsAndToolbarAtLoad)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("TalvoDSS"));
    const std::pair<const char*, const char*> captions[] = {
        {"mnuFile", "&File"},
        {"mnuFileNew", "&New"},
        {"mnuFileOpen", "&Open"},
        {"mnuFileClose", "&Close"},
        {"mnuFileSave", "&Save"},
        {"mnuFileSaveAs", "Save &As..."},
        {"mnuFileExport", "&Export File As..."},
        {"mnuFileExportTXT", "Text Format (*.txt)"},
        {"mnuFileExit", "E&xit"},
        {"mnuView", "&View"},
        {"mnuViewToolbar", "&Toolbar"},
        {"mnuViewStatusBar", "Status &Bar"},
        {"mnuRun", "&Run"},
        {"mnuRunSelectWizard", "&TALVO Selection Wizard"},
        {"mnuRunMCDM", "&Multicriteria Decision Making Wizard"},
        {"mnuRunEconomic", "&Farm Level Cost/Benefit Wizard"},
        {"mnuGraph", "&Graph"},
        {"mnuGraphScores", "Countermeasure Scores"},
        {"mnuHelp", "&Help"},
        {"mnuHelpContents", "&Contents"},
        {"mnuHelpSearch", "&Search For Help On..."},
        {"mnuHelpAbout", "&About TalvoDSS..."},
    };
    for (const auto& [name, caption] : captions) {
        const QAction* action = Action(window, QLatin1String(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QLatin1String(caption)) << name;
    }
    EXPECT_EQ(Action(window, QStringLiteral("mnuFileNew"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(Action(window, QStringLiteral("mnuFileOpen"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(Action(window, QStringLiteral("mnuFileSave"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(Action(window, QStringLiteral("mnuViewToolbar"))->isChecked());
    EXPECT_TRUE(Action(window, QStringLiteral("mnuViewStatusBar"))->isChecked());

    const std::pair<int, const char*> buttons[] = {{1, "New"},
                                                   {2, "Open"},
                                                   {3, "Save"},
                                                   {5, "Run Countermeasure Selection Wizard"},
                                                   {6, "Run MCDM Wizard"},
                                                   {7, "Run Cost/Benefit Wizard"},
                                                   {9, "Graph "},
                                                   {11, "Help"}};
    for (const auto& [index, tip] : buttons)
        EXPECT_EQ(window.Button(index)->toolTip(), QLatin1String(tip)) << index;
    for (int separator : {4, 8, 10})
        EXPECT_TRUE(window.Button(separator)->isSeparator()) << separator;
    EXPECT_EQ(window.Button(5)->data().toString(), QStringLiteral("RunTalvoWizard"));

    EXPECT_EQ(Gating(window), AtLoad);
    EXPECT_FALSE(window.CaseWindowOpen());
    EXPECT_TRUE(window.StatusPanelText(1).isEmpty());
    EXPECT_FALSE(window.StatusPanelText(2).isEmpty());
    const auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 4300);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(MainMenus, NewOpensTheEmptyResultsWindowUnderTheDefaultName)
{
    AssessmentState& s = TheAssessment();
    s.NoSuitableCountermeasures.IsSet = true;
    s.NoCountermeasuresNeeded.IsSet = true;
    window.mnuFileNew_Click();
    EXPECT_EQ(Gating(window), AfterNew);
    EXPECT_TRUE(window.CaseWindowOpen());
    EXPECT_TRUE(forms::frmTALVOfile.Loaded());
    EXPECT_EQ(s.CaseFilePath, tempPath(QStringLiteral("Talvo_Evaluation.tlv")));
    EXPECT_EQ(window.StatusPanelText(1), s.CaseFilePath);
    EXPECT_FALSE(s.NoSuitableCountermeasures.IsSet);
    EXPECT_FALSE(s.NoCountermeasuresNeeded.IsSet);
    EXPECT_TRUE(files_.asked().empty());
}

struct OpenCase
{
    int count;
    QString scenario;
    bool noSuitable;
    QString gating;
};

TEST_F(MainMenus, OpenFollowsTheFileRead)
{
    const OpenCase cases[] = {
        {1, Scenario, false,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM- Econ+ Graph+ | 1- 2- 3+ 5+ 6- 7+ 9+ 11+")},
        {3, Scenario, false,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM+ Econ+ Graph+ | 1- 2- 3+ 5+ 6+ 7+ 9+ 11+")},
        // All scenarios: no costing, but the Graph button is still enabled.
        {1, AllScenarios, false,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM- Econ- Graph+ | 1- 2- 3+ 5+ 6- 7- 9+ 11+")},
        {3, AllScenarios, false,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM+ Econ- Graph+ | 1- 2- 3+ 5+ 6+ 7- 9+ 11+")},
        {0, Scenario, true,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM- Econ- Graph+ | 1- 2- 3+ 5+ 6- 7- 9- 11+")},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 countermeasures, %2").arg(c.count).arg(c.scenario).toStdString());
        openFile(c.count, c.scenario, c.noSuitable);
        EXPECT_EQ(Gating(window), c.gating);
        EXPECT_TRUE(window.CaseWindowOpen());
        EXPECT_TRUE(ResultsWindowShown());
        EXPECT_EQ(TheAssessment().CaseFilePath, tempPath(QStringLiteral("case.tlv")));
        EXPECT_EQ(window.StatusPanelText(1), TheAssessment().CaseFilePath);
        window.mnuFileClose_Click();
        EXPECT_EQ(Gating(window), AtLoad);
    }
}

TEST_F(MainMenus, CloseUnloadsTheWindowAndKeepsTheAssessment)
{
    openFile(3, Scenario);
    TheAssessment().FinalCountermeasures(0) = QStringLiteral("Clean feeding");
    window.mnuFileClose_Click();
    EXPECT_EQ(Gating(window), AtLoad);
    EXPECT_FALSE(window.CaseWindowOpen());
    EXPECT_FALSE(forms::frmTALVOfile.Loaded());
    EXPECT_EQ(TheAssessment().NumberOfCountermeasures, 3);
    EXPECT_EQ(TheAssessment().FinalCountermeasures(0), QStringLiteral("Clean feeding"));
    EXPECT_EQ(TheAssessment().CaseFilePath, tempPath(QStringLiteral("case.tlv")));
}

struct ActivationCase
{
    const char* name;
    int count;
    QString scenario;
    bool noSuitable;
    bool noneNeeded;
    QString gating; // starting from the state after New
};

TEST_F(MainMenus, ActivationAfterNewFollowsTheAssessment)
{
    const ActivationCase cases[] = {
        {"none", 0, Scenario, false, false, AfterNew},
        {"one", 1, Scenario, false, false,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM- Econ+ Graph- | 1- 2- 3+ 5+ 6- 7+ 9+ 11+")},
        {"two", 2, Scenario, false, false,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM+ Econ+ Graph- | 1- 2- 3+ 5+ 6+ 7+ 9+ 11+")},
        {"two, all scenarios", 2, AllScenarios, false, false,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM+ Econ- Graph- | 1- 2- 3+ 5+ 6+ 7- 9- 11+")},
        // A status message set leaves the costing entries alone.
        {"two, none suitable", 2, Scenario, true, false,
         QStringLiteral(
             "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM+ Econ- Graph- | 1- 2- 3+ 5+ 6+ 7- 9- 11+")},
        {"one, none needed", 1, Scenario, false, true, AfterNew},
    };
    for (const ActivationCase& c : cases) {
        SCOPED_TRACE(c.name);
        frmMain fresh;
        fresh.mnuFileNew_Click();
        AssessmentState& s = TheAssessment();
        s.NumberOfCountermeasures = static_cast<Integer>(c.count);
        s.DepositionScenario = c.scenario;
        s.NoSuitableCountermeasures.IsSet = c.noSuitable;
        s.NoCountermeasuresNeeded.IsSet = c.noneNeeded;
        fresh.MDIForm_Activate();
        EXPECT_EQ(Gating(fresh), c.gating);
        EXPECT_EQ(fresh.StatusPanelText(1), s.CaseFilePath);
        fresh.mnuFileClose_Click();
    }
}

TEST_F(MainMenus, ActivationNeverDisablesTheRankingWizard)
{
    openFile(3, Scenario);
    AssessmentState& s = TheAssessment();
    s.NumberOfCountermeasures = 1;
    window.MDIForm_Activate();
    EXPECT_TRUE(Action(window, QStringLiteral("mnuRunMCDM"))->isEnabled());
    EXPECT_TRUE(window.Button(6)->isEnabled());
    // No countermeasures: costing and the Graph button go, the ranking stays.
    s.NumberOfCountermeasures = 0;
    window.MDIForm_Activate();
    EXPECT_EQ(Gating(window),
              QStringLiteral(
                  "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM+ Econ- Graph+ | 1- 2- 3+ 5+ 6+ 7- 9- 11+"));
}

TEST_F(MainMenus, NewAfterAFinishedAssessmentOffersTheOldCountermeasures)
{
    openFile(3, Scenario);
    window.mnuFileClose_Click();
    window.mnuFileNew_Click();
    window.MDIForm_Activate();
    EXPECT_EQ(Gating(window),
              QStringLiteral(
                  "New- Open- Close+ Save+ SaveAs+ Export+ Select+ MCDM+ Econ+ Graph- | 1- 2- 3+ 5+ 6+ 7+ 9+ 11+"));
}

TEST_F(MainMenus, SelectionWizardEmptiesEveryLimitationAnswerAndEnablesTheChart)
{
    window.mnuFileNew_Click();
    AssessmentState& s = TheAssessment();
    for (LimitationQuestionRecord& question : s.LimitationQuestions)
        question.AnswerText = QStringLiteral("Yes");
    int shown = 0;
    ConnectWindow(SelectionWizardWindow, [&] {
        ++shown;
        // The answers are already empty when the wizard opens.
        EXPECT_TRUE(TheAssessment().LimitationQuestions(33).AnswerText.isEmpty());
    });
    window.mnuRunSelectWizard_Click();
    EXPECT_EQ(shown, 1);
    for (int i = 0; i <= 33; ++i)
        EXPECT_TRUE(s.LimitationQuestions(i).AnswerText.isEmpty()) << i;
    EXPECT_TRUE(Action(window, QStringLiteral("mnuGraphScores"))->isEnabled());
    EXPECT_TRUE(messages_.shown().empty());

    window.tbToolBar_ButtonClick(QStringLiteral("RunTalvoWizard"));
    EXPECT_EQ(shown, 2);
}

TEST_F(MainMenus, WindowsNotConnectedYetAreReportedPlainly)
{
    window.mnuFileNew_Click();
    window.mnuRunSelectWizard_Click();
    window.mnuRunMCDM_Click();
    window.mnuRunEconomic_Click();
    ASSERT_EQ(messages_.texts().size(), 3);
    EXPECT_EQ(messages_.texts()[0], WindowNotBuiltText(SelectionWizardWindow));
    EXPECT_EQ(messages_.texts()[1], WindowNotBuiltText(RankingWizardWindow));
    EXPECT_EQ(messages_.texts()[2], WindowNotBuiltText(EconomicWizardWindow));
    // The entry is still enabled as if the wizard had opened.
    EXPECT_TRUE(Action(window, QStringLiteral("mnuGraphScores"))->isEnabled());
}

TEST_F(MainMenus, ToolbarButtonsRunTheirCommands)
{
    window.show();
    QStringList opened;
    for (const QString& name : {SelectionWizardWindow, RankingWizardWindow, EconomicWizardWindow, ScoresChartWindow})
        ConnectWindow(name, [&opened, name] { opened << name; });
    window.tbToolBar_ButtonClick(QStringLiteral("New"));
    EXPECT_TRUE(window.CaseWindowOpen());
    window.tbToolBar_ButtonClick(QStringLiteral("RunMCDMWizard"));
    window.tbToolBar_ButtonClick(QStringLiteral("RunEconomicWizard"));
    window.tbToolBar_ButtonClick(QStringLiteral("Graph"));
    EXPECT_EQ(opened, QStringList({RankingWizardWindow, EconomicWizardWindow, ScoresChartWindow}));
}

TEST_F(MainMenus, ChartsNeedTheResultsWindow)
{
    window.show();
    int scores = 0;
    int weights = 0;
    ConnectWindow(ScoresChartWindow, [&] { ++scores; });
    ConnectWindow(WeightsChartWindow, [&] { ++weights; });

    window.mnuGraphScores_Click();
    EXPECT_EQ(scores, 0);
    ASSERT_EQ(messages_.texts(), QStringList{QStringLiteral("You must load a *.tlv file in order to graph scores!")});
    EXPECT_TRUE(messages_.shown().front().title.isEmpty());
    window.ShowGraphWeights();
    EXPECT_EQ(weights, 0);
    EXPECT_EQ(messages_.texts().last(),
              QStringLiteral("You must load a *.tlv file and run an MCDM assessment in order to graph weights!"));

    openFile(3, Scenario);
    messages_.clear();
    window.mnuGraphScores_Click();
    EXPECT_EQ(scores, 1);
    window.ShowGraphWeights(); // no ranking yet
    EXPECT_EQ(weights, 0);
    TheAssessment().MCDMDone = true;
    window.ShowGraphWeights();
    EXPECT_EQ(weights, 1);
    EXPECT_EQ(messages_.texts().size(), 1);
}

TEST_F(MainMenus, ViewTogglesFlipTheBarsAndTheirMarks)
{
    window.show();
    QAction* toolbar = Action(window, QStringLiteral("mnuViewToolbar"));
    QAction* statusBar = Action(window, QStringLiteral("mnuViewStatusBar"));
    auto* bar = window.findChild<QWidget*>(QStringLiteral("tbToolBar"));
    auto* status = window.findChild<QWidget*>(QStringLiteral("sbStatusBar"));
    window.mnuViewToolbar_Click();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(toolbar->isChecked());
    window.mnuViewStatusBar_Click();
    EXPECT_FALSE(status->isVisible());
    EXPECT_FALSE(statusBar->isChecked());
    window.mnuViewToolbar_Click();
    window.mnuViewStatusBar_Click();
    EXPECT_TRUE(bar->isVisible() && toolbar->isChecked());
    EXPECT_TRUE(status->isVisible() && statusBar->isChecked());
}

} // namespace
} // namespace talvo::test
