#include "shell/core/MainGeometry.h"

#include "platform/core/NumberForms.h"
#include "platform/core/Twips.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace talvo {
namespace {

// Far beyond any screen, yet safe to turn into pixels.
constexpr Single LargestCoordinate = 1.0e6f;
// The part of the stored place that must be on a screen: the top 30 pixels, where the title bar is.
constexpr int TitleBarTwips = PixelsToTwips(30);

std::optional<Single> coordinate(const QString& text)
{
    const std::optional<Single> value = ParseFileSingle(text);
    if (!value || !std::isfinite(*value) || std::fabs(*value) > LargestCoordinate)
        return std::nullopt;
    return value;
}

// Whether the screens together cover the rectangle: nothing of it is left once each screen is taken away.
bool covered(const QRect& rect, const QList<QRect>& screens)
{
    QList<QRect> rest{rect};
    for (const QRect& screen : screens) {
        QList<QRect> left;
        for (const QRect& piece : rest) {
            const QRect common = piece.intersected(screen);
            if (common.isEmpty()) {
                left << piece;
                continue;
            }
            left << QRect(QPoint(piece.left(), piece.top()), QPoint(piece.right(), common.top() - 1))
                 << QRect(QPoint(piece.left(), common.bottom() + 1), QPoint(piece.right(), piece.bottom()))
                 << QRect(QPoint(piece.left(), common.top()), QPoint(common.left() - 1, common.bottom()))
                 << QRect(QPoint(common.right() + 1, common.top()), QPoint(piece.right(), common.bottom()));
            left.removeIf([](const QRect& r) { return r.isEmpty(); });
        }
        rest = left;
    }
    return rest.isEmpty();
}

// Cut to the area's size, then moved the least distance that brings it inside.
MainGeometry placedInside(const MainGeometry& g, const QRect& area)
{
    MainGeometry placed;
    placed.PlacedInside = true;
    placed.Width = std::min(g.Width, Single(area.width()));
    placed.Height = std::min(g.Height, Single(area.height()));
    placed.Left = std::clamp(g.Left, Single(area.left()), Single(area.left() + area.width()) - placed.Width);
    placed.Top = std::clamp(g.Top, Single(area.top()), Single(area.top() + area.height()) - placed.Height);
    return placed;
}

} // namespace

MainGeometry MainGeometryFromSettings(const QString& left, const QString& top, const QString& width,
                                      const QString& height, const QList<QRect>& screensInTwips)
{
    const auto l = coordinate(left), t = coordinate(top), w = coordinate(width), h = coordinate(height);
    const bool valid = l && t && w && h && *w > 0 && *h > 0;
    const MainGeometry stored = valid ? MainGeometry{*l, *t, *w, *h} : MainGeometry{};
    if (screensInTwips.isEmpty())
        return stored;
    const QRect titleBar(static_cast<int>(std::lround(stored.Left)), static_cast<int>(std::lround(stored.Top)),
                         static_cast<int>(std::lround(stored.Width)), TitleBarTwips);
    if (!covered(titleBar, screensInTwips))
        return placedInside(stored, screensInTwips.first());
    // Its screen is the one that holds most of its title bar; a size larger than that screen (the defaults on a
    // small one) is cut to it there.
    const QRect& screen =
        *std::max_element(screensInTwips.begin(), screensInTwips.end(), [&titleBar](const QRect& a, const QRect& b) {
            const QRect x = a.intersected(titleBar), y = b.intersected(titleBar);
            return qint64(x.width()) * x.height() < qint64(y.width()) * y.height();
        });
    if (stored.Width > Single(screen.width()) || stored.Height > Single(screen.height()))
        return placedInside(stored, screen);
    return stored;
}

QString GeometrySettingText(Single value)
{
    return FormatStandard(value);
}

} // namespace talvo
