// The main window's stored place on two screens side by side, a small primary one on the left.
#include "tests/shell/ShellTestSupport.h"

#include "platform/ui/SettingsStore.h"
#include "shell/ui/frmMain.h"

#include <QGuiApplication>

namespace talvo::test {
namespace {

// Set before the application object exists, over the test runner's plain "offscreen".
const bool TwoScreens = qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TALVO_TWO_SCREENS);

TEST_F(ShellTest, AStoredPlaceOffTheScreensMovesIntoThePrimaryOne)
{
    ASSERT_TRUE(TwoScreens && QGuiApplication::screens().size() == 2);
    const std::pair<QRect, QRect> cases[] = {
        // Stored and opened, in pixels. A title bar across both screens, or on the second, is on screen.
        {{1000, 100, 800, 600}, {1000, 100, 800, 600}},
        {{1500, 900, 800, 150}, {1500, 900, 800, 150}},
        // Partly below the primary screen: into it, the least distance, although the second would hold it.
        {{1200, 900, 1000, 700}, {366, 68, 1000, 700}},
        {{5000, 300, 500, 400}, {866, 300, 500, 400}},
        {{-50, -50, 1900, 1000}, {0, 0, 1366, 768}},
    };
    const QStringList keys = {QStringLiteral("MainLeft"), QStringLiteral("MainTop"), QStringLiteral("MainWidth"),
                              QStringLiteral("MainHeight")};
    for (const auto& [stored, opened] : cases) {
        const QList<int> pixels = {stored.x(), stored.y(), stored.width(), stored.height()};
        QStringList texts, saved;
        for (int i = 0; i < 4; ++i)
            SaveSetting(QStringLiteral("TalvoDSS"), QStringLiteral("Settings"), keys[i],
                        texts.emplace_back(QString::number(pixels[i] * 15)));
        frmMain window;
        EXPECT_EQ(QRect(window.pos(), window.size()), opened);
        window.show();
        window.close();
        for (const QString& key : keys)
            saved << GetSetting(QStringLiteral("TalvoDSS"), QStringLiteral("Settings"), key);
        EXPECT_TRUE(stored != opened || saved == texts) << "a place that fits goes back as it came";
    }
}

} // namespace
} // namespace talvo::test
