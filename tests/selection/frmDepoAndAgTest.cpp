#include "casefile/ui/TextGrid.h"
#include "selection/core/SelectionTexts.h"
#include "selection/ui/SelectionWindows.h"
#include "shell/core/WindowHooks.h"
#include "tests/selection/WizardTestSupport.h"

#include "platform/core/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTimer>

#include <unistd.h>

using namespace talvo;
using namespace talvo::test;

namespace {

const QString NoneNeeded = QStringLiteral("No countermeasures are needed. ");
const QString NoneSuitable = QStringLiteral("There are no suitable countermeasures available.");

// Catalogue indexes.
constexpr int DairyAFCF = 0, SupplyCa = 1, DairyCleanConcentrate = 2, SupplyCaAndConcentrate = 6, DairyForest = 4;

// Which page frames are shown; exactly one should be.
QStringList shownFrames()
{
    QStringList shown;
    for (const char* name : {"FrameDeposition", "FrameAgriculture", "FrameCounterm", "FrameLimitations1",
                             "FrameLimitations2", "FrameLimitations3", "FrameFinalCounterm"}) {
        if (forms::frmDepoAndAg->findChild<QWidget*>(QString::fromLatin1(name))->isVisible())
            shown << QString::fromLatin1(name);
    }
    return shown;
}

// Notes which page stands behind each message box, then lets the recorder answer it.
class PageBehindMessages : public MessageSeam
{
public:
    PageBehindMessages() : previous_(CurrentMessageSeam()) { SetMessageSeam(this); }
    ~PageBehindMessages() override { SetMessageSeam(previous_); }
    MessageAnswer ask(const MessageRequest& request) override
    {
        pages << shownFrames().join(QLatin1Char(','));
        return previous_->ask(request);
    }
    QStringList pages;

private:
    MessageSeam* previous_;
};

class SelectionWizardTest : public WizardTest
{
protected:
    static bool enabled(const char* name) { return button(name)->isEnabled(); }
};

TEST_F(SelectionWizardTest, OpensOnTheScenarioPageWithTheListsInTheirOrder)
{
    EXPECT_EQ(page(), Page::FrameDeposition);
    EXPECT_EQ(shownFrames(), QStringList{QStringLiteral("FrameDeposition")});
    EXPECT_FALSE(enabled("CommandNext"));
    EXPECT_FALSE(enabled("CommandBack"));
    EXPECT_FALSE(enabled("CommandFinish"));
    EXPECT_TRUE(enabled("CommandCancel"));
    EXPECT_EQ(items("ListDeposition"), DepositionScenarios());
    EXPECT_EQ(items("ListAgricultureType"), (QStringList{FarmSheepLowland, FarmSheepUpland, FarmBeefLowland,
                                                         FarmBeefUpland, FarmDairy, FarmArable, FarmDeer}));
    EXPECT_EQ(button("CommandBack")->text(), QStringLiteral("<  &Back"));
    EXPECT_EQ(button("CommandNext")->text(), QStringLiteral("&Next  >"));
    EXPECT_EQ(labelText("LabelSelected"), QStringLiteral("Variables Selected:"));
}

TEST_F(SelectionWizardTest, FarmPictureStartsAtCellElevenAndCyclesThroughNineteenCells)
{
    auto* timer = wizard()->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 400);
    EXPECT_EQ(wizard()->FarmPictureIndex(), 11);
    auto* picture = control<QLabel>("PictureBoxFarmPix");
    const QImage cell11 = picture->pixmap().toImage();
    EXPECT_FALSE(cell11.isNull());

    for (int step = 0; step < 7; ++step)
        wizard()->ShowNextFarmPicture();
    EXPECT_EQ(wizard()->FarmPictureIndex(), 18);
    wizard()->ShowNextFarmPicture();
    EXPECT_EQ(wizard()->FarmPictureIndex(), 0);
    EXPECT_NE(picture->pixmap().toImage(), cell11);
    for (int step = 0; step < 11; ++step)
        wizard()->ShowNextFarmPicture();
    EXPECT_EQ(picture->pixmap().toImage(), cell11);
}

