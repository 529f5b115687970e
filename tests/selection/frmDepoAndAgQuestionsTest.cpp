#include "platform/core/Twips.h"
#include "selection/core/LimitationLayout.h"
#include "selection/core/SelectionTexts.h"
#include "tests/selection/WizardTestSupport.h"

using namespace talvo;
using namespace talvo::test;

namespace {

// Catalogue indexes.
constexpr int DairyAFCF = 0, DairyForest = 4, UplandKFertiliser = 19, UplandFirst = 15, UplandLast = 30;

class QuestionPagesTest : public WizardTest
{
protected:
    static bool shown(const QString& controlName)
    {
        QWidget* widget = question(controlName);
        return widget && !widget->isHidden();
    }

    void runUplandSheepWithEverything()
    {
        chooseScenarioAndFarm(ScenarioAll, FarmSheepUpland);
        for (int index = UplandFirst; index <= UplandLast; ++index)
            clickItem("ListCountermeasures", state().Countermeasures(index).Name);
        press("CommandNext");
    }
};

TEST_F(QuestionPagesTest, TheWidgetsStandWhereTheLayoutPutsThemOverThreePages)
{
    runUplandSheepWithEverything();
    ASSERT_EQ(page(), Page::FrameLimitations1);

    // The plan of the rules, worked out on copies, is what the pages must show.
    AssessmentState copy = state();
    SelectionSession session = TheSelectionSession();
    const LimitationLayout plan = FillLimitationsFrame(copy, session);
    ASSERT_EQ(plan.Questions.size(), 27u);
    EXPECT_TRUE(plan.FrameLimitations3Used);
    for (const PlacedQuestion& placed : plan.Questions) {
        SCOPED_TRACE(placed.ControlName.toStdString());
        QWidget* widget = question(placed.ControlName);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(parentFrame(placed.ControlName), LimitationsFrameName(placed.Frame));
        EXPECT_EQ(widget->geometry(), QRect(TwipsToPixels(placed.Left), TwipsToPixels(placed.Top),
                                            TwipsToPixels(placed.Width), TwipsToPixels(placed.Height)));
        EXPECT_EQ(!widget->isHidden(), placed.Visible);
        EXPECT_EQ(widget->property("Question").toString(), placed.Question);
        if (!placed.AnswerOptions.isEmpty()) {
            EXPECT_EQ(widget->property("ListCount").toInt(), placed.AnswerOptions.size());
        }
    }
    EXPECT_EQ(parentFrame(QStringLiteral("ctlSlope")), QStringLiteral("FrameLimitations1"));
    EXPECT_EQ(question(QStringLiteral("ctlSlope"))->geometry().topLeft(), QPoint(8, 27));
    // With lime among them the CEC-known question is answered already and hidden; the CEC question is asked.
    EXPECT_FALSE(shown(QStringLiteral("ctlKnowCEC")));
    EXPECT_TRUE(shown(QStringLiteral("ctlCEC")));

    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameLimitations2);
    EXPECT_TRUE(control<QWidget>("FrameLimitations2")->isVisible());
    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameLimitations3);
    press("CommandBack");
    press("CommandBack");
    EXPECT_EQ(page(), Page::FrameLimitations1);
}

TEST_F(QuestionPagesTest, NextAndBackFocusThePageAndTabRunsDownItToTheButtons)
{
    chooseScenarioAndFarm(ScenarioAll, FarmSheepUpland);
    EXPECT_EQ(wizard()->focusWidget(), list("ListCountermeasures"));
    for (int index = UplandFirst; index <= UplandLast; ++index)
        clickItem("ListCountermeasures", state().Countermeasures(index).Name);
    press("CommandNext");
    press("CommandNext");
    press("CommandBack");
    // The question widgets were made after the buttons, yet the page comes first.
    QWidget* first = question(QStringLiteral("ctlSlope"))->findChild<QLineEdit*>();
    ASSERT_EQ(wizard()->focusWidget(), first);
    QList<QWidget*> stops;
    for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
        if (w->isVisibleTo(wizard()) && (w->focusPolicy() & Qt::TabFocus))
            stops << w;
    }
    ASSERT_GE(stops.size(), 4);
    const QList<QWidget*> buttons = stops.mid(stops.size() - 4);
    EXPECT_EQ(buttons, (QList<QWidget*>{button("CommandBack"), button("CommandNext"), button("CommandFinish"),
                                        button("CommandCancel")}));
    int top = first->mapTo(wizard(), QPoint()).y();
    for (QWidget* w : stops.first(stops.size() - 4)) {
        EXPECT_GE(w->mapTo(wizard(), QPoint()).y(), top) << w->parentWidget()->objectName().toStdString();
        top = w->mapTo(wizard(), QPoint()).y();
    }
}

