#include "tests/economics/EconomicWizardTestSupport.h"

#include "casefile/ui/ResultsTextBox.h"
#include "economics/core/EconomicQuestionSelection.h"
#include "platform/core/Twips.h"
#include "shell/core/WindowHooks.h"

#include <QComboBox>
#include <QScrollArea>
#include <QTemporaryDir>

using namespace talvo;
using namespace talvo::test;

namespace {

const char* const FeedOwnBarley = "Feed dairy cows concentrate grown on the farm.";

class EconomicNavigation : public EconomicWizardTest
{
protected:
    // Where the widget stands, compared in pixels with a top in twips.
    int TopOf(int record)
    {
        QWidget* question = Question(record);
        return question ? question->y() : -1;
    }
    bool Shown(int record)
    {
        QWidget* question = Question(record);
        return question && !question->isHidden();
    }
    QStringList Texts() const { return messages_.texts(); }
};

TEST_F(EconomicNavigation, IntroductionListsTheFinalCountermeasuresUnderItsTitle)
{
    Final(DairyFarm, {"Administer AFCF to dairy cows."});
    frmEconomic& wizard = Open();
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Farm Level Cost/Benefit Wizard"));
    EXPECT_EQ(wizard.findChild<ResultsTextBox*>(QStringLiteral("RichTextBoxIntro"))->text(),
              QStringLiteral("Final Countermeasures for Economic Assessment\r\n\r\nAdminister AFCF to dairy cows."));
    EXPECT_EQ(Page(), EconomicFrame::FrameIntro);
    EXPECT_TRUE(wizard.findChild<QWidget*>(QStringLiteral("FrameIntro"))->isVisible());
    EXPECT_FALSE(Button("CommandBack")->isEnabled());
    EXPECT_FALSE(Button("CommandFinish")->isEnabled());
    EXPECT_TRUE(Button("CommandNext")->isEnabled());
    EXPECT_TRUE(Button("CommandCancel")->isEnabled());
    const std::pair<const char*, const char*> captions[] = {
        {"LabelIntro", "Farm Level Costs and Benefits Assessment Wizard"},
        {"LabelQuestions", "Please answer the following questions:"},
        {"LabelChangeVariables1", "Economic Variables "},
        {"LabelChangeVariables2", "Economic Variables (cont.)"},
        {"Label1", "Economic Variables (cont.)"},
        {"LabelSummary", "Summary of Economic Costs and Benefits:"},
        {"CommandBack", "<< &Back"},
        {"CommandNext", "&Next >>"},
        {"CommandFinish", "&Finish"},
        {"CommandCancel", "&Cancel"},
    };
    for (const auto& [name, caption] : captions) {
        QWidget* control = wizard.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->property("text").toString(), QString::fromLatin1(caption)) << name;
    }
}

TEST_F(EconomicNavigation, MissingFarmDataGetsOneMessageEachInCheckOrderAndKeepsThePage)
{
    // Upland beef: the finished cattle (16) stand above their weight (15) and are asked first.
    Final(QStringLiteral("Beef Production on Upland/Hill Farm"), {"Exclude production of upland cattle."});
    Open();
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameEcQuestions1);
    EXPECT_EQ(TopOf(16), TwipsToPixels(750));
    EXPECT_EQ(TopOf(15), TwipsToPixels(1150));
    Next();
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions1);
    ASSERT_EQ(messages_.shown().size(), 2u);
    EXPECT_EQ(Texts(), (QStringList{QStringLiteral("You must answer how many upland beef cattle are finished on the "
                                                   "farm before proceeding."),
                                    QStringLiteral("You must estimate the weight of the finishing beef cattle before "
                                                   "proceeding.")}));
    for (const MessageRequest& shown : messages_.shown()) {
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
        EXPECT_EQ(shown.title, QStringLiteral("Missing Cost Information"));
    }

    // A lone minus sign on its way to a number is not an answer yet; the page still does not change.
    messages_.clear();
    Type(16, QStringLiteral("-"));
    Type(15, QStringLiteral("550"));
    Next();
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions1);
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("You must answer how many upland beef cattle are finished on the "
                                                  "farm before proceeding.")});
    messages_.clear();
    Type(16, QStringLiteral("40"));
    Next();
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
}