TEST_F(SelectionWizardTest, ClicksStoreTheChoicesAndShowTheirTexts)
{
    clickItem("ListDeposition", ScenarioLow);
    EXPECT_TRUE(enabled("CommandNext"));
    EXPECT_EQ(state().DepositionScenario, ScenarioLow);
    EXPECT_EQ(labelText("LabelDepoDefinition"), QStringLiteral("Far-field of Chernobyl-like source term"));
    // The scenario's own leading blank makes two after the colon.
    EXPECT_EQ(labelText("LabelDepositSelected"),
              QStringLiteral("Deposition Scenario Selected :  100 Cs137 / 2 Sr90 / 1 Pu241"));

    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameAgriculture);
    EXPECT_TRUE(enabled("CommandBack"));
    clickItem("ListAgricultureType", FarmDairy);
    EXPECT_EQ(state().AgricultureType, FarmDairy);
    EXPECT_EQ(labelText("LabelAgricultureDefinition"), AgricultureDefinition(FarmDairy));
    EXPECT_EQ(labelText("LabelAgSelected"), QStringLiteral("Type of Agriculture Selected : Dairy Production"));

    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameCounterm);
    EXPECT_EQ(labelText("LabelCountermeasureDefinition"), QString());
    EXPECT_EQ(items("ListCountermeasures"), QStringList{state().Countermeasures(DairyAFCF).Name});
    clickItem("ListCountermeasures", state().Countermeasures(DairyAFCF).Name);
    EXPECT_EQ(labelText("LabelCountermeasureDefinition"), state().Countermeasures(DairyAFCF).Description);
}

TEST_F(SelectionWizardTest, DoubleClickOnAScenarioOrFarmTypeMovesOn)
{
    // A double click reaches an item view as a press and release, then the second press.
    auto doubleClick = [](QListWidget* box, int row) {
        const QPoint at = box->visualItemRect(box->item(row)).center();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
    };
    doubleClick(list("ListDeposition"), 2);
    EXPECT_EQ(page(), Page::FrameAgriculture);
    EXPECT_EQ(state().DepositionScenario, ScenarioClose);

    doubleClick(list("ListAgricultureType"), 4);
    EXPECT_EQ(page(), Page::FrameCounterm);
    EXPECT_EQ(state().AgricultureType, FarmDairy);
    EXPECT_EQ(list("ListCountermeasures")->count(), 4);

    // The countermeasure list has no double-click action.
    doubleClick(list("ListCountermeasures"), 1);
    EXPECT_EQ(page(), Page::FrameCounterm);
}

TEST_F(SelectionWizardTest, AChoiceStaysChosenWhateverClicksAndKeysWouldClearIt)
{
    // Under the last row: a click that hit a row there would change the choice and fail the test.
    const auto blank = [](QListWidget* box) { return QPoint(4, box->viewport()->height() - 2); };
    const auto panel = [] { return QStringList{labelText("LabelDepositSelected"), labelText("LabelAgSelected")}; };
    const auto tryToUnchoose = [&](const char* name, const QString& chosen, const QString& stored) {
        QListWidget* box = list(name);
        QWidget* area = box->viewport();
        const std::pair<const char*, std::function<void()>> attempts[] = {
            {"left click under the last row", [&] { QTest::mouseClick(area, Qt::LeftButton, {}, blank(box)); }},
            {"right click under the last row", [&] { QTest::mouseClick(area, Qt::RightButton, {}, blank(box)); }},
            {"Ctrl-click on the chosen row",
             [&] {
                 QTest::mouseClick(area, Qt::LeftButton, Qt::ControlModifier,
                                   box->visualItemRect(box->currentItem()).center());
             }},
            {"Ctrl+Space", [&] { QTest::keyClick(box, Qt::Key_Space, Qt::ControlModifier); }},
        };
        for (const auto& [what, attempt] : attempts) {
            clickItem(name, chosen);
            const QStringList before = panel();
            QSignalSpy handled(box, &QListWidget::itemSelectionChanged);
            attempt();
            EXPECT_EQ(box->selectedItems(), box->findItems(chosen, Qt::MatchExactly)) << what;
            EXPECT_EQ(stored, chosen) << what;
            EXPECT_EQ(panel(), before) << what;
            EXPECT_EQ(handled.count(), 0) << what << ": no click handler for a non-change";
        }
    };
    // Not a scenario with a leading blank, which the type-ahead of Space looks for.
    tryToUnchoose("ListDeposition", ScenarioClose, state().DepositionScenario);
    press("CommandNext");
    tryToUnchoose("ListAgricultureType", FarmDairy, state().AgricultureType);

    // The countermeasures keep their rows on a blank click; a Ctrl-click still toggles one.
    press("CommandNext");
    QListWidget* offer = list("ListCountermeasures");
    clickItem("ListCountermeasures", offer->item(0)->text());
    clickItem("ListCountermeasures", offer->item(1)->text());
    QTest::mouseClick(offer->viewport(), Qt::LeftButton, {}, blank(offer));
    EXPECT_EQ(offer->selectedItems().size(), 2);
    QTest::mouseClick(offer->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      offer->visualItemRect(offer->item(1)).center());
    EXPECT_EQ(offer->selectedItems(), QList{offer->item(0)});
}

