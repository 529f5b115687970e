// The File commands: the dialogs they ask, what they hand the results window, and what a failure leaves.
#include "tests/shell/ShellTestSupport.h"

#include "casefile/ui/frmTALVOfile.h"
#include "shell/ui/frmMain.h"
#include "tables/core/AssessmentState.h"

#include <QAction>
#include <QFile>

namespace talvo::test {
namespace {

using Mode = FileDialogRequest::Mode;

class MainFiles : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        window = std::make_unique<frmMain>();
    }
    void TearDown() override
    {
        window.reset();
        ShellTest::TearDown();
    }

    // Records every call to the results window's file procedures and answers with `succeed`.
    void recordCaseFiles(bool succeed)
    {
        auto record = [this, succeed](const char* what) {
            return [this, succeed, what](frmTALVOfile&, const QString& path) {
                calls << QLatin1String(what) + QLatin1Char(' ') + path;
                return succeed;
            };
        };
        window->CaseFile.Save = record("save");
        window->CaseFile.Open = record("open");
        window->CaseFile.Export = record("export");
    }

    std::unique_ptr<frmMain> window;
    QStringList calls;
};

TEST_F(MainFiles, SaveRightAfterNewAsksForANameInstead)
{
    recordCaseFiles(true);
    window->mnuFileNew_Click();
    const QString defaultPath = TheAssessment().CaseFilePath;

    window->mnuFileSave_Click(); // cancelled
    ASSERT_EQ(files_.asked().size(), 1u);
    const FileDialogRequest& asked = files_.asked().front();
    EXPECT_EQ(asked.mode, Mode::Save);
    EXPECT_EQ(asked.filter, QStringLiteral("TALVO Files (*.tlv)"));
    EXPECT_TRUE(asked.overwritePrompt);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(TheAssessment().CaseFilePath, defaultPath);

    const QString chosen = tempPath(QStringLiteral("farm.tlv"));
    files_.answerNext(chosen);
    window->mnuFileSave_Click();
    EXPECT_EQ(calls, QStringList{QStringLiteral("save ") + chosen});
    EXPECT_EQ(TheAssessment().CaseFilePath, chosen);

    // From now on Save writes under that name without asking.
    window->tbToolBar_ButtonClick(QStringLiteral("Save"));
    EXPECT_EQ(files_.asked().size(), 2u);
    EXPECT_EQ(calls.last(), QStringLiteral("save ") + chosen);
}

TEST_F(MainFiles, SaveAsKeepsTheOldNameWhenTheWriteFails)
{
    // A folder that does not exist: the results window reports the failure itself and returns false.
    window->mnuFileNew_Click();
    const QString defaultPath = TheAssessment().CaseFilePath;
    files_.answerNext(tempPath(QStringLiteral("no-such-folder/unwritten.tlv")));
    window->mnuFileSaveAs_Click();
    EXPECT_EQ(TheAssessment().CaseFilePath, defaultPath);
    EXPECT_EQ(messages_.shown().size(), 1u);

    // And the next Save still asks, rather than writing to a name that holds nothing.
    window->mnuFileSave_Click();
    EXPECT_EQ(files_.asked().size(), 2u);
}

TEST_F(MainFiles, OpenThatFailsLeavesEverythingAsItWas)
{
    AssessmentState& s = TheAssessment();
    s.CaseFilePath = QStringLiteral("/earlier/case.tlv");
    s.NoSuitableCountermeasures.IsSet = true;
    s.NumberOfCountermeasures = 3;
    const QString before = Gating(*window);

    files_.answerNext(tempPath(QStringLiteral("broken.tlv")));
    window->mnuFileOpen_Click(); // the stand-in reader reports and fails
    ASSERT_EQ(files_.asked().size(), 1u);
    EXPECT_EQ(files_.asked().front().mode, Mode::Open);
    EXPECT_EQ(files_.asked().front().filter, QStringLiteral("TALVO Files (*.tlv)"));
    EXPECT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(s.CaseFilePath, QStringLiteral("/earlier/case.tlv"));
    EXPECT_TRUE(s.NoSuitableCountermeasures.IsSet);
    EXPECT_FALSE(window->CaseWindowOpen());
    EXPECT_FALSE(forms::frmTALVOfile.Loaded());
    EXPECT_EQ(Gating(*window), before);
    EXPECT_TRUE(window->StatusPanelText(1).isEmpty());
}