TEST_F(EconomicNavigation, LaterFarmDataRecordsComplainInAPlainBox)
{
    Final(QStringLiteral("Sheep on Lowland Farm"), {"Exclude production of lowland sheep."});
    Open();
    Next();
    Next();
    ASSERT_EQ(messages_.shown().size(), 1u);
    const MessageRequest& shown = messages_.shown().front();
    EXPECT_EQ(shown.text, QStringLiteral("You must answer how many tupped ewes are on the farm before proceeding."));
    EXPECT_EQ(shown.icon, MessageIcon::None);
    EXPECT_TRUE(shown.title.isEmpty());
    EXPECT_EQ(shown.buttons, MessageButtons::OK);
}

TEST_F(EconomicNavigation, BarleyAreaFollowsTheBarleyAnswer)
{
    Final(DairyFarm, {FeedOwnBarley});
    Open();
    Next();
    // Records 0, 1, 5 and 25 show; the barley area keeps its row hidden.
    EXPECT_EQ(TopOf(0), TwipsToPixels(750));
    EXPECT_EQ(TopOf(1), TwipsToPixels(1150));
    EXPECT_EQ(TopOf(2), TwipsToPixels(1550));
    EXPECT_EQ(TopOf(5), TwipsToPixels(1950));
    EXPECT_EQ(TopOf(25), TwipsToPixels(2350));
    EXPECT_TRUE(Shown(0) && Shown(1) && Shown(5) && Shown(25));
    EXPECT_FALSE(Shown(2));

    Type(0, QStringLiteral("100"));
    Type(5, QStringLiteral("4"));
    Type(25, QStringLiteral("6.5"));
    Next();
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("You must answer whether barley is grown on the farm or bought in "
                                                  "before proceeding.")});

    messages_.clear();
    Answer(1, true);
    EXPECT_TRUE(Shown(2));
    EXPECT_EQ(TheAssessment().EconomicQuestions(1).AnswerText, QStringLiteral("Yes"));
    Next();
    EXPECT_EQ(Texts(), QStringList{QStringLiteral("You must answer how many hectares of the farm are used to produce "
                                                  "barley before proceeding.")});
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions1);

    Type(2, QStringLiteral("3"));
    Answer(1, false);
    EXPECT_FALSE(Shown(2));
    EXPECT_EQ(TheAssessment().EconomicQuestions(1).AnswerText, QStringLiteral("No"));

    // Rebuilt with "Yes" stored, the area shows with its answer; with "No" it stays hidden.
    Answer(1, true);
    Back();
    ProcessDeletes();
    Next();
    EXPECT_TRUE(Shown(2));
    EXPECT_EQ(AnswerBox(2)->text(), QStringLiteral("3"));
    Answer(1, false);
    Back();
    ProcessDeletes();
    Next();
    EXPECT_FALSE(Shown(2));
    messages_.clear();
    Next();
    EXPECT_TRUE(messages_.shown().empty());
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
}

TEST_F(EconomicNavigation, BackRemovesThePagesWidgetsAndKeepsEveryAnswer)
{
    Final(DairyFarm, {"Administer AFCF to dairy cows."});
    Open();
    Next();
    Type(0, QStringLiteral("120"));
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
    const QStringList variables{QStringLiteral("ctlAFCFdairy"), QStringLiteral("ctlmilkyield"),
                                QStringLiteral("ctlmilkmargincow")};
    for (const QString& name : variables)
        EXPECT_NE(Question(name), nullptr) << name.toStdString();
    Type(48, QStringLiteral("7000"));

    Back();
    ProcessDeletes();
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions1);
    EXPECT_TRUE(Button("CommandBack")->isEnabled());
    EXPECT_TRUE(Button("CommandNext")->isEnabled());
    for (const QString& name : variables)
        EXPECT_EQ(Question(name), nullptr) << name.toStdString();
    EXPECT_NE(Question(0), nullptr);

    Back();
    ProcessDeletes();
    EXPECT_EQ(Page(), EconomicFrame::FrameIntro);
    EXPECT_FALSE(Button("CommandBack")->isEnabled());
    EXPECT_EQ(Question(0), nullptr);
    EXPECT_EQ(TheAssessment().EconomicQuestions(0).AnswerText, QStringLiteral("120"));

    // Forward again: new widgets with the answers and the value typed before.
    Next();
    EXPECT_EQ(AnswerBox(0)->text(), QStringLiteral("120"));
    Next();
    EXPECT_EQ(AnswerBox(48)->text(), QStringLiteral("7000"));
    EXPECT_EQ(AnswerBox(42)->text(), QStringLiteral("0.024"));
    EXPECT_EQ(TheAssessment().EconomicQuestions(48).AnswerValue, 7000.0);
}

