#include "tests/mcdm/RankingWindowTest.h"

#include "mcdm/core/IdealPointRanking.h"
#include "mcdm/core/RankingWizardRules.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace talvo::test {
namespace {

using Page = frmMCDM::Page;

const char* const SliderNames[] = {
    "SliderSoilErosion",  "SliderLandscapeChange", "SliderSoilNutrients",  "SliderSoilOM",       "SliderSoilPollutants",
    "SliderWaterQuality", "SliderProductQuantity", "SliderProductQuality", "SliderAnimalHealth", "SliderAirQuality",
};

class RankingWizard : public RankingWindowTest
{
protected:
    frmMCDM& Open()
    {
        forms::frmMCDM.Show();
        return forms::frmMCDM.get();
    }
    static frmMCDM& Wizard() { return forms::frmMCDM.get(); }
    static QLineEdit* PText() { return Control<QLineEdit>(Wizard(), QStringLiteral("TextPValue")); }
    static QComboBox* Combo(int k) { return Control<QComboBox>(Wizard(), QStringLiteral("ComboCriteria%1").arg(k)); }
    static QSlider* Slider(int k) { return Control<QSlider>(Wizard(), QString::fromLatin1(SliderNames[k])); }
    static QPushButton* Button(const char* name) { return Control<QPushButton>(Wizard(), QString::fromLatin1(name)); }

    // From the first page to the last with the given p text, running the ranking on the way.
    static void RunThrough(const QString& p = QStringLiteral("1"))
    {
        Wizard().CommandNext_Click();
        PText()->setText(p);
        Wizard().CommandNext_Click();
        ASSERT_EQ(Wizard().CurrentPage(), Page::FrameObjectives);
        Wizard().CommandNext_Click();
        Wizard().CommandNext_Click();
        ASSERT_EQ(Wizard().CurrentPage(), Page::FrameFinalScores);
    }

    static void SelectEverywhere(int listIndex)
    {
        for (int k = 0; k < frmMCDM::Rows; ++k)
            Combo(k)->setCurrentIndex(listIndex);
    }

    static void Reopen()
    {
        Wizard().CommandFinish_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_FALSE(forms::frmMCDM.Loaded());
        forms::frmMCDM.Show();
    }

    static QString PerCriterion(const QString& before, const QString& after)
    {
        QString text;
        for (int j = 0; j < 10; ++j)
            text += before + TheAssessment().Criteria(j).Name + after;
        return text;
    }
};

TEST_F(RankingWizard, AFreshAssessmentOpensOnTheIntroductionWithTheDefaults)
{
    frmMCDM& wizard = Open();
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("MCDM Wizard"));
    EXPECT_EQ(wizard.CurrentPage(), Page::FrameIntro);
    EXPECT_FALSE(Button("CommandBack")->isEnabled());
    EXPECT_FALSE(Button("CommandFinish")->isEnabled());
    EXPECT_TRUE(Button("CommandNext")->isEnabled());
    EXPECT_TRUE(Button("CommandCancel")->isEnabled());
    EXPECT_EQ(PText()->text(), QStringLiteral("1"));
    for (int k = 0; k < frmMCDM::Rows; ++k) {
        SCOPED_TRACE(k);
        const int expected = (k == 0 || k == 2 || k == 3 || k == 7) ? 6 : 0;
        EXPECT_EQ(Combo(k)->currentIndex(), expected);
        EXPECT_EQ(Combo(k)->count(), 7);
        EXPECT_EQ(Combo(k)->itemText(0), QStringLiteral("Greatly Increases"));
        EXPECT_EQ(Combo(k)->itemText(6), QStringLiteral("Greatly Decreases"));
        EXPECT_EQ(Slider(k)->value(), 5);
        EXPECT_EQ(Slider(k)->minimum(), 0);
        EXPECT_EQ(Slider(k)->maximum(), 10);
        const QString name = TheAssessment().Criteria(k).Name;
        EXPECT_EQ(Control<QLabel>(wizard, QStringLiteral("LabelCriteria%1").arg(k))->text(), name);
        EXPECT_EQ(Control<QLabel>(wizard, QStringLiteral("LabelCriteria%1Objective").arg(k))->text(), name);
    }
    EXPECT_EQ(Control<ResultsTextBox>(wizard, QStringLiteral("RichTextBoxIdealPtTitle"))->text(),
              QStringLiteral("Rank Countermeasures Using\r\nIdeal Point Analysis"));
}

struct PCase
{
    const char* typed;
    bool accepted;
    Integer p; // PValue afterwards
};

class PValueCheck : public RankingWizard, public ::testing::WithParamInterface<PCase>
{
};

