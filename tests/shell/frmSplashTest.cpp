// Start-up and the splash screen.
#include "tests/shell/ShellTestSupport.h"

#include "shell/ui/Module1.h"
#include "shell/ui/frmMain.h"
#include "shell/ui/frmSplash.h"
#include "tables/core/AssessmentState.h"

#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

namespace talvo::test {
namespace {

class Splash : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        main = std::make_unique<frmMain>();
        fMainForm = main.get();
        forms::frmSplash.Show();
    }
    void TearDown() override
    {
        forms::frmSplash.Unload();
        fMainForm = nullptr;
        main.reset();
        ShellTest::TearDown();
    }

    QString label(const char* name) const { return forms::frmSplash->findChild<QLabel*>(QLatin1String(name))->text(); }
    int pointSize(const char* name) const
    {
        return forms::frmSplash->findChild<QLabel*>(QLatin1String(name))->font().pointSize();
    }
    // The splash screen is gone and the main window shows.
    void expectClosed() const
    {
        EXPECT_FALSE(forms::frmSplash.Loaded());
        EXPECT_TRUE(main->isVisible());
    }

    std::unique_ptr<frmMain> main;
};

TEST_F(Splash, ShowsNameVersionAndConditions)
{
    EXPECT_EQ(label("lblVersion"), QStringLiteral("Version 1.0.0"));
    EXPECT_EQ(label("lblProductName"), QStringLiteral("Talvo Decision Support System"));
    EXPECT_EQ(pointSize("lblProductName"), 16);
    EXPECT_TRUE(label("lblWarning").startsWith(QStringLiteral("Conditions of Use: ")));
    EXPECT_EQ(pointSize("lblWarning"), 8);
    EXPECT_TRUE(label("lblCopyright").contains(QStringLiteral("Copyright")));
    EXPECT_FALSE(label("lblLicenseTo").isEmpty());
    EXPECT_TRUE(label("lblCompany").startsWith(QStringLiteral("Disclaimer: ")));
    EXPECT_FALSE(forms::frmSplash->findChild<QLabel*>(QStringLiteral("imgLogo"))->pixmap().isNull());
    EXPECT_TRUE(forms::frmSplash->isVisible());
    EXPECT_FALSE(main->isVisible());

    const auto* timer1 = forms::frmSplash->findChild<QTimer*>(QStringLiteral("Timer1"));
    const auto* timer2 = forms::frmSplash->findChild<QTimer*>(QStringLiteral("Timer2"));
    EXPECT_EQ(timer1->interval(), 4000);
    EXPECT_EQ(timer2->interval(), 300);
    EXPECT_TRUE(timer1->isActive() && timer2->isActive());
}

TEST_F(Splash, TheLogoStartsAtCellElevenAndWrapsAfterEighteen)
{
    frmSplash& splash = forms::frmSplash.get();
    EXPECT_EQ(splash.LogoCell(), 11);
    std::vector<int> cells;
    for (int i = 0; i < 10; ++i) {
        splash.Timer2_Timer();
        cells.push_back(splash.LogoCell());
    }
    EXPECT_EQ(cells, (std::vector<int>{12, 13, 14, 15, 16, 17, 18, 0, 1, 2}));
}

TEST_F(Splash, ClosesByItsTimer)
{
    forms::frmSplash->Timer1_Timer();
    expectClosed();
}

TEST_F(Splash, ClosesOnAClickOnTheFrame)
{
    // A click on a label lands on the frame under it.
    auto* label = forms::frmSplash->findChild<QLabel*>(QStringLiteral("lblWarning"));
    QTest::mouseClick(forms::frmSplash->findChild<QFrame*>(QStringLiteral("Frame1")), Qt::LeftButton, {},
                      label->geometry().center());
    expectClosed();
}

TEST_F(Splash, ClosesOnAKey)
{
    QTest::keyClick(&forms::frmSplash.get(), Qt::Key_Shift); // a modifier alone does nothing
    EXPECT_TRUE(forms::frmSplash.Loaded());
    QTest::keyClick(&forms::frmSplash.get(), Qt::Key_Space);
    expectClosed();
}

TEST_F(Splash, LeftAloneItShowsTheMainWindowAfterFourSeconds)
{
    QTest::qWait(3000);
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(forms::frmSplash.Loaded());
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->isVisible(); }, 4000));
    EXPECT_FALSE(forms::frmSplash.Loaded());
}

using StartUp = ShellTest;

TEST_F(StartUp, MainShowsTheSplashLoadsTheHiddenMainWindowAndFillsTheTables)
{
    TheAssessment() = AssessmentState{};
    Main();
    std::unique_ptr<frmMain> owned(fMainForm);
    EXPECT_TRUE(forms::frmSplash.Visible());
    ASSERT_NE(fMainForm, nullptr);
    EXPECT_FALSE(fMainForm->isVisible());
    const AssessmentState& s = TheAssessment();
    EXPECT_FALSE(s.TempFolder.isEmpty());
    EXPECT_EQ(s.NumberOfCriteria, 10);
    EXPECT_EQ(s.PValue, 1);
    EXPECT_FALSE(s.Countermeasures(0).Name.isEmpty());
    EXPECT_FALSE(s.LimitationQuestions(33).QuestionText.isEmpty());

    forms::frmSplash->Frame1_Click();
    EXPECT_TRUE(fMainForm->isVisible());
    fMainForm = nullptr;
}

} // namespace
} // namespace talvo::test