TEST_F(EconomicNavigation, FlagsChangedWhileThePageIsShownStillLetBackRemoveItsWidgets)
{
    // Opening a file while the wizard is open clears the flags (and sets those of the file's countermeasures).
    Final(DairyFarm, {"Administer AFCF to dairy cows."});
    Open();
    Next();
    ASSERT_NE(Question(0), nullptr);
    DisableAllCosts(TheAssessment());
    Back();
    ProcessDeletes();
    EXPECT_EQ(Question(0), nullptr);
    Next();
    EXPECT_TRUE(messages_.shown().empty()) << Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_NE(Question(0), nullptr);
}

TEST_F(EconomicNavigation, EmptyVariablePagesArePassedOverBothWays)
{
    struct Case
    {
        const char* label;
        std::initializer_list<const char*> countermeasures;
        EconomicFrame lastQuestionPage;
    };
    // 3 variables: page 2 only. 16 variables: pages 2 and 3.
    const Case cases[] = {
        {"one page", {"Administer AFCF to dairy cows."}, EconomicFrame::FrameEcQuestions2},
        {"two pages",
         {"Administer AFCF to dairy cows.", "Supply Ca.", FeedOwnBarley},
         EconomicFrame::FrameEcQuestions3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Final(DairyFarm, c.countermeasures);
        for (int record = 0; record <= 41; ++record)
            TheAssessment().EconomicQuestions(record).AnswerText = QStringLiteral("1");
        TheAssessment().EconomicQuestions(1).AnswerText = QStringLiteral("No");
        Open();
        Next();
        Next();
        ASSERT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
        if (c.lastQuestionPage == EconomicFrame::FrameEcQuestions3) {
            Next();
            EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions3);
            EXPECT_TRUE(Button("CommandNext")->isEnabled());
            EXPECT_FALSE(Button("CommandFinish")->isEnabled());
        }
        Next();
        EXPECT_EQ(Page(), EconomicFrame::FrameFinal);
        EXPECT_FALSE(Button("CommandNext")->isEnabled());
        EXPECT_TRUE(Button("CommandFinish")->isEnabled());
        EXPECT_EQ(Wizard().focusWidget(), Button("CommandFinish")) << "the grid only shows";
        Next();
        EXPECT_EQ(Page(), EconomicFrame::FrameFinal);

        Back();
        EXPECT_EQ(Page(), c.lastQuestionPage);
        EXPECT_TRUE(Button("CommandNext")->isEnabled());
        EXPECT_FALSE(Button("CommandFinish")->isEnabled());
        Click("CommandCancel");
        ProcessDeletes();
        EXPECT_FALSE(forms::frmEconomic.Loaded());
    }
}

