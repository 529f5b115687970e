#include "platform/core/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace talvo {
namespace {

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

int createExclusive(const char* path)
{
    return ::open(path, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
}

// Tried by creating a file and removing it again: the permission bits say nothing for root, an access list or a
// read-only mount, and a missing folder or a file fails the same way.
bool canCreateFileIn(const QString& folder)
{
    for (int tries = 0; tries < 10; ++tries) {
        const QString name = QStringLiteral(".NewTalvo-%1").arg(QRandomGenerator::global()->generate(), 0, 36);
        const QByteArray path = QFile::encodeName(JoinPath(folder, name));
        const int fd = TempFolderCreateFile(path.constData());
        if (fd >= 0) {
            ::close(fd);
            ::unlink(path.constData());
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

} // namespace

int (*TempFolderCreateFile)(const char* path) = createExclusive;

QString TempFolderFromEnvironment()
{
    // A TEMP that is unset, or names no folder the working files can go into, would make every Finish and every
    // ranking fail: the next variable is taken instead, as when it is unset.
    for (const char* name : {"TEMP", "TMP", "TMPDIR"}) {
        const QString value = withoutTrailingSlash(QDir::fromNativeSeparators(qEnvironmentVariable(name)));
        if (!value.isEmpty() && canCreateFileIn(value))
            return value;
    }
    // Not QDir::tempPath(): that is TMPDIR again whenever it is set.
    return QStringLiteral("/tmp");
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace talvo