TEST_F(SelectionWizardTest, EnterBeforeAnyScenarioLeadsToAnEmptyOfferThatRefusesNext)
{
    list("ListDeposition")->setFocus();
    QTest::keyClick(list("ListDeposition"), Qt::Key_Return);
    EXPECT_EQ(page(), Page::FrameAgriculture);
    EXPECT_EQ(state().DepositionScenario, QString());

    // No farm type yet: the page stays, with its message.
    QTest::keyClick(list("ListAgricultureType"), Qt::Key_Return);
    EXPECT_EQ(page(), Page::FrameAgriculture);
    EXPECT_EQ(messages_.texts(), QStringList{QStringLiteral("You must select an agricultural type.")});
    EXPECT_EQ(messages_.shown().back().title, QString());

    clickItem("ListAgricultureType", FarmArable);
    QTest::keyClick(list("ListAgricultureType"), Qt::Key_Enter);
    EXPECT_EQ(page(), Page::FrameCounterm);
    EXPECT_EQ(list("ListCountermeasures")->count(), 0);
    EXPECT_FALSE(state().NoCountermeasuresNeeded.IsSet);

    messages_.clear();
    QTest::keyClick(list("ListCountermeasures"), Qt::Key_Return);
    EXPECT_EQ(page(), Page::FrameCounterm);
    EXPECT_EQ(messages_.texts(), QStringList{QStringLiteral("You must select at least one countermeasure.")});
}

struct NoneNeededCase
{
    QString scenario;
    QString farm;
};

class NoneNeededTest : public SelectionWizardTest, public ::testing::WithParamInterface<NoneNeededCase>
{
};

TEST_P(NoneNeededTest, FarmPageGoesStraightToTheFinalPageAndBackReturnsToIt)
{
    chooseScenarioAndFarm(GetParam().scenario, GetParam().farm);
    EXPECT_EQ(page(), Page::FrameFinalCounterm);
    EXPECT_EQ(shownFrames(), QStringList{QStringLiteral("FrameFinalCounterm")});
    EXPECT_EQ(items("ListFinalCounter"), QStringList{NoneNeeded});
    EXPECT_TRUE(state().NoCountermeasuresNeeded.IsSet);
    EXPECT_FALSE(state().NoSuitableCountermeasures.IsSet);
    EXPECT_EQ(state().NumberOfCountermeasures, 0);
    EXPECT_TRUE(enabled("CommandFinish"));
    EXPECT_FALSE(enabled("CommandNext"));
    EXPECT_TRUE(messages_.shown().empty());

    press("CommandBack");
    EXPECT_EQ(page(), Page::FrameAgriculture);
    EXPECT_TRUE(enabled("CommandNext"));
    EXPECT_FALSE(enabled("CommandFinish"));
}

INSTANTIATE_TEST_SUITE_P(EmptyPairs, NoneNeededTest,
                         ::testing::Values(NoneNeededCase{ScenarioLow, FarmSheepLowland},
                                           NoneNeededCase{ScenarioLow, FarmBeefLowland},
                                           NoneNeededCase{ScenarioLowSr, FarmBeefLowland}));