TEST_F(EconomicNavigation, UplandSheepFarmDataRowsBelowTheFrameCanBeReachedAndAnswered)
{
    // Every upland sheep countermeasure: 13 farm-data questions and 33 variables.
    Final(QStringLiteral("Sheep on Upland/Hill Farm"),
          {"Administer AFCF to upland sheep.", "Improve land where upland sheep are.",
           "Intensify the use of improved land where upland sheep are.", "Lime the soil where upland sheep are.",
           "Apply K fertiliser to area where upland sheep graze.", "Sell upland lambs early for fattening.",
           "Exclude production of upland sheep.", "Afforestation of area where upland sheep are.",
           "Fatten upland sheep on clean roughage.", "Fatten upland sheep on clean concentrate.",
           "Sell upland lambs for fattening.", "Administer AFCF to upland sheep & fatten on clean roughage.",
           "Administer AFCF to upland sheep &  sell for fattening.",
           "Administer AFCF to upland sheep & intensify improved land.",
           "Administer AFCF to upland sheep & apply K fertiliser.", "Administer AFCF to upland sheep & improve land."});
    frmEconomic& wizard = Open();
    Next();
    const int records[] = {4, 6, 9, 11, 17, 26, 27, 28, 29, 30, 31, 40, 41};
    // Next puts the focus into the first question of the page it shows.
    EXPECT_EQ(wizard.focusWidget(), AnswerBox(records[0]));
    EXPECT_EQ(TopOf(40), TwipsToPixels(5150));
    EXPECT_EQ(TopOf(41), TwipsToPixels(5550));
    auto* scroll = wizard.findChild<QScrollArea*>(QStringLiteral("ScrollEcQuestions1"));
    ASSERT_NE(scroll, nullptr);
    QWidget* last = Question(41);
    scroll->ensureWidgetVisible(last);
    const QRect shown = QRect(last->mapTo(scroll->viewport(), QPoint(0, 0)), last->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown));
    EXPECT_LE(last->x() + last->width(), scroll->viewport()->width()) << "no sideways scrolling";

    for (int record : records) {
        if (TheAssessment().EconomicQuestions(record).ProgID == ProgIDYesNo)
            Answer(record, true);
        else
            Type(record, QStringLiteral("10"));
    }
    Next();
    EXPECT_TRUE(messages_.shown().empty()) << Texts().join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
    // Eleven variables a page: 67 first on page 2, 136 last on page 4.
    EXPECT_TRUE(TheEconomicSession().FrameEcQuestions3Used);
    EXPECT_TRUE(TheEconomicSession().FrameEcQuestions4Used);
    for (const char* page : {"FrameEcQuestions2", "FrameEcQuestions3", "FrameEcQuestions4"}) {
        auto* frame = wizard.findChild<QWidget*>(QString::fromLatin1(page));
        EXPECT_EQ(frame->findChildren<QLineEdit*>(QStringLiteral("TextAnswer")).size(), 11) << page;
    }
    EXPECT_EQ(wizard.focusWidget(), AnswerBox(67));
    EXPECT_EQ(TopOf(67), TwipsToPixels(750));
    EXPECT_EQ(TopOf(136), TwipsToPixels(4750));
    EXPECT_TRUE(wizard.findChild<QWidget*>(QStringLiteral("FrameEcQuestions4"))->isAncestorOf(Question(136)));
}

// The setTabOrder warnings Qt prints while it lives.
struct TabOrderWarnings
{
    static inline QStringList log;
    QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (text.contains(QLatin1String("setTabOrder")))
            log << text;
    });
    ~TabOrderWarnings() { qInstallMessageHandler(previous); }
};

TEST_F(EconomicNavigation, VariablesThatAreNoNumbersStopNextAndTabEndsOnNextFinishCancelBack)
{
    const TabOrderWarnings warnings;
    Final(QStringLiteral("Arable Production"), {"Leave arable land fallow."});
    TheAssessment().EconomicQuestions(129).AnswerValue = 0.00005;
    frmEconomic& wizard = Open();
    Next();
    // Once opened, the crop's drop-down is a window of its own beside the page.
    auto* crop = Question(QStringLiteral("ctlExistCrop"))->findChild<QComboBox*>();
    crop->showPopup();
    crop->hidePopup();
    Next();
    EXPECT_EQ(wizard.focusWidget(), AnswerBox(19)) << "the topmost question missing";
    Type(19, QStringLiteral("12"));
    Question(QStringLiteral("ctlExistCrop"))->setProperty("Answer", 2);
    Next();
    ASSERT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
    EXPECT_EQ(AnswerBox(129)->text(), QStringLiteral("5E-05"));

    messages_.clear();
    AnswerBox(130)->setText(QStringLiteral("0.5€")); // pasted
    AnswerBox(133)->clear();
    Button("CommandNext")->setFocus();
    Next();
    const QString ask = QStringLiteral("You must enter a number for \"%1\" before proceeding.");
    EXPECT_EQ(Texts(), (QStringList{ask.arg(TheAssessment().EconomicQuestions(130).QuestionText),
                                    ask.arg(TheAssessment().EconomicQuestions(133).QuestionText)}));
    EXPECT_EQ(messages_.shown()[0].title, QStringLiteral("Missing Cost Information"));
    EXPECT_EQ(messages_.shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions2);
    EXPECT_TRUE(Button("CommandNext")->isEnabled());
    EXPECT_FALSE(Button("CommandFinish")->isEnabled());
    EXPECT_EQ(wizard.focusWidget(), AnswerBox(130));

    Back();
    EXPECT_EQ(TheAssessment().EconomicQuestions(130).AnswerText, QStringLiteral("599"));
    QList<QWidget*> stops;
    for (QWidget* w = crop->nextInFocusChain(); stops.size() < 4; w = w->nextInFocusChain()) {
        if (w->isVisibleTo(&wizard) && (w->focusPolicy() & Qt::TabFocus))
            stops << w;
    }
    EXPECT_EQ(stops, (QList<QWidget*>{Button("CommandNext"), Button("CommandFinish"), Button("CommandCancel"),
                                      Button("CommandBack")}));
    Next();
    Next();
    EXPECT_EQ(Page(), EconomicFrame::FrameFinal);
    EXPECT_EQ(TheAssessment().EconomicQuestions(129).AnswerValue, 0.00005);
    EXPECT_EQ(TabOrderWarnings::log, QStringList());
}

