#include "platform/core/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvo {
namespace {

const QString NotPrivate =
    QStringLiteral("the working folder is not a folder of your own that only you may write into");
const QString OthersMayWrite = QStringLiteral("others may write into the folder that holds the working folder");

// How the working folder was chosen decides how it is checked again before each write.
struct WorkingFolder
{
    enum class Kind { None, Named, Private };
    Kind kind = Kind::None;
    QString path;
    QString parent;  // Private: the folder it stands in, as named
    QByteArray name; // Private: its name there
};

WorkingFolder& workingFolder()
{
    static WorkingFolder folder;
    return folder;
}

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

int createExclusive(int folder, const char* name)
{
    return ::openat(folder, name, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
}

QString systemTemp()
{
    return QStringLiteral("/tmp");
}

// Links in the path are followed: the check is on the folder reached. The reason, when asked for, says why it could
// not be opened.
FileDescriptor openFolder(const QString& path, struct stat* info, QString* reason = nullptr)
{
    FileDescriptor folder(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid() && ::fstat(folder.get(), info) != 0)
        folder.reset();
    if (!folder.valid() && reason)
        *reason = qt_error_string(errno);
    return folder;
}

bool ownedByUser(const struct stat& info)
{
    return info.st_uid == ::geteuid();
}
bool othersMayWrite(const struct stat& info)
{
    return (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

// A shared sticky folder whose owner, who could remove any entry, is root or the user.
bool sharedSticky(const struct stat& info)
{
    return IsSharedStickyFolder(info) && (info.st_uid == 0 || ownedByUser(info));
}

// A folder in which the user's private folder is safe: no one but root or the user can take it away.
bool mayHoldPrivateFolder(const struct stat& info)
{
    return sharedSticky(info) || (!othersMayWrite(info) && (info.st_uid == 0 || ownedByUser(info)));
}

// Tried by creating a file and removing it again: the permission bits say nothing for root, an access list or a
// read-only mount.
bool canCreateFileIn(int folder)
{
    for (int tries = 0; tries < 10; ++tries) {
        const QByteArray name = ".NewTalvo-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = TempFolderCreateFile(folder, name.constData());
        if (fd >= 0) {
            ::close(fd);
            ::unlinkat(folder, name.constData(), 0);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// The user's private folder `name` in `parent`, made when missing. Only the opened folder itself is trusted, never
// the name: a link, a file or another user's folder there is not used. The user's own with looser bits is tightened.
FileDescriptor openPrivateFolder(int parent, const QByteArray& name, QString* reason)
{
    if (::mkdirat(parent, name.constData(), 0700) != 0 && errno != EEXIST) {
        *reason = qt_error_string(errno);
        return {};
    }
    FileDescriptor folder(::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info
    {
    };
    if (!folder.valid() || ::fstat(folder.get(), &info) != 0 || !S_ISDIR(info.st_mode) || !ownedByUser(info)) {
        *reason = NotPrivate;
        return {};
    }
    if ((info.st_mode & 07777) != 0700 && ::fchmod(folder.get(), 0700) != 0) {
        *reason = qt_error_string(errno);
        return {};
    }
    return folder;
}

QByteArray fixedName(int attempt)
{
    const QByteArray name = "NewTalvo-" + QByteArray::number(::geteuid());
    return attempt == 0 ? name : name + '-' + QByteArray::number(attempt + 1);
}

WorkingFolder privateFolder(const QString& parent, const QByteArray& name)
{
    return {WorkingFolder::Kind::Private, JoinPath(parent, QFile::decodeName(name)), parent, name};
}

std::optional<WorkingFolder> fixedPrivateFolderIn(const QString& parent, int fd)
{
    QString reason;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (openPrivateFolder(fd, fixedName(attempt), &reason).valid())
            return privateFolder(parent, fixedName(attempt));
    }
    return std::nullopt;
}

// As mkdtemp makes one: a new name that no one can have taken.
std::optional<WorkingFolder> folderForTheRunIn(const QString& parent, int fd)
{
    for (int tries = 0; tries < 100; ++tries) {
        const QByteArray name =
            fixedName(0) + '-' + QByteArray::number(QRandomGenerator::global()->generate() | 0x80000000u, 36);
        if (::mkdirat(fd, name.constData(), 0700) == 0) {
            QString reason;
            if (openPrivateFolder(fd, name, &reason).valid())
                return privateFolder(parent, name);
            return std::nullopt;
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

WorkingFolder chooseWorkingFolder()
{
    QStringList shared; // the shared sticky folders met on the way, for the last resort
    for (const char* variable : {"TEMP", "TMP", "TMPDIR"}) {
        const QString value = withoutTrailingSlash(QDir::fromNativeSeparators(qEnvironmentVariable(variable)));
        struct stat info
        {
        };
        const FileDescriptor folder = value.isEmpty() ? FileDescriptor() : openFolder(value, &info);
        if (!folder.valid())
            continue;
        if (ownedByUser(info) && !othersMayWrite(info)) {
            if (canCreateFileIn(folder.get()))
                return {WorkingFolder::Kind::Named, value, {}, {}};
        } else if (sharedSticky(info)) {
            if (const auto found = fixedPrivateFolderIn(value, folder.get()))
                return *found;
            shared << value;
        }
    }
    const QString system = withoutTrailingSlash(SystemTempFolder());
    struct stat info
    {
    };
    if (const FileDescriptor folder = openFolder(system, &info); folder.valid() && mayHoldPrivateFolder(info)) {
        if (const auto found = fixedPrivateFolderIn(system, folder.get()))
            return *found;
        shared << system;
    }
    const QString runtime = withoutTrailingSlash(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (const FileDescriptor folder = runtime.isEmpty() ? FileDescriptor() : openFolder(runtime, &info);
        folder.valid() && ownedByUser(info) && (info.st_mode & 07777) == 0700 && canCreateFileIn(folder.get()))
        return {WorkingFolder::Kind::Named, runtime, {}, {}};
    for (const QString& parent : shared) {
        if (const FileDescriptor folder = openFolder(parent, &info); folder.valid() && mayHoldPrivateFolder(info)) {
            if (const auto made = folderForTheRunIn(parent, folder.get()))
                return *made;
        }
    }
    // Nothing could be had: the fixed name stands, and each write tries it again and reports why it fails.
    return privateFolder(system, fixedName(0));
}

} // namespace

bool IsSharedStickyFolder(const struct stat& folder)
{
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

QString (*SystemTempFolder)() = systemTemp;
int (*TempFolderCreateFile)(int folder, const char* name) = createExclusive;

QString TempFolderFromEnvironment()
{
    workingFolder() = chooseWorkingFolder();
    return workingFolder().path;
}

FileDescriptor OpenSaveFolder(const QString& folder, QString* reason)
{
    const WorkingFolder& working = workingFolder();
    struct stat info
    {
    };
    if (working.kind == WorkingFolder::Kind::None || folder != working.path) {
        FileDescriptor opened(::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!opened.valid())
            *reason = qt_error_string(errno);
        return opened;
    }
    if (working.kind == WorkingFolder::Kind::Named) {
        FileDescriptor opened = openFolder(folder, &info, reason);
        if (opened.valid() && (!ownedByUser(info) || othersMayWrite(info))) {
            *reason = NotPrivate;
            opened.reset();
        }
        return opened;
    }
    const FileDescriptor parent = openFolder(working.parent, &info, reason);
    if (!parent.valid())
        return {};
    if (!mayHoldPrivateFolder(info)) {
        *reason = OthersMayWrite;
        return {};
    }
    return openPrivateFolder(parent.get(), working.name, reason);
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace talvo