TEST_F(SelectionWizardTest, DairyRunEndsInAFinalListAndFinishHandsItToTheResultsWindow)
{
    // Soil type, the energy share from concentrate and clean concentrate are asked on one page.
    runTo(ScenarioClose, FarmDairy, {DairyAFCF, SupplyCa, DairyCleanConcentrate, SupplyCaAndConcentrate});
    EXPECT_EQ(page(), Page::FrameLimitations1);
    EXPECT_EQ(state().NumberOfCountermeasures, 4);
    choose(QStringLiteral("ctlSoilType"), 1);
    type(QStringLiteral("ctlEnrgyConcentrate"), QStringLiteral("70"));
    answerYesNo(QStringLiteral("ctlCleanConcAvailable"), true);
    EXPECT_EQ(answerOf(lq::SoilType), QStringLiteral("Loamy  "));
    EXPECT_EQ(answerOf(lq::EnrgyConcentrate), QStringLiteral("70"));

    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameFinalCounterm);
    // Over 65 % of the energy from concentrate rules out both clean-concentrate countermeasures.
    const QStringList finals{state().Countermeasures(DairyAFCF).Name, state().Countermeasures(SupplyCa).Name};
    EXPECT_EQ(items("ListFinalCounter"), finals);
    EXPECT_EQ(state().NumberOfCountermeasures, 2);
    EXPECT_TRUE(enabled("CommandFinish"));
    EXPECT_FALSE(enabled("CommandNext"));

    // Whatever the ranking showed before goes.
    forms::frmTALVOfile->SetCriteriaWeightsText(QStringLiteral("old weights"));
    forms::frmTALVOfile->SetIdealPtResultsText(QStringLiteral("old ranking"));
    forms::frmTALVOfile->SetIdealPtIdealsText(QStringLiteral("old ideals"));
    state().ScoreMatrix(0, 0) = 5;
    press("CommandFinish");

    EXPECT_FALSE(forms::frmDepoAndAg.Loaded());
    const QString working = JoinPath(temp_.path(), QStringLiteral("tmp.txt"));
    EXPECT_TRUE(QFile::exists(working));
    EXPECT_TRUE(messages_.shown().empty()) << messages_.texts().join(QLatin1Char('\n')).toStdString();
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 10; ++col) {
            const Single score = state().ScoreMatrix(row, col);
            EXPECT_TRUE(score >= -1 && score <= 1) << row << ", " << col;
        }
    }
    EXPECT_EQ(resultsText("RichTextBoxCountermeasureList"), finals.join(QStringLiteral("\r\n")));
    EXPECT_EQ(resultsText("RichTextBoxCriteriaWeights"), QString());
    EXPECT_EQ(resultsText("RichTextBoxIdealPtResults"), QString());
    EXPECT_EQ(resultsText("RichTextBoxIdealPtIdeals"), QString());
    EXPECT_EQ(resultsText("RichTextBoxLimitationsInformation"),
              QStringLiteral("What is the soil type?     Loamy  \r\n"
                             "% of energy intake cows currently recieve from concentrate?     70\r\n"
                             "Is clean concentrate available for purchase?     Yes\r\n"));
    auto* grid = forms::frmTALVOfile->findChild<TextGrid*>(QStringLiteral("MSFlexGridCountermeasureScores"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->cellText(0, 1), finals[0]);
    EXPECT_EQ(grid->cellText(0, 2), finals[1]);
    EXPECT_FALSE(grid->cellText(1, 1).isEmpty());
    // The results window is filled, not shown.
    EXPECT_FALSE(forms::frmTALVOfile.Visible());
}

TEST_F(SelectionWizardTest, MissingAnswersGiveOneBoxEachAndKeepTheUserOnTheQuestions)
{
    // Afforestation asks slope, soil depth, wetness and drainage.
    runTo(ScenarioVeryClose, FarmDairy, {DairyForest});
    type(QStringLiteral("ctlSlope"), QStringLiteral("5"));
    PageBehindMessages behind;
    press("CommandNext");

    EXPECT_EQ(page(), Page::FrameLimitations1);
    // The boxes stand over the questions they are about, not over the empty pages passed on the way.
    EXPECT_EQ(behind.pages, QStringList(3, QStringLiteral("FrameLimitations1")));
    EXPECT_EQ(shownFrames(), QStringList{QStringLiteral("FrameLimitations1")});
    EXPECT_EQ(messages_.texts(), (QStringList{
                                     QStringLiteral("You must answer the soil depth question before proceeding."),
                                     QStringLiteral("You must answer the soil wetness question before proceeding."),
                                     QStringLiteral("You must answer the soil drainage question before proceeding."),
                                 }));
    for (const MessageRequest& box : messages_.shown()) {
        EXPECT_EQ(box.title, QStringLiteral("Missing Limitation Information"));
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        EXPECT_EQ(box.buttons, MessageButtons::OK);
    }
    EXPECT_TRUE(enabled("CommandNext"));
    EXPECT_FALSE(enabled("CommandFinish"));
    EXPECT_EQ(state().NumberOfCountermeasures, 1);

    messages_.clear();
    choose(QStringLiteral("ctlSoilDepth"), 2);
    choose(QStringLiteral("ctlSoilWetness"), 0);
    choose(QStringLiteral("ctlDrainage"), 1);
    press("CommandNext");
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_EQ(page(), Page::FrameFinalCounterm);
    EXPECT_EQ(items("ListFinalCounter"), QStringList{state().Countermeasures(DairyForest).Name});
}

