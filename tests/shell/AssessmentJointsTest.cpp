// The whole program's windows together: what one wizard leaves behind for the next save, and which commands wait
// for an open wizard.
#include "casefile/core/EvaluationFile.h"
#include "casefile/ui/TextGrid.h"
#include "economics/core/EconomicSession.h"
#include "economics/ui/EconomicWindows.h"
#include "economics/ui/frmEconomic.h"
#include "mcdm/core/RankingWizardRules.h"
#include "mcdm/ui/RankingWindows.h"
#include "mcdm/ui/frmMCDM.h"
#include "platform/ui/SettingsStore.h"
#include "selection/ui/SelectionWindows.h"
#include "shell/core/WindowHooks.h"
#include "shell/ui/frmMain.h"
#include "tests/casefile/CaseFileTestSupport.h"
#include "tests/selection/WizardTestSupport.h"
#include "tests/shell/ShellTestSupport.h"

#include <QFile>

namespace talvo::test {
namespace {

const QString Held = QStringLiteral("Finish or cancel the open wizard first.");

class AssessmentJoints : public WizardTest
{
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        forms::frmDepoAndAg.Unload();
        ProcessDeferredDeletes();
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
    // From the scenario page to the final page of a pair that needs no countermeasure.
    void selectNothingNeeded()
    {
        main_->mnuRunSelectWizard_Click();
        chooseScenarioAndFarm(QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241"), QStringLiteral("Sheep on Lowland Farm"));
        ASSERT_EQ(page(), Page::FrameFinalCounterm);
    }
    static QString shown(const char* name)
    {
        return forms::frmTALVOfile->findChild<QWidget*>(name)->property("text").toString();
    }

    RecordingFileDialogSeam files_;
    std::unique_ptr<frmMain> main_;
};

// Every page changed, then left by Cancel, by the close box, or by Cancel after a Finish that could not write.
class SelectionLeftUnfinished : public AssessmentJoints, public ::testing::WithParamInterface<int>
{
};

TEST_P(SelectionLeftUnfinished, TheNextSaveIsTheSaveBefore)
{
    const QByteArray before = saveAs(QStringLiteral("before.tlv"));
    if (GetParam() == 2) {
        selectNothingNeeded();
        state().TempFolder = temp_.filePath(QStringLiteral("before.tlv")); // a file, so no folder to write in
        press("CommandFinish");
        ASSERT_TRUE(forms::frmDepoAndAg.Loaded());
    } else {
        main_->mnuRunSelectWizard_Click();
        chooseScenarioAndFarm(QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241"), QStringLiteral("Dairy Production"));
        clickItem("ListCountermeasures", items("ListCountermeasures").at(0));
        press("CommandNext");
        for (QLineEdit* box : wizard()->findChildren<QLineEdit*>())
            QTest::keyClicks(box, QStringLiteral("7"));
    }
    if (GetParam() == 1)
        wizard()->close();
    else
        press("CommandCancel");
    EXPECT_EQ(saveAs(QStringLiteral("after.tlv")), before);
}
INSTANTIATE_TEST_SUITE_P(CancelCloseAndFailedFinish, SelectionLeftUnfinished, ::testing::Values(0, 1, 2));

TEST_F(AssessmentJoints, FinishOfANewSelectionLeavesNoOldRankingOrCosts)
{
    selectNothingNeeded();
    press("CommandFinish");
    const auto content = ParseEvaluationFile(saveAs(QStringLiteral("new.tlv")), nullptr);
    EXPECT_FALSE(content->MCDMDone || content->EconomicDone);
    for (const char* name :
         {"RichTextBoxIdealPtResults", "RichTextBoxCriteriaWeights", "LabelPUsed", "RichTextBoxEconomicInformation"})
        EXPECT_EQ(shown(name), QString()) << name;
    EXPECT_FALSE(forms::frmTALVOfile->findChild<TextGrid*>("MSFlexGridCostBenefit")
                     ->isVisibleTo(forms::frmTALVOfile.existing()));
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
    EXPECT_EQ(state().DepositionScenario, QStringLiteral("Consider All Scenarios"));
    EXPECT_EQ(messages_.texts(), QStringList{Held});
    press("CommandCancel");
    main_->MDIForm_Activate(); // the focus comes back
    EXPECT_EQ(Gating(*main_), caseOpen);

    for (const QString& wizardName : {RankingWizardWindow, EconomicWizardWindow}) {
        ShowConnectedWindow(wizardName);
        EXPECT_EQ(Gating(*main_),
                  "New- Open- Close- Save+ SaveAs+ Export+ Select- MCDM+ Econ+ Graph+ | 1- 2- 3+ 5- 6+ 7+ 9+ 11+");
        main_->mnuFileClose_Click();
        EXPECT_TRUE(main_->CaseWindowOpen());
        wizardName == RankingWizardWindow ? forms::frmMCDM->CommandCancel_Click()
                                          : forms::frmEconomic->CommandCancel_Click();
        EXPECT_EQ(Gating(*main_), caseOpen);
    }
    EXPECT_EQ(messages_.texts().size(), 3);
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
    EXPECT_EQ(shown("RichTextBoxIdealPtResults"), QString());
}

TEST_F(AssessmentJoints, AReopenedArableAssessmentIsCostedThroughTheCropQuestion)
{
    AssessmentState& s = state();
    s.AgricultureType = QStringLiteral("Arable Production");
    s.DepositionScenario = QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241");
    s.FinalCountermeasures(0) = s.Countermeasures(54).Name;
    s.FinalCountermeasures(1) = s.Countermeasures(58).Name;
    s.NumberOfCountermeasures = 2;
    const auto cost = [this](std::optional<int> crop) {
        ShowConnectedWindow(EconomicWizardWindow);
        frmEconomic& wizard = *forms::frmEconomic;
        wizard.CommandNext_Click();
        if (!crop) { // the second time, the answers come from the file
            for (QLineEdit* box : wizard.findChildren<QLineEdit*>())
                QTest::keyClicks(box, QStringLiteral("12"));
            for (QRadioButton* yes : wizard.findChildren<QRadioButton*>(QStringLiteral("OptionYes")))
                QTest::mouseClick(yes, Qt::LeftButton);
        }
        QWidget* cropQuestion = wizard.findChild<QWidget*>(QStringLiteral("ctlExistCrop"));
        EXPECT_EQ(cropQuestion != nullptr, crop.has_value());
        wizard.CommandNext_Click();
        if (crop) {
            EXPECT_EQ(messages_.texts(), QStringList{QStringLiteral("You must select the crop before proceeding.")});
            cropQuestion->setProperty("Answer", *crop);
            wizard.CommandNext_Click();
        }
        for (int step = 0; step < 3 && wizard.CurrentFrame() != EconomicFrame::FrameFinal; ++step)
            wizard.CommandNext_Click();
        wizard.CommandFinish_Click();
        return std::pair(state().EconomicResults(0).Benefit, state().EconomicResults(1).Cost);
    };
    s.LimitationQuestions(33).AnswerText = QStringLiteral("Winter Wheat");
    const auto before = cost(std::nullopt);
    saveAs(QStringLiteral("arable.tlv"));
    main_->mnuFileClose_Click();
    open(temp_.filePath(QStringLiteral("arable.tlv")));
    ASSERT_TRUE(s.LimitationQuestions(33).AnswerText.isEmpty());
    EXPECT_EQ(cost(2), before); // "Winter Wheat"
    EXPECT_NE(before.first, 0);
}

} // namespace
} // namespace talvo::test
