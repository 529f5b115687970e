#include "shell/core/MainGeometry.h"

#include "platform/core/NumberForms.h"
#include "platform/core/Twips.h"

#include <cmath>
#include <optional>

namespace talvo {
namespace {

// Far beyond any screen, yet safe to turn into pixels.
constexpr Single LargestCoordinate = 1.0e6f;
// The part of the window that must lie on a screen so the user can reach it: about 40 x 20 pixels.
constexpr int GrabWidthTwips = PixelsToTwips(40);
constexpr int GrabHeightTwips = PixelsToTwips(20);

std::optional<Single> coordinate(const QString& text)
{
    const std::optional<Single> value = ParseFileSingle(text);
    if (!value || !std::isfinite(*value) || std::fabs(*value) > LargestCoordinate)
        return std::nullopt;
    return value;
}

bool reachable(const MainGeometry& g, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return true;
    const QRect window(static_cast<int>(std::lround(g.Left)), static_cast<int>(std::lround(g.Top)),
                       static_cast<int>(std::lround(g.Width)), static_cast<int>(std::lround(g.Height)));
    for (const QRect& screen : screens) {
        const QRect common = window.intersected(screen);
        if (common.width() >= GrabWidthTwips && common.height() >= GrabHeightTwips)
            return true;
    }
    return false;
}

} // namespace

MainGeometry MainGeometryFromSettings(const QString& left, const QString& top, const QString& width,
                                      const QString& height, const QList<QRect>& screensInTwips)
{
    const auto l = coordinate(left), t = coordinate(top), w = coordinate(width), h = coordinate(height);
    if (!l || !t || !w || !h || *w <= 0 || *h <= 0)
        return {};
    const MainGeometry stored{*l, *t, *w, *h};
    return reachable(stored, screensInTwips) ? stored : MainGeometry{};
}

QString GeometrySettingText(Single value)
{
    return FormatStandard(value);
}

} // namespace talvo