TEST_F(SelectionWizardTest, InAnActiveWindowFocusPicksNoCountermeasureAndMessagesLeaveItOnWhatTheyAsk)
{
    wizard()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wizard()));
    const auto pressFromNext = [] {
        button("CommandNext")->setFocus();
        press("CommandNext");
    };
    clickItem("ListDeposition", ScenarioVeryClose);
    pressFromNext();
    pressFromNext(); // no farm type
    EXPECT_EQ(QApplication::focusWidget(), list("ListAgricultureType"));
    clickItem("ListAgricultureType", FarmDairy);
    pressFromNext();
    QListWidget* offer = list("ListCountermeasures");
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_EQ(QApplication::focusWidget(), offer);
        EXPECT_NE(offer->currentItem(), nullptr) << "the row Qt makes current is no choice";
        EXPECT_EQ(labelText("LabelCountermeasureDefinition"), QString());
        pressFromNext(); // nothing selected
        EXPECT_EQ(QApplication::focusWidget(), offer);
        press("CommandBack");
        pressFromNext();
    }
    QTest::keyClick(offer, Qt::Key_Down);
    EXPECT_EQ(labelText("LabelCountermeasureDefinition"),
              CountermeasureDefinition(state(), offer->item(1)->text()).value_or(QString()));

    clickItem("ListCountermeasures", state().Countermeasures(DairyForest).Name);
    pressFromNext();
    type(QStringLiteral("ctlSlope"), QStringLiteral("5"));
    pressFromNext(); // Next and Finish are disabled on the way; the focus goes to the first question missing
    EXPECT_EQ(QApplication::focusWidget(), question(QStringLiteral("ctlSoilDepth"))->findChild<QComboBox*>());
}

TEST_F(SelectionWizardTest, NothingFeasibleShowsTheStatusAndBackPassesTheCountermeasurePage)
{
    runTo(ScenarioVeryClose, FarmDairy, {DairyForest});
    type(QStringLiteral("ctlSlope"), QStringLiteral("30")); // too steep to plant
    choose(QStringLiteral("ctlSoilDepth"), 2);
    choose(QStringLiteral("ctlSoilWetness"), 0);
    choose(QStringLiteral("ctlDrainage"), 1);
    press("CommandNext");

    EXPECT_EQ(page(), Page::FrameFinalCounterm);
    EXPECT_EQ(items("ListFinalCounter"), QStringList{NoneSuitable});
    EXPECT_TRUE(state().NoSuitableCountermeasures.IsSet);
    EXPECT_EQ(state().NumberOfCountermeasures, 0);

    // Back over the empty pages 3 and 2 to the questions; the selection counts again.
    press("CommandBack");
    EXPECT_EQ(page(), Page::FrameLimitations1);
    EXPECT_EQ(state().NumberOfCountermeasures, 1);
    EXPECT_EQ(state().FinalCountermeasures(0), QString());
    press("CommandBack");
    EXPECT_EQ(page(), Page::FrameAgriculture);
}

TEST_F(SelectionWizardTest, AFailedCheckLeavesNoStatusSoBackKeepsTheSelection)
{
    runTo(ScenarioVeryClose, FarmDairy, {DairyForest});
    type(QStringLiteral("ctlSlope"), QStringLiteral("30")); // nothing feasible, and answers missing
    press("CommandNext");
    EXPECT_FALSE(state().NoSuitableCountermeasures.IsSet);
    press("CommandBack");
    EXPECT_EQ(page(), Page::FrameCounterm);
    EXPECT_EQ(list("ListCountermeasures")->selectedItems().size(), 1);
}

