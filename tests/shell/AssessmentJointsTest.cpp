// The program's windows together: what one wizard leaves for the next save, and which commands wait for a wizard.
#include "casefile/core/EvaluationFile.h"
#include "casefile/ui/TextGrid.h"
#include "economics/core/EconomicSession.h"
#include "economics/ui/EconomicWindows.h"
#include "economics/ui/frmEconomic.h"
#include "mcdm/core/RankingWizardRules.h"
#include "mcdm/ui/RankingWindows.h"
#include "mcdm/ui/frmMCDM.h"
#include "selection/ui/SelectionWindows.h"
#include "shell/core/WindowHooks.h"
#include "shell/ui/frmMain.h"
#include "tests/casefile/CaseFileTestSupport.h"
#include "tests/selection/WizardTestSupport.h"
#include "tests/shell/ShellTestSupport.h"

#include <QFile>

namespace talvo::test {
namespace {

class AssessmentJoints : public WizardTest
{
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        forms::frmDepoAndAg.Unload();
        TheEconomicSession() = EconomicSession();
        ConnectSelectionWindows();
        ConnectRankingWindows();
        ConnectEconomicWindows();
        main_ = std::make_unique<frmMain>();
        open(TestDataPath(QStringLiteral("both.tlv"))); // ranked and costed, three countermeasures
    }
    void TearDown() override
    {
        forms::frmMCDM.Unload();
        forms::frmEconomic.Unload();
        WizardTest::TearDown();
        main_.reset();
    }
    void open(const QString& path)
    {
        files_.answerNext(path);
        main_->mnuFileOpen_Click();
    }
    QByteArray saveAs(const QString& name)
    {
        files_.answerNext(temp_.filePath(name));
        main_->mnuFileSaveAs_Click();
        QFile file(temp_.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // To the final page of a pair that needs no countermeasure.
    void selectNothingNeeded()
    {
        main_->mnuRunSelectWizard_Click();
        chooseScenarioAndFarm(QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241"), QStringLiteral("Sheep on Lowland Farm"));
    }
    static QString shown(const char* name)
    {
        return forms::frmTALVOfile->findChild<QWidget*>(name)->property("text").toString();
    }

    RecordingFileDialogSeam files_;
    std::unique_ptr<frmMain> main_;
};

// Left by Cancel (0), by the close box (1), or by Cancel after a Finish that could not write (2).
class SelectionLeftUnfinished : public AssessmentJoints, public ::testing::WithParamInterface<int>
{
};

TEST_P(SelectionLeftUnfinished, TheNextSaveIsTheSaveBefore)
{
    const QByteArray before = saveAs(QStringLiteral("before.tlv"));
    if (GetParam() == 2) {
        selectNothingNeeded();
        state().TempFolder = temp_.filePath(QStringLiteral("before.tlv")); // a file: no folder to write in
        press("CommandFinish");
        ASSERT_TRUE(forms::frmDepoAndAg.Loaded());
    } else { // every page changed
        main_->mnuRunSelectWizard_Click();
        chooseScenarioAndFarm(QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241"), QStringLiteral("Dairy Production"));
        clickItem("ListCountermeasures", items("ListCountermeasures").at(0));
        press("CommandNext");
        for (QLineEdit* box : wizard()->findChildren<QLineEdit*>())
            QTest::keyClicks(box, QStringLiteral("7"));
    }
    GetParam() == 1 ? void(wizard()->close()) : press("CommandCancel");
    EXPECT_EQ(saveAs(QStringLiteral("after.tlv")), before);
}
INSTANTIATE_TEST_SUITE_P(CancelCloseAndFailedFinish, SelectionLeftUnfinished, ::testing::Values(0, 1, 2));

TEST_F(AssessmentJoints, FinishOfANewSelectionLeavesNoOldRankingOrCosts)
{
    selectNothingNeeded();
    press("CommandFinish");
    const auto content = ParseEvaluationFile(saveAs(QStringLiteral("new.tlv")), nullptr);
    EXPECT_FALSE(content->MCDMDone || content->EconomicDone);
    for (const char* name : {"RichTextBoxIdealPtResults", "LabelPUsed", "RichTextBoxEconomicInformation"})
        EXPECT_EQ(shown(name), QString()) << name;
    EXPECT_TRUE(forms::frmTALVOfile->findChild<TextGrid*>("MSFlexGridCostBenefit")->isHidden());
}

TEST_F(AssessmentJoints, CommandsWaitForTheOpenWizardAndComeBackAsTheyWere)
{
    const QString caseOpen = Gating(*main_);
    main_->mnuRunSelectWizard_Click();
    clickItem("ListDeposition", QStringLiteral("Consider All Scenarios"));
    EXPECT_EQ(Gating(*main_),
              "New- Open- Close- Save- SaveAs- Export- Select+ MCDM- Econ- Graph- | 1- 2- 3- 5+ 6- 7- 9- 11+");
    main_->MDIForm_Activate();
    main_->mnuRunSelectWizard_Click(); // to the front, nothing emptied or moved
    main_->mnuRunMCDM_Click();
    EXPECT_EQ(page(), Page::FrameDeposition);
    EXPECT_EQ(messages_.texts(), QStringList{QStringLiteral("Finish or cancel the open wizard first.")});
    press("CommandCancel");
    main_->MDIForm_Activate(); // the focus comes back
    EXPECT_EQ(Gating(*main_), caseOpen);

    for (const QString& name : {RankingWizardWindow, EconomicWizardWindow}) {
        ShowConnectedWindow(name);
        EXPECT_EQ(Gating(*main_),
                  "New- Open- Close- Save+ SaveAs+ Export+ Select- MCDM+ Econ+ Graph+ | 1- 2- 3+ 5- 6+ 7+ 9+ 11+");
        main_->mnuFileClose_Click();
        EXPECT_TRUE(main_->CaseWindowOpen());
        name == RankingWizardWindow ? forms::frmMCDM->CommandCancel_Click() : forms::frmEconomic->CommandCancel_Click();
        EXPECT_EQ(Gating(*main_), caseOpen);
    }
}

TEST_F(AssessmentJoints, APOfZeroFromAFileOpenedUnderTheRankingWizardRanksNothing)
{
    ShowConnectedWindow(RankingWizardWindow);
    frmMCDM& ranking = *forms::frmMCDM;
    ranking.CommandNext_Click();
    ranking.CommandNext_Click(); // p 1 accepted
    auto content = ParseEvaluationFile(ReadTestData(QStringLiteral("both.tlv")), nullptr);
    content->PValue = 0;
    QFile file(temp_.filePath(QStringLiteral("p0.tlv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(EncodeEvaluationFile(*content)) > 0);
    file.close();
    ASSERT_TRUE(forms::frmTALVOfile->OpenTALVOfile(file.fileName()));
    ranking.CommandNext_Click();
    ranking.CommandNext_Click();
    EXPECT_EQ(messages_.texts(), QStringList{PValueRangeMessage});
    EXPECT_FALSE(state().MCDMDone);
}

TEST_F(AssessmentJoints, AReopenedArableAssessmentIsCostedThroughTheCropQuestion)
{
    AssessmentState& s = state();
    s.AgricultureType = QStringLiteral("Arable Production");
    s.FinalCountermeasures(0) = s.Countermeasures(54).Name;
    s.FinalCountermeasures(1) = s.Countermeasures(58).Name;
    s.NumberOfCountermeasures = 2;
    s.LimitationQuestions(33).AnswerText = QStringLiteral("Winter Wheat");
    // Costed through the wizard; the second time the answers come from the file, the crop from its question.
    const auto cost = [this](bool reopened) {
        ShowConnectedWindow(EconomicWizardWindow);
        frmEconomic& wizard = *forms::frmEconomic;
        wizard.CommandNext_Click();
        for (QLineEdit* box : wizard.findChildren<QLineEdit*>())
            QTest::keyClicks(box, reopened ? QString() : QStringLiteral("12"));
        QWidget* crop = wizard.findChild<QWidget*>(QStringLiteral("ctlExistCrop"));
        EXPECT_EQ(crop != nullptr, reopened);
        wizard.CommandNext_Click();
        if (crop && messages_.texts() == QStringList{QStringLiteral("You must select the crop before proceeding.")})
            crop->setProperty("Answer", 2); // "Winter Wheat"
        for (int step = 0; step < 5 && wizard.CurrentFrame() != EconomicFrame::FrameFinal; ++step)
            wizard.CommandNext_Click();
        wizard.CommandFinish_Click();
        return std::pair(state().EconomicResults(0).Benefit, state().EconomicResults(1).Cost);
    };
    const auto before = cost(false);
    saveAs(QStringLiteral("arable.tlv"));
    main_->mnuFileClose_Click();
    open(temp_.filePath(QStringLiteral("arable.tlv")));
    EXPECT_EQ(cost(true), before);
    EXPECT_NE(before.first, 0);
}

} // namespace
} // namespace talvo::test
