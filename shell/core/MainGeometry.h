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
};

inline const QString SettingsSection = QStringLiteral("Settings");
inline const QString MainLeftKey = QStringLiteral("MainLeft");
inline const QString MainTopKey = QStringLiteral("MainTop");
inline const QString MainWidthKey = QStringLiteral("MainWidth");
inline const QString MainHeightKey = QStringLiteral("MainHeight");

// The geometry from the four stored texts (left, top, width, height), read as Singles. A text that is not a
// number, a size that is not positive, or a window that shows no grabbable part on any of the screens (given in
// twips) would leave a broken or lost window, so any of these gives the defaults for all four. With no screens
// known, only the numbers are checked.
MainGeometry MainGeometryFromSettings(const QString& left, const QString& top, const QString& width,
                                      const QString& height, const QList<QRect>& screensInTwips);

// The stored text of one coordinate.
QString GeometrySettingText(Single value);

} // namespace talvo