TEST_F(SelectionWizardTest, BackFromTheFinalPageAndNextAgainRebuildsTheSameList)
{
    runTo(ScenarioClose, FarmDairy, {SupplyCa, DairyAFCF});
    choose(QStringLiteral("ctlSoilType"), 0);
    press("CommandNext");
    const QStringList finals = items("ListFinalCounter");
    EXPECT_EQ(finals, (QStringList{state().Countermeasures(DairyAFCF).Name, state().Countermeasures(SupplyCa).Name}));

    press("CommandBack");
    EXPECT_EQ(page(), Page::FrameLimitations1);
    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameFinalCounterm);
    EXPECT_EQ(items("ListFinalCounter"), finals);
    EXPECT_EQ(state().FinalCountermeasures(0), finals[0]);
    EXPECT_EQ(state().NumberOfCountermeasures, 2);
}

TEST_F(SelectionWizardTest, ASelectionWithoutQuestionsPassesTheEmptyPages)
{
    runTo(ScenarioClose, FarmDairy, {SupplyCa});
    EXPECT_EQ(page(), Page::FrameFinalCounterm);
    EXPECT_EQ(items("ListFinalCounter"), QStringList{state().Countermeasures(SupplyCa).Name});
    press("CommandBack");
    EXPECT_EQ(page(), Page::FrameCounterm);
    EXPECT_TRUE(list("ListCountermeasures")->item(1)->isSelected());
}

TEST_F(SelectionWizardTest, NoMoreThanNineteenSelectionsAreKept)
{
    chooseScenarioAndFarm(ScenarioAll, FarmSheepUpland);
    QListWidget* offer = list("ListCountermeasures");
    ASSERT_EQ(offer->count(), 16);
    // More items than any offer holds.
    for (int i = 16; i < 25; ++i)
        offer->addItem(QStringLiteral("Extra %1").arg(i));
    offer->selectAll();
    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameLimitations1);
    EXPECT_EQ(state().NumberOfCountermeasures, 19);
    EXPECT_EQ(state().SelectedCountermeasures(18), QStringLiteral("Extra 18"));

    // Unanswered: the count is restored from the selection, still within the slots.
    press("CommandNext");
    press("CommandNext");
    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameLimitations3);
    EXPECT_FALSE(messages_.shown().empty());
    EXPECT_EQ(state().NumberOfCountermeasures, 19);
}

TEST_F(SelectionWizardTest, FinishThatCannotWriteTheWorkingFileSaysSoAndStaysOpen)
{
    chooseScenarioAndFarm(ScenarioLow, FarmSheepLowland);
    state().TempFolder = JoinPath(temp_.path(), QStringLiteral("missing/folder"));
    press("CommandFinish");

    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(messages_.shown()[0].text.contains(QStringLiteral("tmp.txt")));
    ProcessDeferredDeletes();
    ASSERT_TRUE(forms::frmDepoAndAg.Loaded());
    EXPECT_EQ(page(), Page::FrameFinalCounterm);
    EXPECT_TRUE(enabled("CommandFinish"));

    // Once the folder is there, Finish goes through.
    state().TempFolder = temp_.path();
    press("CommandFinish");
    EXPECT_FALSE(forms::frmDepoAndAg.Loaded());
    EXPECT_TRUE(QFile::exists(JoinPath(temp_.path(), QStringLiteral("tmp.txt"))));
    EXPECT_TRUE(state().NoCountermeasuresNeeded.IsSet);
}