TEST_P(PValueCheck, AcceptsOnlyOneToTen)
{
    TheAssessment().PValue = 4;
    Open().CommandNext_Click();
    PText()->setText(QString::fromLatin1(GetParam().typed));
    Wizard().CommandNext_Click();
    EXPECT_EQ(TheAssessment().PValue, GetParam().p);
    if (GetParam().accepted) {
        EXPECT_EQ(Wizard().CurrentPage(), Page::FrameObjectives);
        EXPECT_TRUE(messages.texts().isEmpty());
    } else {
        EXPECT_EQ(Wizard().CurrentPage(), Page::FramePValue);
        EXPECT_EQ(PText()->text(), QStringLiteral("0"));
        EXPECT_EQ(messages.texts(), QStringList{PValueRangeMessage});
        EXPECT_EQ(messages.shown().at(0).title, QString());
        // Next again refuses the "0" it left behind.
        Wizard().CommandNext_Click();
        EXPECT_EQ(messages.texts().size(), 2);
        EXPECT_EQ(Wizard().CurrentPage(), Page::FramePValue);
    }
}

// Pasted text can be anything; none of it may stop the program.
INSTANTIATE_TEST_SUITE_P(RankingWizard, PValueCheck,
                         ::testing::Values(PCase{"1", true, 1}, PCase{"10", true, 10}, PCase{"3", true, 3},
                                           PCase{"2.5", true, 2}, PCase{"10.4", true, 10}, PCase{"12", false, 4},
                                           PCase{"0", false, 4}, PCase{"11", false, 4}, PCase{"", false, 4},
                                           PCase{"-3", false, 4}, PCase{"abc", false, 4},
                                           PCase{"99999999999999999999999", false, 4}, PCase{"0.4", false, 4}));

TEST_F(RankingWizard, TheKeysOfThePBox)
{
    Open().CommandNext_Click();
    QLineEdit* box = PText();
    box->clear();
    QTest::keyClicks(box, QStringLiteral("37"));
    EXPECT_EQ(box->text(), QStringLiteral("37"));
    EXPECT_TRUE(messages.texts().isEmpty());

    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(messages.texts(), QStringList{PValueKeyMessage});
    EXPECT_EQ(box->text(), QString());

    box->setText(QStringLiteral("4"));
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(box->text(), QString());

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), QStringLiteral("1"));
    EXPECT_EQ(Wizard().CurrentPage(), Page::FramePValue);

    // The p message leaves the focus in the p box, not on the Next pressed.
    box->setText(QStringLiteral("12"));
    Button("CommandNext")->setFocus();
    Wizard().CommandNext_Click();
    EXPECT_EQ(Wizard().focusWidget(), box);

    box->setText(QStringLiteral("3"));
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(Wizard().CurrentPage(), Page::FrameObjectives);
    EXPECT_EQ(TheAssessment().PValue, 3);
    EXPECT_EQ(messages.texts().size(), 3);
}

TEST_F(RankingWizard, ALeftClickEmptiesThePBoxARightClickLeavesIt)
{
    Open().CommandNext_Click();
    // Sent straight to the box: a right press through the window would open its context menu.
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::RightButton, Qt::RightButton, {});
    QCoreApplication::sendEvent(PText(), &right);
    EXPECT_EQ(PText()->text(), QStringLiteral("1"));
    QTest::mouseClick(PText(), Qt::LeftButton);
    EXPECT_EQ(PText()->text(), QString());
}

TEST_F(RankingWizard, PagesAndButtonsStepThroughAndBack)
{
    SetFinalCountermeasures({1, 0});
    frmMCDM& wizard = Open();
    struct Step
    {
        bool next;
        Page page;
        bool back, nextEnabled, finish;
        const char* focus; // the page's first input, or the button to go on with
    };
    const Step steps[] = {
        {true, Page::FramePValue, true, true, false, "TextPValue"},
        {true, Page::FrameObjectives, true, true, false, "ComboCriteria0"},
        {true, Page::FrameWeights, true, true, false, "SliderSoilErosion"},
        {true, Page::FrameFinalScores, true, false, true, "CommandFinish"},
        {false, Page::FrameWeights, true, true, false, "SliderSoilErosion"},
        {false, Page::FrameObjectives, true, true, false, "ComboCriteria0"},
        {false, Page::FramePValue, true, true, false, "TextPValue"},
        {false, Page::FrameIntro, false, true, false, "CommandNext"},
    };
    for (const Step& step : steps) {
        step.next ? wizard.CommandNext_Click() : wizard.CommandBack_Click();
        SCOPED_TRACE(static_cast<int>(step.page));
        EXPECT_EQ(wizard.CurrentPage(), step.page);
        EXPECT_EQ(Button("CommandBack")->isEnabled(), step.back);
        EXPECT_EQ(Button("CommandNext")->isEnabled(), step.nextEnabled);
        EXPECT_EQ(Button("CommandFinish")->isEnabled(), step.finish);
        ASSERT_NE(wizard.focusWidget(), nullptr);
        EXPECT_EQ(wizard.focusWidget()->objectName(), QString::fromLatin1(step.focus));
    }
    // Typing replaces the p shown rather than adding to it.
    wizard.CommandNext_Click();
    EXPECT_EQ(PText()->selectedText(), QStringLiteral("1"));
}

