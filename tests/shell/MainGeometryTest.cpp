#include "shell/core/MainGeometry.h"

#include <gtest/gtest.h>

#include <array>

namespace talvo {
namespace {

const QList<QRect> OneScreen = {QRect(0, 0, 1920 * 15, 1080 * 15)};
const QList<QRect> TwoScreens = {QRect(0, 0, 1920 * 15, 1080 * 15), QRect(1920 * 15, 0, 1280 * 15, 1024 * 15)};

struct GeometryCase
{
    const char* name;
    QString left, top, width, height;
    QList<QRect> screens;
    bool kept; // else the defaults
};

TEST(MainGeometry, StoredTextsThatAreNoPlaceGiveTheDefaults)
{
    const GeometryCase cases[] = {
        {"plain", "1500", "900", "9000", "7500", OneScreen, true},
        {"decimals and blanks", " 1500.5 ", "900", "9000", "7500", OneScreen, true},
        {"on the second screen", "30000", "900", "9000", "7500", TwoScreens, true},
        {"no screens known", "500000", "900", "9000", "7500", {}, true},
        {"not a number", "abc", "900", "9000", "7500", OneScreen, false},
        {"empty", "1500", "", "9000", "7500", OneScreen, false},
        {"two numbers", "1500", "900", "9000 7500", "7500", OneScreen, false},
        {"infinite", "1500", "900", "inf", "7500", OneScreen, false},
        {"overflows a Single", "1500", "900", "1e39", "7500", OneScreen, false},
        {"too large to place", "1e7", "900", "9000", "7500", OneScreen, false},
        {"zero width", "1500", "900", "0", "7500", OneScreen, false},
        {"negative height", "1500", "900", "9000", "-7500", OneScreen, false},
    };
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MainGeometry g = MainGeometryFromSettings(c.left, c.top, c.width, c.height, c.screens);
        if (c.kept) {
            EXPECT_EQ(g.Left, c.left.trimmed().toFloat());
            EXPECT_EQ(g.Width, c.width.toFloat());
        } else {
            EXPECT_EQ(g.Left, 100.0f);
            EXPECT_EQ(g.Top, 100.0f);
            EXPECT_EQ(g.Width, 6900.0f);
            EXPECT_EQ(g.Height, 8700.0f);
        }
    }
}

// A place larger than the screen that holds most of its title bar is cut to that screen and moved into it.
TEST(MainGeometry, ASizeLargerThanItsScreenIsCutToItThere)
{
    const MainGeometry g = MainGeometryFromSettings("35000", "900", "9000", "16000", TwoScreens);
    EXPECT_EQ((std::array{g.Left, g.Top, g.Width, g.Height}), (std::array<Single, 4>{35000, 0, 9000, 15360}));
}

TEST(MainGeometry, StoredAsDecimalText)
{
    EXPECT_EQ(GeometrySettingText(6900), QStringLiteral("6900"));
    EXPECT_EQ(GeometrySettingText(-150), QStringLiteral("-150"));
    EXPECT_EQ(GeometrySettingText(1500.5f), QStringLiteral("1500.5"));
}

} // namespace
} // namespace talvo