TEST_F(MainFiles, OpenReadsTheChosenFileBeforeShowingIt)
{
    bool visibleDuringRead = true;
    window->CaseFile.Open = [&](frmTALVOfile&, const QString& path) {
        visibleDuringRead = ResultsWindowShown();
        calls << path;
        return true;
    };
    files_.answerNext(tempPath(QStringLiteral("farm.tlv")));
    window->mnuFileOpen_Click();
    EXPECT_EQ(calls, QStringList{tempPath(QStringLiteral("farm.tlv"))});
    EXPECT_FALSE(visibleDuringRead);
    EXPECT_TRUE(ResultsWindowShown());
    EXPECT_EQ(TheAssessment().CaseFilePath, tempPath(QStringLiteral("farm.tlv")));
}

TEST_F(MainFiles, CancelledDialogsDoNothing)
{
    recordCaseFiles(true);
    window->mnuFileOpen_Click();
    EXPECT_FALSE(window->CaseWindowOpen());
    window->mnuFileNew_Click();
    window->mnuFileSaveAs_Click();
    window->mnuFileExportTXT_Click();
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(files_.asked().size(), 3u);
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(MainFiles, ExportKeepsTheCaseNameAndNamesGetTheirExtension)
{
    recordCaseFiles(true);
    window->mnuFileNew_Click();
    const QString casePath = TheAssessment().CaseFilePath;
    const QString report = tempPath(QStringLiteral("report.txt"));

    files_.answerNext(report);
    window->mnuFileExportTXT_Click();
    ASSERT_EQ(files_.asked().size(), 1u);
    EXPECT_EQ(files_.asked()[0].mode, Mode::Save);
    EXPECT_EQ(files_.asked()[0].filter, QStringLiteral("Text Files (*.txt)"));
    EXPECT_EQ(calls, QStringList{QStringLiteral("export ") + report});
    EXPECT_EQ(TheAssessment().CaseFilePath, casePath);

    // Names get their extension, and the question before replacing (Export's too) is about the name written.
    calls.clear();
    for (const char* name : {"dairy farm 2", "farm v1.2.tlv", "report.txt"}) // "dairy farm 2" is another file
        QFile(tempPath(QLatin1String(name))).open(QIODevice::WriteOnly);
    const std::pair<void (frmMain::*)(), const char*> cases[] = {{&frmMain::mnuFileSaveAs_Click, "dairy farm 2"},
                                                                 {&frmMain::mnuFileSaveAs_Click, "farm v1.2"},
                                                                 {&frmMain::mnuFileSaveAs_Click, "Farm.TLV"},
                                                                 {&frmMain::mnuFileExportTXT_Click, "farm v1.2"},
                                                                 {&frmMain::mnuFileExportTXT_Click, "report"}};
    for (const auto& [command, typed] : cases) {
        files_.answerNext(tempPath(QLatin1String(typed)));
        (window.get()->*command)();
    }
    calls.replaceInStrings(dir_.path() + QLatin1Char('/'), QString());
    EXPECT_EQ(calls, QStringList({QStringLiteral("save dairy farm 2.tlv"), QStringLiteral("save farm v1.2.tlv"),
                                  QStringLiteral("save Farm.TLV"), QStringLiteral("export farm v1.2.txt"),
                                  QStringLiteral("export report.txt")}));
    const QString replace = QStringLiteral("\"%1\" already exists.\nDo you want to replace it?");
    EXPECT_EQ(messages_.texts(), QStringList({replace.arg(u"farm v1.2.tlv"), replace.arg(u"report.txt")}));
}

TEST_F(MainFiles, ExitSavesTheGeometry)
{
    window->move(120, 90);
    window->resize(600, 500);
    window->show();
    window->mnuFileExit_Click();
    EXPECT_FALSE(window->isVisible());
    frmMain again;
    EXPECT_EQ(again.pos(), QPoint(120, 90));
    EXPECT_EQ(again.size(), QSize(600, 500));
}

} // namespace
} // namespace talvo::test
