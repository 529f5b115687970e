// The help file, our help viewer and the Help commands of the main window.
#include "tests/shell/ShellTestSupport.h"

#include "platform/ui/HelpViewer.h"
#include "shell/core/AppInfo.h"
#include "shell/ui/frmMain.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace talvo::test {
namespace {

const QString Sample = QStringLiteral("# a comment\n"
                                      "title: Sample Help\n"
                                      "= First\n"
                                      "keywords: alpha; Beta ;\n"
                                      "One line\n"
                                      "and the next.\n"
                                      "\n"
                                      "* item <one>\n"
                                      "  continued\n"
                                      "* item two, see [[Second]] and [[Nowhere]]\n"
                                      "= Second\n"
                                      "keywords: beta; gamma\n"
                                      "Text.\n");

TEST(HelpDocument, ParsesTopicsKeywordsParagraphsListsAndLinks)
{
    const HelpDocument doc = HelpDocument::Parse(Sample);
    EXPECT_EQ(doc.Title, QStringLiteral("Sample Help"));
    ASSERT_EQ(doc.Topics.size(), 2);
    EXPECT_EQ(doc.Topics[0].Title, QStringLiteral("First"));
    EXPECT_EQ(doc.Topics[0].Keywords, QStringList({QStringLiteral("alpha"), QStringLiteral("Beta")}));
    EXPECT_EQ(doc.Keywords(), QStringList({QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("gamma")}));
    EXPECT_EQ(doc.TopicsForKeyword(QStringLiteral("BETA")), QList<int>({0, 1}));
    EXPECT_EQ(doc.FindKeyword(QStringLiteral("g")), 2);
    EXPECT_EQ(doc.FindKeyword(QStringLiteral("BE")), 1);
    EXPECT_EQ(doc.FindKeyword(QStringLiteral("x")), -1);

    const QString html = doc.TopicHtml(0);
    EXPECT_TRUE(html.contains(QStringLiteral("<p>One line and the next.</p>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<li>item &lt;one&gt; continued</li>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<a href=\"topic:1\">Second</a>")));
    // A link to no topic stays plain text.
    EXPECT_TRUE(html.contains(QStringLiteral(" and Nowhere</li>")));
    EXPECT_FALSE(html.contains(QStringLiteral("a comment")));
    EXPECT_TRUE(doc.ContentsHtml().contains(QStringLiteral("<a href=\"topic:0\">First</a>")));
}

TEST(HelpDocument, TheProgramsHelpFileCoversOneAssessmentAndItsLinksAllResolve)
{
    QString error;
    const std::optional<HelpDocument> doc = HelpDocument::Load(QStringLiteral(TALVO_HELP_SOURCE), &error);
    ASSERT_TRUE(doc) << error.toStdString();
    for (const char* topic :
         {"TALVO Selection Wizard", "Results window", "Multicriteria Decision Making Wizard", "Ideal Point Analysis",
          "Farm Level Cost/Benefit Wizard", "Saving and opening evaluation files", "Exporting a text report"})
        EXPECT_GE(doc->FindTopic(QLatin1String(topic)), 0) << topic;

    static const QRegularExpression link(QStringLiteral("\\[\\[(.+?)\\]\\]"));
    for (const HelpTopic& topic : doc->Topics) {
        EXPECT_FALSE(topic.Keywords.isEmpty()) << topic.Title.toStdString();
        for (auto it = link.globalMatch(topic.Lines.join(QLatin1Char(' '))); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_GE(doc->FindTopic(target), 0) << topic.Title.toStdString() << " -> " << target.toStdString();
        }
    }
}

TEST(HelpDocument, AFileThatCannotBeReadOrHoldsNoTopicsIsRefused)
{
    QString error;
    EXPECT_FALSE(HelpDocument::Load(QStringLiteral("/no/such/Talvo.hlp"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("/no/such/Talvo.hlp")));

    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral("empty.hlp")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write("just words\n");
    empty.close();
    EXPECT_FALSE(HelpDocument::Load(empty.fileName(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("not a TalvoDSS help file")));
}

using Help = ShellTest;

TEST_F(Help, ContentsAndSearchOpenOurViewer)
{
    frmMain window;
    window.mnuHelpContents_Click();
    EXPECT_TRUE(messages_.shown().empty());
    HelpViewer* viewer = CurrentHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->SearchShown());
    EXPECT_TRUE(viewer->PageText().contains(QStringLiteral("Farm Level Cost/Benefit Wizard")));

    window.tbToolBar_ButtonClick(QStringLiteral("Help")); // the search
    EXPECT_EQ(CurrentHelpViewer(), viewer);
    EXPECT_TRUE(viewer->SearchShown());
    EXPECT_EQ(viewer->SelectedKeyword(), viewer->Document().Keywords().first());

    viewer->ShowSearch(QStringLiteral("ide"));
    EXPECT_EQ(viewer->SelectedKeyword(), QStringLiteral("ideal point"));
    viewer->DisplayKeyword(QStringLiteral("ideal point"));
    EXPECT_TRUE(viewer->PageText().startsWith(QStringLiteral("Ideal Point Analysis")));
    // A keyword of several topics lists them.
    viewer->DisplayKeyword(QStringLiteral("Run menu"));
    EXPECT_TRUE(viewer->PageText().startsWith(QStringLiteral("Topics found for \"Run menu\"")));

    for (const char* focus : {"HelpKeywordBox", "HelpKeywords", "HelpPage"}) { // Esc closes it from anywhere
        window.mnuHelpSearch_Click();
        QTest::keyClick(CurrentHelpViewer()->findChild<QWidget*>(QLatin1String(focus)), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(CurrentHelpViewer(), nullptr) << focus;
    }
}

TEST_F(Help, WithoutAHelpFileNameTheCommandsSaySo)
{
    App().HelpFile.clear();
    frmMain window;
    window.mnuHelpContents_Click();
    window.mnuHelpSearch_Click();
    ASSERT_EQ(messages_.shown().size(), 2u);
    for (const MessageRequest& shown : messages_.shown()) {
        EXPECT_EQ(shown.text,
                  QStringLiteral("Unable to display Help Contents. There is no Help associated with this project."));
        EXPECT_EQ(shown.icon, MessageIcon::Information);
        EXPECT_EQ(shown.title, QStringLiteral("TalvoDSS"));
    }
}

TEST_F(Help, AViewerErrorIsShownAsItsDescription)
{
    App().HelpFile = tempPath(QStringLiteral("Talvo.hlp"));
    frmMain window;
    window.mnuHelpContents_Click();
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_TRUE(messages_.shown()[0].text.startsWith(QStringLiteral("Unable to open the help file")));
    EXPECT_TRUE(messages_.shown()[0].title.isEmpty());

    QString error;
    EXPECT_FALSE(ShowHelp(&window, QStringLiteral(TALVO_HELP_SOURCE), 42, QString(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(Help, ThePromptIsAskedOnceAndYesOpensTheContents)
{
    {
        frmMain window;
        messages_.answerNext(MessageAnswer::No);
        window.Timer1_Timer();
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].text,
                  QStringLiteral("Would you like help getting started with your TalvoDSS assessment?"));
        EXPECT_EQ(messages_.shown()[0].title, QStringLiteral("Need some help?"));
        EXPECT_EQ(messages_.shown()[0].buttons, MessageButtons::YesNo);
        EXPECT_FALSE(window.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        EXPECT_EQ(CurrentHelpViewer(), nullptr);
    }
    frmMain window;
    messages_.clear();
    messages_.answerNext(MessageAnswer::Yes);
    window.Timer1_Timer();
    ASSERT_NE(CurrentHelpViewer(), nullptr);
    EXPECT_FALSE(CurrentHelpViewer()->SearchShown());
}

} // namespace
} // namespace talvo::test