TEST_F(QuestionPagesTest, FollowUpQuestionsShowAndHideWithTheirAnswers)
{
    runUplandSheepWithEverything();
    const QString followUps[] = {QStringLiteral("ctlGrazingN"), QStringLiteral("ctlGrazingP"),
                                 QStringLiteral("ctlFertiliseFrequency")};
    for (const QString& name : followUps)
        EXPECT_FALSE(shown(name)) << name.toStdString();

    answerYesNo(QStringLiteral("ctlFertilise"), true);
    for (const QString& name : followUps)
        EXPECT_TRUE(shown(name)) << name.toStdString();
    type(QStringLiteral("ctlGrazingN"), QStringLiteral("40"));
    answerYesNo(QStringLiteral("ctlFertilise"), false);
    for (const QString& name : followUps)
        EXPECT_FALSE(shown(name)) << name.toStdString();
    EXPECT_EQ(answerOf(lq::Fertilise), QStringLiteral("No"));
    EXPECT_EQ(answerOf(lq::GrazingN), QStringLiteral("40"));

    EXPECT_FALSE(shown(QStringLiteral("ctlMowingN")));
    choose(QStringLiteral("ctlPercentGrassMowed"), 1);
    EXPECT_EQ(answerOf(lq::PercentGrassMowed), QStringLiteral("Greater Than 10%"));
    EXPECT_TRUE(shown(QStringLiteral("ctlMowingN")));
    EXPECT_TRUE(shown(QStringLiteral("ctlMowingP")));
    choose(QStringLiteral("ctlPercentGrassMowed"), 0);
    EXPECT_FALSE(shown(QStringLiteral("ctlMowingP")));

    // The housing capacity question goes under the control name that differs from its reference.
    EXPECT_TRUE(shown(QStringLiteral("ctlHouseCapacity")));
    answerYesNo(QStringLiteral("ctlHousingAvail"), false);
    EXPECT_FALSE(shown(QStringLiteral("ctlHouseCapacity")));
    EXPECT_EQ(answerOf(lq::HousingAvail), QStringLiteral("No"));
}

TEST_F(QuestionPagesTest, UnderPotassiumAloneTheCecAnswerDecidesWhatIsAskedAndDemanded)
{
    runTo(ScenarioLow, FarmSheepUpland, {UplandKFertiliser});
    EXPECT_TRUE(shown(QStringLiteral("ctlKnowCEC")));
    EXPECT_FALSE(shown(QStringLiteral("ctlCEC")));
    EXPECT_FALSE(shown(QStringLiteral("ctlKstatus")));

    answerYesNo(QStringLiteral("ctlKnowCEC"), true);
    EXPECT_TRUE(shown(QStringLiteral("ctlCEC")));
    EXPECT_FALSE(shown(QStringLiteral("ctlKstatus")));
    answerYesNo(QStringLiteral("ctlKnowCEC"), false);
    EXPECT_FALSE(shown(QStringLiteral("ctlCEC")));
    EXPECT_TRUE(shown(QStringLiteral("ctlKstatus")));

    type(QStringLiteral("ctlSlope"), QStringLiteral("3"));
    choose(QStringLiteral("ctlSoilType"), 0);
    type(QStringLiteral("ctlpH"), QStringLiteral("6"));
    press("CommandNext");
    EXPECT_EQ(messages_.texts(),
              QStringList{QStringLiteral("You must answer the question about the soil K status before proceeding.")});
    EXPECT_EQ(page(), Page::FrameLimitations1);
}