TEST_F(RankingWizard, ARunWritesTheRankingIntoTheResultsWindow)
{
    SetFinalCountermeasures({1, 0});
    forms::frmTALVOfile.Show();
    Open();
    SelectEverywhere(0);
    RunThrough();

    const AssessmentState& s = TheAssessment();
    EXPECT_TRUE(s.MCDMDone);
    const QString ranking = QStringLiteral("\r\n   A  (Score =0)\r\n   B  (Score =50)");
    EXPECT_EQ(ResultsText("RichTextBoxIdealPtResults"), ranking);
    EXPECT_EQ(Control<ResultsTextBox>(Wizard(), QStringLiteral("RichTextBoxFinalRank"))->text(), ranking);
    EXPECT_EQ(ResultsText("RichTextBoxIdealPtIdeals"), PerCriterion(QStringLiteral("\r\n1\t"), QString()));
    EXPECT_EQ(ResultsText("RichTextBoxCriteriaWeights"), PerCriterion(QStringLiteral("5\t"), QStringLiteral("\r\n")));
    EXPECT_EQ(PUsedCaption(), QStringLiteral("P Used = 1"));
    EXPECT_EQ(s.FinalScores(0).Score, 50);
    EXPECT_EQ(s.FinalScores(0).CountermeasureIndex, 1);
    EXPECT_EQ(s.FinalScores(1).CountermeasureIndex, 0);
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath(IdealPointFileName)));
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath(FinalResultsFileName)));
    EXPECT_TRUE(messages.texts().isEmpty());

    // The wizard's working table outlives the window.
    Wizard().CommandCancel_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::frmMCDM.Loaded());
    EXPECT_EQ(TheRankingSession().Workspace.RankingTable(0).IdealScore, 50);
    EXPECT_TRUE(TheAssessment().MCDMDone);
}

TEST_F(RankingWizard, BackFromTheLastPageAndNextAgainRanksWithTheNewInputs)
{
    SetFinalCountermeasures({1, 0});
    forms::frmTALVOfile.Show();
    Open();
    SelectEverywhere(0);
    RunThrough(QStringLiteral("2"));
    EXPECT_EQ(ResultsText("RichTextBoxIdealPtResults"), QStringLiteral("\r\n   A  (Score =0)\r\n   B  (Score =15.81)"));
    EXPECT_EQ(PUsedCaption(), QStringLiteral("P Used = 2"));

    Wizard().CommandBack_Click();
    Slider(0)->setValue(0);
    Wizard().CommandNext_Click();
    // 9 criteria of weight 5, p 2: the square root of 9 x 25.
    EXPECT_EQ(ResultsText("RichTextBoxIdealPtResults"), QStringLiteral("\r\n   A  (Score =0)\r\n   B  (Score =15)"));
    EXPECT_EQ(TheAssessment().Criteria(0).Weight, 0);
}

TEST_F(RankingWizard, EachSliderSetsTheWeightOfItsOwnRow)
{
    SetFinalCountermeasures({1, 0});
    Open();
    for (int k = 0; k < frmMCDM::Rows; ++k)
        Slider(k)->setValue(k);
    Wizard().SetWeights();
    for (int k = 0; k < frmMCDM::Rows; ++k)
        EXPECT_EQ(TheAssessment().Criteria(k).Weight, static_cast<Single>(k)) << k;
    // Row 1's slider keeps an old name but weighs "Soil Organic Matter".
    EXPECT_EQ(TheAssessment().Criteria(1).Name, QStringLiteral("Soil Organic Matter"));
    EXPECT_EQ(Slider(1)->objectName(), QStringLiteral("SliderLandscapeChange"));
}

TEST_F(RankingWizard, ReopeningAfterARunShowsTheLastInputs)
{
    SetFinalCountermeasures({1, 0, Third});
    forms::frmTALVOfile.Show();
    Open();
    Combo(4)->setCurrentIndex(1); // "Moderately Increases"
    Combo(2)->setCurrentIndex(5); // "Moderately Decreases"
    Slider(1)->setValue(8);
    Slider(9)->setValue(0);
    RunThrough(QStringLiteral("7"));
    EXPECT_FLOAT_EQ(TheAssessment().IdealValues(4), 0.6667F);
    EXPECT_FLOAT_EQ(TheAssessment().IdealValues(2), -0.6667F);

    Reopen();
    EXPECT_EQ(Wizard().CurrentPage(), Page::FrameIntro);
    EXPECT_EQ(Combo(4)->currentText(), QStringLiteral("Moderately Increases"));
    EXPECT_EQ(Combo(2)->currentText(), QStringLiteral("Moderately Decreases"));
    EXPECT_EQ(Combo(0)->currentText(), QStringLiteral("Greatly Decreases"));
    EXPECT_EQ(Slider(1)->value(), 8);
    EXPECT_EQ(Slider(9)->value(), 0);
    EXPECT_EQ(Slider(0)->value(), 5);
    EXPECT_EQ(PText()->text(), QStringLiteral("7"));
}

