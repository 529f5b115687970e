#include "platform/core/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>

namespace talvo {
namespace {

QStringList ownThenInstalled(const QString& programFolder, const char* installedFromProgram)
{
    const QString own = QDir::cleanPath(programFolder);
    return {own, QDir::cleanPath(own + QLatin1Char('/') + QLatin1String(installedFromProgram))};
}

} // namespace

QStringList ControlLibraryFolders(const QString& programFolder)
{
    return ownThenInstalled(programFolder, TALVO_LIBRARY_DIR_FROM_PROGRAM);
}

QStringList DataFileFolders(const QString& programFolder)
{
    return ownThenInstalled(programFolder, TALVO_DATA_DIR_FROM_PROGRAM);
}

QString FindFileIn(const QStringList& folders, const QString& name)
{
    for (const QString& folder : folders) {
        const QString path = folder + QLatin1Char('/') + name;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace talvo
