// The main window's place, size and activation.
#include "tests/shell/ShellTestSupport.h"

#include "casefile/ui/frmTALVOfile.h"
#include "platform/ui/SettingsStore.h"
#include "platform/ui/WindowPlacement.h"
#include "shell/ui/frmMain.h"
#include "tables/core/AssessmentState.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace talvo::test {
namespace {

using MainWindow = ShellTest;

void store(const QString& left, const QString& top, const QString& width, const QString& height)
{
    SaveSetting(QStringLiteral("TalvoDSS"), QStringLiteral("Settings"), QStringLiteral("MainLeft"), left);
    SaveSetting(QStringLiteral("TalvoDSS"), QStringLiteral("Settings"), QStringLiteral("MainTop"), top);
    SaveSetting(QStringLiteral("TalvoDSS"), QStringLiteral("Settings"), QStringLiteral("MainWidth"), width);
    SaveSetting(QStringLiteral("TalvoDSS"), QStringLiteral("Settings"), QStringLiteral("MainHeight"), height);
}

QString stored(const char* key)
{
    return GetSetting(QStringLiteral("TalvoDSS"), QStringLiteral("Settings"), QLatin1String(key));
}

TEST_F(MainWindow, WithNothingStoredItOpensAtTheDefaults)
{
    frmMain window;
    // 100, 100, 6900 x 8700 twips at 15 twips a pixel.
    EXPECT_EQ(window.pos(), QPoint(7, 7));
    EXPECT_EQ(window.size(), QSize(460, 580));
}

TEST_F(MainWindow, ClosingStoresTwipsThatTheNextStartRestores)
{
    {
        frmMain window;
        window.show();
        window.move(60, 45);
        window.resize(520, 400);
        window.close();
    }
    EXPECT_EQ(stored("MainLeft"), QStringLiteral("900"));
    EXPECT_EQ(stored("MainTop"), QStringLiteral("675"));
    EXPECT_EQ(stored("MainWidth"), QStringLiteral("7800"));
    EXPECT_EQ(stored("MainHeight"), QStringLiteral("6000"));
    // The store is the test's own file, under the section and keys the program uses.
    QSettings file(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("TalvoDSS/Settings/MainWidth")).toString(), QStringLiteral("7800"));

    frmMain again;
    EXPECT_EQ(again.pos(), QPoint(60, 45));
    EXPECT_EQ(again.size(), QSize(520, 400));
}

// A FIFO where the settings file should be would block the program before any window: it counts as no settings,
// and the place saved at exit leaves it as it is.
TEST_F(MainWindow, ASettingsFileThatIsNoRegularFileCountsAsNone)
{
    const QString app = QStringLiteral("TalvoDSS");
    EXPECT_EQ(QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganisation, app).fileName(),
              UserSettingsFile(app));
    ASSERT_EQ(mkfifo(QFile::encodeName(SettingsFile()).constData(), 0600), 0);
    alarm(20); // a hang ends the test
    frmMain window;
    EXPECT_EQ(QRect(window.pos(), window.size()), QRect(7, 7, 460, 580));
    window.show();
    window.close();
    alarm(0);
    EXPECT_TRUE(QFileInfo::exists(SettingsFile()) && !QFileInfo(SettingsFile()).isFile());
}

TEST_F(MainWindow, ClosingWhileMinimisedKeepsTheStoredGeometry)
{
    store(QStringLiteral("1500"), QStringLiteral("1500"), QStringLiteral("9000"), QStringLiteral("7500"));
    {
        frmMain window;
        window.show();
        window.resize(300, 300);
        window.showMinimized();
        ASSERT_TRUE(window.isMinimized());
        window.close();
    }
    EXPECT_EQ(stored("MainLeft"), QStringLiteral("1500"));
    EXPECT_EQ(stored("MainWidth"), QStringLiteral("9000"));
    EXPECT_EQ(stored("MainHeight"), QStringLiteral("7500"));
}

TEST_F(MainWindow, AStoredGeometryThatIsBrokenGivesTheDefaults)
{
    const std::array<QString, 4> broken[] = {
        {QStringLiteral("left"), QStringLiteral("100"), QStringLiteral("6900"), QStringLiteral("8700")},
        {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral(""), QStringLiteral("8700")},
        {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("nan"), QStringLiteral("8700")},
        {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("-6900"), QStringLiteral("8700")},
        {QStringLiteral("1e30"), QStringLiteral("100"), QStringLiteral("6900"), QStringLiteral("8700")},
    };
    for (const auto& [left, top, width, height] : broken) {
        SCOPED_TRACE((left + QLatin1Char(' ') + top + QLatin1Char(' ') + width).toStdString());
        store(left, top, width, height);
        frmMain window;
        EXPECT_EQ(window.pos(), QPoint(7, 7));
        EXPECT_EQ(window.size(), QSize(460, 580));
    }
}

