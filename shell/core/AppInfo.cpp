#include "shell/core/AppInfo.h"

namespace talvo {

AppInfo& App()
{
    static AppInfo app = [] {
        AppInfo info;
        info.Major = TALVO_VERSION_MAJOR;
        info.Minor = TALVO_VERSION_MINOR;
        info.Revision = TALVO_VERSION_PATCH;
        return info;
    }();
    return app;
}

QString VersionText(const AppInfo& app)
{
    return QStringLiteral("Version %1.%2.%3").arg(app.Major).arg(app.Minor).arg(app.Revision);
}

} // namespace talvo
