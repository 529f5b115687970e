#include "platform/core/TempFolder.h"

#include <QDir>

namespace talvo {
namespace {

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

QString TempFolderFromEnvironment()
{
    // An unset TEMP would put every working file at the root; fall back instead.
    for (const char* name : {"TEMP", "TMP", "TMPDIR"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return withoutTrailingSlash(QDir::fromNativeSeparators(value));
    }
    QString system = withoutTrailingSlash(QDir::tempPath());
    return system.isEmpty() ? QStringLiteral("/tmp") : system;
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace talvo