TEST_F(QuestionPagesTest, BackOverTheFirstPageRemovesTheWidgetsByNameAndKeepsTheAnswers)
{
    runTo(ScenarioVeryClose, FarmDairy, {DairyForest});
    const QStringList names{QStringLiteral("ctlSlope"), QStringLiteral("ctlSoilDepth"),
                            QStringLiteral("ctlSoilWetness"), QStringLiteral("ctlDrainage")};
    for (const QString& name : names)
        ASSERT_NE(question(name), nullptr) << name.toStdString();
    type(QStringLiteral("ctlSlope"), QStringLiteral("12"));
    choose(QStringLiteral("ctlSoilDepth"), 2);

    press("CommandBack");
    EXPECT_EQ(page(), Page::FrameCounterm);
    for (const QString& name : names)
        EXPECT_FALSE(shown(name)) << name.toStdString();
    ProcessDeferredDeletes();
    for (const QString& name : names)
        EXPECT_EQ(question(name), nullptr) << name.toStdString();
    EXPECT_EQ(answerOf(lq::Slope), QStringLiteral("12"));
    EXPECT_EQ(answerOf(lq::SoilDepth), QStringLiteral(" > 60cm "));
    for (const LimitationQuestionRecord& record : state().LimitationQuestions)
        EXPECT_FALSE(record.Needed);
    EXPECT_TRUE(list("ListCountermeasures")->item(1)->isSelected());

    // Forward again: new widgets; only the slope shows its earlier answer, and no answer is lost.
    press("CommandNext");
    EXPECT_EQ(page(), Page::FrameLimitations1);
    ASSERT_NE(question(QStringLiteral("ctlSlope")), nullptr);
    EXPECT_EQ(question(QStringLiteral("ctlSlope"))->property("Answer").toString(), QStringLiteral("12"));
    EXPECT_EQ(question(QStringLiteral("ctlSoilDepth"))->property("Answer").toInt(), -1);
    EXPECT_EQ(answerOf(lq::SoilDepth), QStringLiteral(" > 60cm "));
    EXPECT_EQ(answerOf(lq::Slope), QStringLiteral("12"));
}

TEST_F(QuestionPagesTest, AKeyTypedIntoAListComplainsAndStoresNothing)
{
    runTo(ScenarioClose, FarmDairy, {DairyAFCF});
    choose(QStringLiteral("ctlSoilType"), 2);
    EXPECT_EQ(answerOf(lq::SoilType), QStringLiteral("Podsolic "));

    auto* combo = question(QStringLiteral("ctlSoilType"))->findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    QTest::keyClick(combo, Qt::Key_X);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text,
              QStringLiteral("Please select from the soil type options provided in the drop down box."));
    EXPECT_EQ(messages_.shown()[0].title, QString());
    EXPECT_EQ(answerOf(lq::SoilType), QStringLiteral("Podsolic "));
}

TEST_F(QuestionPagesTest, EnterInAQuestionDoesNotMoveTheWizard)
{
    runTo(ScenarioVeryClose, FarmDairy, {DairyForest});
    auto* box = question(QStringLiteral("ctlSlope"))->findChild<QLineEdit*>();
    ASSERT_NE(box, nullptr);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("4"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(page(), Page::FrameLimitations1);
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_EQ(answerOf(lq::Slope), QStringLiteral("4"));
}

TEST_F(QuestionPagesTest, AWidgetThatCannotBeMadeIsReportedAndThePageGoesOn)
{
    state().LimitationQuestions(lq::SoilDepth).ProgID = QStringLiteral("Missing.Control");
    runTo(ScenarioVeryClose, FarmDairy, {DairyForest});
    EXPECT_EQ(page(), Page::FrameLimitations1);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(question(QStringLiteral("ctlSoilDepth")), nullptr);
    EXPECT_NE(question(QStringLiteral("ctlDrainage")), nullptr);

    press("CommandBack");
    ProcessDeferredDeletes();
    EXPECT_EQ(page(), Page::FrameCounterm);
    EXPECT_EQ(question(QStringLiteral("ctlDrainage")), nullptr);
}

} // namespace
