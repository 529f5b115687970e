// The about box, the options dialog and the login dialog.
#include "tests/shell/ShellTestSupport.h"

#include "platform/ui/SettingsStore.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmLogin.h"
#include "shell/ui/frmMain.h"
#include "shell/ui/frmOptions.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace talvo::test {
namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

class About : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        forms::frmAbout->StartProgram = [this](const QString& path) {
            started << path;
            return startSucceeds;
        };
    }
    void storeValue(const QString& section, const QString& key, const QString& value)
    {
        SaveSetting(QStringLiteral("TalvoDSS"), section, key, value);
    }

    QStringList started;
    bool startSucceeds = true;
};

TEST_F(About, ShowsTheProgramAndItsConditions)
{
    frmAbout& about = forms::frmAbout.get();
    auto text = [&](const char* name) { return about.findChild<QLabel*>(QLatin1String(name))->text(); };
    EXPECT_EQ(text("lblTitle"), QStringLiteral("Talvo Decision Support System"));
    EXPECT_EQ(text("lblVersion"), QStringLiteral("Version 1.0.0"));
    EXPECT_TRUE(text("LabelConditionsUse").startsWith(QStringLiteral("Conditions of Use: ")));
    EXPECT_TRUE(text("LabelCopyright").contains(QStringLiteral("Copyright")));
    EXPECT_FALSE(text("LabelIntellectual").isEmpty());
    EXPECT_TRUE(text("LabelDisclaimer").startsWith(QStringLiteral("Disclaimer: ")));
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(), QStringLiteral("&System Info..."));
}

TEST_F(About, HelpAboutShowsItAndOKUnloadsIt)
{
    frmMain window;
    window.mnuHelpAbout_Click();
    ASSERT_TRUE(forms::frmAbout.Visible());
    EXPECT_EQ(forms::frmAbout->parentWidget(), &window);
    // Of fixed size, so no maximise button, like the options and login dialogs; the main window keeps its button.
    for (QWidget* dialog : std::initializer_list<QWidget*>{&*forms::frmAbout, &*forms::frmOptions, &*forms::frmLogin}) {
        dialog->show();
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << dialog->objectName().toStdString();
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint) << dialog->objectName().toStdString();
    }
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QTest::mouseClick(forms::frmAbout->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_FALSE(forms::frmAbout.Loaded());
}

TEST_F(About, SystemInformationWithNothingConfiguredIsUnavailable)
{
    forms::frmAbout->cmdSysInfo_Click();
    EXPECT_EQ(messages_.texts(), QStringList{Unavailable});
    EXPECT_TRUE(messages_.shown().front().title.isEmpty());
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(About, SystemInformationFindsTheViewerByPathOrFolder)
{
    // Only the folder, and no viewer in it.
    storeValue(QStringLiteral("Shared Tools Location"), QStringLiteral("MSINFO"), dir_.path());
    forms::frmAbout->StartSysInfo();
    EXPECT_EQ(messages_.texts(), QStringList{Unavailable});
    EXPECT_TRUE(started.isEmpty());

    // The folder holds the viewer.
    QFile viewer(tempPath(QStringLiteral("MSINFO32.EXE")));
    ASSERT_TRUE(viewer.open(QIODevice::WriteOnly));
    viewer.close();
    forms::frmAbout->StartSysInfo();
    EXPECT_EQ(started, QStringList{tempPath(QStringLiteral("MSINFO32.EXE"))});

    // A full path comes first.
    storeValue(QStringLiteral("Shared Tools/MSINFO"), QStringLiteral("PATH"), QStringLiteral("/opt/sysinfo/viewer"));
    forms::frmAbout->StartSysInfo();
    EXPECT_EQ(started.last(), QStringLiteral("/opt/sysinfo/viewer"));
    EXPECT_EQ(messages_.texts().size(), 1);

    // A viewer that will not start is unavailable too.
    startSucceeds = false;
    forms::frmAbout->StartSysInfo();
    EXPECT_EQ(messages_.texts(), QStringList({Unavailable, Unavailable}));
}

using Options = ShellTest;

TEST_F(Options, CtrlTabWrapsBothWays)
{
    frmOptions& options = forms::frmOptions.get();
    QTabBar* tabs = options.Tabs();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Group 1"));
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("Group 4"));
    EXPECT_EQ(tabs->currentIndex(), 0);

    // Keys reach the dialog whichever control has them.
    QWidget* ok = options.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QTest::keyClick(ok, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 3);
    QTest::keyClick(ok, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    QTest::keyClick(&options, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    options.Form_KeyDown(9, 2);
    options.Form_KeyDown(9, 2);
    EXPECT_EQ(tabs->currentIndex(), 3);
    options.Form_KeyDown(9, 2);
    EXPECT_EQ(tabs->currentIndex(), 0);
    options.Form_KeyDown(9, 1); // Shift+Tab alone moves the focus, not the tab
    options.Form_KeyDown(65, 2);
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(Options, OnlyTheSelectedPageIsInSightAndEnabled)
{
    frmOptions& options = forms::frmOptions.get();
    options.Tabs()->setCurrentIndex(2);
    for (int i = 0; i < 4; ++i) {
        QWidget* page = options.Page(i);
        EXPECT_EQ(page->x(), i == 2 ? 14 : -1333) << i;
        EXPECT_EQ(page->isEnabled(), i == 2) << i;
    }
    EXPECT_NE(options.findChild<QWidget*>(QStringLiteral("fraSample3")), nullptr);
}

TEST_F(Options, ApplyStaysOpenAndOKCloses)
{
    frmMain window;
    QTimer::singleShot(0, [] {
        forms::frmOptions->cmdApply_Click();
        EXPECT_TRUE(forms::frmOptions.Visible());
        forms::frmOptions->cmdOK_Click();
    });
    window.ShowOptions(); // modal until OK
    EXPECT_EQ(messages_.texts(), QStringList({QStringLiteral("Apply Code goes here to set options w/o closing dialog!"),
                                              QStringLiteral("Code goes here to set options and close dialog!")}));
    EXPECT_FALSE(forms::frmOptions.Loaded());
}

using Login = ShellTest;

TEST_F(Login, AcceptsOnlyAnEmptyPassword)
{
    frmLogin& login = forms::frmLogin.get();
    EXPECT_EQ(login.windowTitle(), QStringLiteral("Login"));
    EXPECT_EQ(login.UserName()->text(), CurrentUserName());
    login.show();

    login.Password()->setText(QStringLiteral("secret"));
    login.cmdOK_Click();
    EXPECT_FALSE(login.PasswordAccepted);
    EXPECT_TRUE(login.isVisible());
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, QStringLiteral("Invalid Password, try again!"));
    EXPECT_EQ(messages_.shown()[0].title, QStringLiteral("Login"));
    EXPECT_EQ(login.Password()->selectedText(), QStringLiteral("secret"));

    login.Password()->clear();
    login.cmdOK_Click();
    EXPECT_TRUE(login.PasswordAccepted);
    EXPECT_FALSE(login.isVisible());

    login.show();
    login.cmdCancel_Click();
    EXPECT_FALSE(login.PasswordAccepted);
    EXPECT_FALSE(login.isVisible());
}

} // namespace
} // namespace talvo::test