TEST_F(RankingWizard, ValuesReadFromAFileAreShownAsTheNearestInput)
{
    AssessmentState& s = TheAssessment();
    s.MCDMDone = true;
    s.PValue = 3;
    const Single ideals[] = {0.5F, 1, 0.6667F, 0.3333F, 0, -0.3333F, -0.6667F, -1, 1.0F / 3, 2};
    const int listIndexes[] = {0, 0, 1, 2, 3, 4, 5, 6, 0, 0};
    const Single weights[] = {2.5F, 3.5F, 15, -4, 0, 10, 9.6F, 1, 7, 5};
    const int positions[] = {2, 4, 10, 0, 0, 10, 10, 1, 7, 5};
    for (int k = 0; k < 10; ++k) {
        s.IdealValues(k) = ideals[k];
        s.Criteria(k).Weight = weights[k];
    }
    Open();
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Combo(k)->currentIndex(), listIndexes[k]);
        EXPECT_EQ(Slider(k)->value(), positions[k]);
    }
    EXPECT_EQ(PText()->text(), QStringLiteral("3"));
}

TEST_F(RankingWizard, TheResetButtonsRestoreTheStartingInputs)
{
    Open();
    SelectEverywhere(3);
    for (int k = 0; k < frmMCDM::Rows; ++k)
        Slider(k)->setValue(9);
    Button("CommandReset")->click();
    Button("CommandResetObjectives")->click();
    for (int k = 0; k < frmMCDM::Rows; ++k) {
        EXPECT_EQ(Slider(k)->value(), 5);
        EXPECT_EQ(Combo(k)->currentIndex(), (k == 0 || k == 2 || k == 3 || k == 7) ? 6 : 0);
    }
    EXPECT_EQ(Button("CommandReset")->text(), QStringLiteral(" Reset &Weights"));
}

TEST_F(RankingWizard, FewerThanTwoCountermeasuresLeaveTheRankingEmpty)
{
    SetFinalCountermeasures({1});
    TheAssessment().MCDMDone = true;
    forms::frmTALVOfile.Show();
    frmTALVOfile& results = forms::frmTALVOfile.get();
    results.SetIdealPtResultsText(QStringLiteral("old"));
    results.SetIdealPtIdealsText(QStringLiteral("old"));
    results.SetCriteriaWeightsText(QStringLiteral("old"));
    results.SetPUsedCaption(QStringLiteral("P Used = 4"));
    Open();
    RunThrough();
    EXPECT_EQ(messages.texts(), QStringList{TooFewCountermeasuresMessage});
    EXPECT_FALSE(TheAssessment().MCDMDone);
    EXPECT_EQ(ResultsText("RichTextBoxIdealPtResults"), QString());
    EXPECT_EQ(ResultsText("RichTextBoxIdealPtIdeals"), QString());
    EXPECT_EQ(ResultsText("RichTextBoxCriteriaWeights"), QString());
    EXPECT_EQ(PUsedCaption(), QString());
    EXPECT_FALSE(QFile::exists(QDir(folder.path()).filePath(FinalResultsFileName)));
}

TEST_F(RankingWizard, WithoutAnOpenFileOnlyTheWeightsArrive)
{
    SetFinalCountermeasures({1, 0});
    Open();
    RunThrough();
    EXPECT_EQ(messages.texts(), QStringList{NoFileOpenForMCDMMessage});
    // Nothing was ranked, so nothing may be saved as a ranking.
    EXPECT_FALSE(TheAssessment().MCDMDone);
    ASSERT_TRUE(forms::frmTALVOfile.Loaded());
    EXPECT_FALSE(forms::frmTALVOfile.Visible());
    EXPECT_EQ(ResultsText("RichTextBoxCriteriaWeights"), PerCriterion(QStringLiteral("5\t"), QStringLiteral("\r\n")));
    EXPECT_EQ(ResultsText("RichTextBoxIdealPtResults"), QString());
    EXPECT_EQ(PUsedCaption(), QString());
    EXPECT_EQ(Control<ResultsTextBox>(Wizard(), QStringLiteral("RichTextBoxFinalRank"))->text(), QString());
}

TEST_F(RankingWizard, ClosingTheWindowUnloadsIt)
{
    Open().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(forms::frmMCDM.Loaded());
}

} // namespace
} // namespace talvo::test