TEST_F(EconomicNavigation, CancelClearsOnlyTheFarmDataFlags)
{
    Final(DairyFarm, {"Administer AFCF to dairy cows."});
    TheAssessment().EconomicResults(0).Cost = 5;
    Open();
    Next();
    Type(0, QStringLiteral("100"));
    Next();
    Click("CommandCancel");
    ProcessDeletes();
    EXPECT_FALSE(forms::frmEconomic.Loaded());
    const AssessmentState& state = TheAssessment();
    EXPECT_FALSE(state.EconomicQuestions(0).Needed);
    EXPECT_TRUE(state.EconomicQuestions(42).Needed);
    EXPECT_TRUE(state.EconomicQuestions(65).Needed);
    EXPECT_EQ(state.EconomicQuestions(0).AnswerText, QStringLiteral("100"));
    EXPECT_FALSE(state.EconomicDone);
    EXPECT_EQ(state.EconomicResults(0).Cost, 5.0);
    EXPECT_FALSE(forms::frmTALVOfile.Loaded());

    // The next run starts on the introduction and shows the earlier answer.
    Open();
    EXPECT_EQ(Page(), EconomicFrame::FrameIntro);
    Next();
    EXPECT_EQ(AnswerBox(0)->text(), QStringLiteral("100"));
}

TEST_F(EconomicNavigation, AWidgetThatCannotBeMadeIsReportedOnceAndTheUserStaysPut)
{
    QTemporaryDir empty;
    SetComponentLibraryFolder(empty.path());
    Final(DairyFarm, {FeedOwnBarley});
    Open();
    Next();
    EXPECT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(Page(), EconomicFrame::FrameIntro);
    EXPECT_FALSE(Button("CommandBack")->isEnabled());
    EXPECT_TRUE(Button("CommandNext")->isEnabled());
}

TEST_F(EconomicNavigation, TheMainWindowOpensOneWizard)
{
    ConnectEconomicWindows();
    ASSERT_TRUE(IsWindowConnected(EconomicWizardWindow));
    Final(DairyFarm, {"Administer AFCF to dairy cows."});
    ShowConnectedWindow(EconomicWizardWindow);
    ASSERT_TRUE(forms::frmEconomic.Visible());
    frmEconomic* first = forms::frmEconomic.existing();
    Next();
    ShowConnectedWindow(EconomicWizardWindow);
    EXPECT_EQ(forms::frmEconomic.existing(), first);
    EXPECT_EQ(Page(), EconomicFrame::FrameEcQuestions1);
    EXPECT_TRUE(messages_.shown().empty());

    // Closed from its title bar it is unloaded: the next opening starts afresh.
    first->close();
    ProcessDeletes();
    EXPECT_FALSE(forms::frmEconomic.Loaded());
    ShowConnectedWindow(EconomicWizardWindow);
    EXPECT_EQ(Page(), EconomicFrame::FrameIntro);
    ConnectWindow(EconomicWizardWindow, nullptr);
}

} // namespace