// Finish shows the file it wrote, whatever its path leads to afterwards and however long that path is.
QByteArray via, elsewhere;
TEST_F(SelectionWizardTest, FinishReadsBackTheVeryFileItWrote)
{
    const QString mine = JoinPath(temp_.path(), QStringLiteral("mine")),
                  other = JoinPath(temp_.path(), QStringLiteral("other"));
    ASSERT_TRUE(QDir().mkpath(mine) && QDir().mkpath(other));
    ASSERT_TRUE(SaveWholeFile(JoinPath(other, QStringLiteral("tmp.txt")), "another person's file\r\n"));
    via = QFile::encodeName(JoinPath(temp_.path(), QStringLiteral("via"))), elsewhere = QFile::encodeName(other);
    ASSERT_EQ(::symlink(QFile::encodeName(mine).constData(), via.constData()), 0);
    QString deep = temp_.path();
    while (deep.size() < 4090)
        deep = JoinPath(deep, QString(std::min<qsizetype>(200, 4090 - deep.size() - 1), QLatin1Char('d')));
    ASSERT_TRUE(QDir().mkpath(deep));

    WholeFileCalls& calls = TheWholeFileCalls();
    const WholeFileCalls system = calls;
    calls.fsyncFolder = [](int fd) { // the file is in place: the path now leads elsewhere
        ::unlink(via.constData());
        return ::symlink(elsewhere.constData(), via.constData()), ::fsync(fd);
    };
    for (const QString& folder : {QFile::decodeName(via), deep}) {
        forms::frmDepoAndAg.Show();
        chooseScenarioAndFarm(ScenarioLow, FarmSheepLowland);
        state().TempFolder = folder;
        press("CommandFinish");
        EXPECT_FALSE(forms::frmDepoAndAg.Loaded()) << folder.size();
        EXPECT_TRUE(messages_.shown().empty()) << messages_.texts().join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(state().NoCountermeasuresNeeded.IsSet);
        ProcessDeferredDeletes();
    }
    calls = system;
    EXPECT_TRUE(QFile::exists(JoinPath(mine, QStringLiteral("tmp.txt"))));
}

TEST_F(SelectionWizardTest, CancelPutsTheAssessmentBackAsItWasAndCloses)
{
    runTo(ScenarioVeryClose, FarmDairy, {DairyForest});
    type(QStringLiteral("ctlSlope"), QStringLiteral("7"));
    press("CommandCancel");
    EXPECT_FALSE(forms::frmDepoAndAg.Loaded());
    for (const LimitationQuestionRecord& question : state().LimitationQuestions)
        EXPECT_FALSE(question.Needed);
    EXPECT_EQ(answerOf(lq::Slope), QString());
    EXPECT_EQ(state().NumberOfCountermeasures, 0);
    EXPECT_TRUE(state().AgricultureType.isEmpty());
    EXPECT_FALSE(QFile::exists(JoinPath(temp_.path(), QStringLiteral("tmp.txt"))));
}

TEST_F(SelectionWizardTest, TheCloseBoxActsAsCancel)
{
    runTo(ScenarioVeryClose, FarmDairy, {DairyForest});
    wizard()->close();
    EXPECT_FALSE(forms::frmDepoAndAg.Loaded());
    EXPECT_FALSE(state().LimitationQuestions(lq::Slope).Needed);
}

TEST_F(SelectionWizardTest, TheMainWindowShowsTheWizardThroughItsConnection)
{
    forms::frmDepoAndAg.Unload();
    ProcessDeferredDeletes();
    ConnectSelectionWindows();
    ASSERT_TRUE(IsWindowConnected(SelectionWizardWindow));
    QWidget mainWindow;
    mainWindow.setObjectName(QStringLiteral("frmMain"));
    mainWindow.setGeometry(250, 150, 300, 200);
    mainWindow.show();
    // No window is active, as right after a file dialog: the wizard still opens over the main window.
    QApplication::setActiveWindow(nullptr);
    ShowConnectedWindow(SelectionWizardWindow);
    EXPECT_TRUE(forms::frmDepoAndAg.Visible());
    EXPECT_EQ(page(), Page::FrameDeposition);
    EXPECT_TRUE(messages_.shown().empty());
    // A window of its own, in front of the main window and centred on it.
    EXPECT_EQ(wizard()->parentWidget(), &mainWindow);
    EXPECT_TRUE(wizard()->isWindow());
    EXPECT_LE((wizard()->frameGeometry().center() - mainWindow.frameGeometry().center()).manhattanLength(), 1);

    // Asked again while open: the same wizard, where it stood.
    press("CommandCancel");
    ProcessDeferredDeletes();
    EXPECT_FALSE(forms::frmDepoAndAg.Loaded());
    ShowConnectedWindow(SelectionWizardWindow);
    clickItem("ListDeposition", ScenarioAll);
    press("CommandNext");
    ShowConnectedWindow(SelectionWizardWindow);
    EXPECT_EQ(page(), Page::FrameAgriculture);
    ConnectWindow(SelectionWizardWindow, {});
    forms::frmDepoAndAg.Unload();
    ProcessDeferredDeletes();
}

} // namespace
