#pragma once

#include "platform/core/BasicTypes.h"

#include <QList>
#include <QRect>
#include <QString>

namespace talvo {

// The main window's place and size in twips, as the settings store keeps them.
struct MainGeometry
{
    Single Left = 100;
    Single Top = 100;
    Single Width = 6900;
    Single Height = 8700;
    bool PlacedInside = false; // moved inside a screen, not as stored
};

inline const QString SettingsSection = QStringLiteral("Settings");
inline const QString MainLeftKey = QStringLiteral("MainLeft");
inline const QString MainTopKey = QStringLiteral("MainTop");
inline const QString MainWidthKey = QStringLiteral("MainWidth");
inline const QString MainHeightKey = QStringLiteral("MainHeight");

// The geometry from the four stored texts (left, top, width, height), read as Singles. A text that is not a
// number or a size that is not positive gives the defaults for all four, placed as stored ones are. A place whose title
// bar (its top 30 pixels, across its whole width) does not lie wholly on the screens' available areas taken together
// (in twips, the primary screen first), as after a move to a smaller screen, is put inside the primary screen's area:
// cut to its size, then moved the least distance. So is one larger than its screen (the one that holds most of its
// title bar) inside that screen. Any other place is used as stored.
MainGeometry MainGeometryFromSettings(const QString& left, const QString& top, const QString& width,
                                      const QString& height, const QList<QRect>& screensInTwips);

// The stored text of one coordinate.
QString GeometrySettingText(Single value);

} // namespace talvo