TEST_F(MainWindow, AStoredPlaceOffTheScreensMovesIntoThePrimaryOne)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    // Stored and opened, in pixels: the third is partly below the primary screen, so it goes into that one the least
    // distance, although the second screen would hold it; once shown, its frame is inside too.
    const std::pair<QRect, QRect> cases[] = {{{1000, 100, 800, 600}, {1000, 100, 800, 600}},
                                             {{1500, 900, 800, 150}, {1500, 900, 800, 150}},
                                             {{1200, 900, 1000, 700}, {366, 68, 1000, 700}},
                                             {{-50, -50, 1900, 1000}, {0, 0, 1366, 768}}};
    auto twips = [](int pixels) { return QString::number(pixels * 15); };
    for (const auto& [stored, opened] : cases) {
        store(twips(stored.x()), twips(stored.y()), twips(stored.width()), twips(stored.height()));
        frmMain window;
        EXPECT_EQ(QRect(window.pos(), window.size()), opened);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_TRUE(stored == opened || QRect(0, 0, 1366, 768).contains(window.frameGeometry()));
    }
}

// With nothing stored, the main window opens inside its screen's available area, frame and all: at the defaults where
// they fit, else cut and moved no further than it must (the small screen's run: 960 x 540, as 1920 x 1080 at scale
// 2). A window placed over it is cut to what the screen holds, its minimum too, unless its size is fixed.
TEST_F(MainWindow, ItAndTheWindowsOverItOpenInsideTheScreen)
{
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QSize frame = window.frameGeometry().size() - window.size();
    const QSize room = window.screen()->availableGeometry().size() - frame, fitting = QSize(460, 580).boundedTo(room);
    EXPECT_EQ(QRect(window.pos(), window.size()),
              QRect(QPoint(7, std::min(7, room.height() - fitting.height())), fitting));
    QWidget large, fixed;
    large.setMinimumSize(2000, 2000);
    fixed.setFixedSize(2000, 2000);
    PlaceOver(large, window);
    PlaceOver(fixed, window);
    EXPECT_EQ(std::tuple(large.size(), large.minimumSize(), fixed.size()), std::tuple(room, room, QSize(2000, 2000)));
}

TEST_F(MainWindow, TheResultsWindowFillsTheWorkingAreaWhileACaseIsOpen)
{
    frmMain window;
    window.show();
    window.mnuFileNew_Click();
    auto* frame = qobject_cast<QMdiSubWindow*>(forms::frmTALVOfile->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->mdiArea(), window.MdiArea());
    window.resize(700, 650);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->size(), window.MdiArea()->viewport()->size());

    // With no case open the main window leaves its children alone.
    window.mnuFileClose_Click();
    EXPECT_FALSE(window.CaseWindowOpen());
    window.resize(500, 500); // nothing to fit, nothing fails
}

TEST_F(MainWindow, BecomingActiveRunsTheGatingRules)
{
    frmMain window;
    window.mnuFileNew_Click();
    AssessmentState& s = TheAssessment();
    s.NumberOfCountermeasures = 2;
    s.DepositionScenario = QStringLiteral("5000 Cs137 / 500 Sr90 / 50 Pu241");
    s.CaseFilePath = QStringLiteral("/somewhere/else.tlv");
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(window.Button(6)->isEnabled());
    EXPECT_TRUE(window.Button(7)->isEnabled());
    EXPECT_EQ(window.StatusPanelText(1), QStringLiteral("/somewhere/else.tlv"));
}

// Makes a window the active one and waits until it is.
void activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Let the activation events of the change arrive.
    QTest::qWait(20);
}

TEST_F(MainWindow, AMessageBoxHandingTheFocusBackIsNotAnActivation)
{
    frmMain window;
    window.CaseFile.Open = [](frmTALVOfile&, const QString&) {
        TheAssessment().NumberOfCountermeasures = 3;
        TheAssessment().DepositionScenario = QStringLiteral("Consider All Scenarios");
        return true;
    };
    activate(window);
    files_.answerNext(tempPath(QStringLiteral("all.tlv")));
    window.mnuFileOpen_Click();
    ASSERT_TRUE(window.Button(9)->isEnabled()); // Open enables Graph even for all scenarios

    // A message box comes and goes: the Graph button stays.
    QMessageBox box(QMessageBox::Information, QStringLiteral("TalvoDSS"), QStringLiteral("Saved."), QMessageBox::Ok,
                    &window);
    box.setWindowModality(Qt::ApplicationModal);
    activate(box);
    box.close();
    activate(window);
    EXPECT_TRUE(window.Button(9)->isEnabled());

    // A window of the program's own, such as a wizard, closing: the rules run.
    QWidget wizard;
    activate(wizard);
    wizard.close();
    activate(window);
    EXPECT_FALSE(window.Button(9)->isEnabled());
}

} // namespace
} // namespace talvo::test
