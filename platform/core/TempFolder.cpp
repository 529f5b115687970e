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
const QString Replaced =
    QStringLiteral("the working folder has been replaced by another folder since the program started");

// A folder as the system knows it, whatever path leads to it.
struct Identity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const Identity&) const = default;
};

Identity identityOf(const struct stat& info)
{
    return {info.st_dev, info.st_ino};
}

// How the working folder was chosen decides how it is checked again before each write. The folders reached are kept
// by identity: a path through a folder of someone else's could lead elsewhere at the next write.
struct WorkingFolder
{
    enum class Kind { None, Named, Private };
    Kind kind = Kind::None;
    QString path;
    QString parent;  // Private: the folder it stands in, as named
    QByteArray name; // Private: its name there
    std::optional<Identity> folder;
    std::optional<Identity> holder; // Private: the folder it stands in
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

// The folder path leads to, through the links the walk may follow, as an O_PATH handle with its status.
FileDescriptor openFolder(PathWalk& walk, const QString& path, struct stat* info, QString* reason)
{
    FileDescriptor folder = walk.openFolder(AT_FDCWD, QFile::encodeName(path), reason);
    if (folder.valid() && ::fstat(folder.get(), info) != 0) {
        *reason = qt_error_string(errno);
        folder.reset();
    }
    return folder;
}

FileDescriptor openFolder(const QString& path, struct stat* info)
{
    PathWalk walk;
    QString reason;
    return openFolder(walk, path, info, &reason);
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

// The user's private folder `name` in `parent`, made when missing (`made` says so). Only the opened folder itself is
// trusted, never the name: a link, a file or another user's folder there is not used, nor one that others could
// write into while it was open to them, since what they left in it stays. Looser read or search bits are tightened.
FileDescriptor openPrivateFolder(int parent, const QByteArray& name, QString* reason, struct stat* info,
                                 bool* made = nullptr)
{
    const bool madeNow = ::mkdirat(parent, name.constData(), 0700) == 0;
    if (!madeNow && errno != EEXIST) {
        *reason = qt_error_string(errno);
        return {};
    }
    if (made)
        *made = madeNow;
    FileDescriptor folder(::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid() || ::fstat(folder.get(), info) != 0 || !S_ISDIR(info->st_mode) || !ownedByUser(*info) ||
        othersMayWrite(*info)) {
        *reason = NotPrivate;
        return {};
    }
    if ((info->st_mode & 07777) != 0700 && ::fchmod(folder.get(), 0700) != 0) {
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

WorkingFolder privateFolder(const QString& parent, const QByteArray& name, const struct stat* holder = nullptr,
                            const struct stat* folder = nullptr)
{
    WorkingFolder chosen{WorkingFolder::Kind::Private, JoinPath(parent, QFile::decodeName(name)), parent, name, {}, {}};
    if (holder && folder)
        chosen.holder = identityOf(*holder), chosen.folder = identityOf(*folder);
    return chosen;
}

std::optional<WorkingFolder> fixedPrivateFolderIn(const QString& parent, int fd, const struct stat& holder)
{
    QString reason;
    struct stat info
    {
    };
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (openPrivateFolder(fd, fixedName(attempt), &reason, &info).valid())
            return privateFolder(parent, fixedName(attempt), &holder, &info);
    }
    return std::nullopt;
}

// As mkdtemp makes one: a new name that no one can have taken.
std::optional<WorkingFolder> folderForTheRunIn(const QString& parent, int fd, const struct stat& holder)
{
    for (int tries = 0; tries < 100; ++tries) {
        const QByteArray name =
            fixedName(0) + '-' + QByteArray::number(QRandomGenerator::global()->generate() | 0x80000000u, 36);
        if (::mkdirat(fd, name.constData(), 0700) == 0) {
            QString reason;
            struct stat info
            {
            };
            if (openPrivateFolder(fd, name, &reason, &info).valid())
                return privateFolder(parent, name, &holder, &info);
            return std::nullopt;
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

WorkingFolder namedFolder(const QString& path, const struct stat& info)
{
    return {WorkingFolder::Kind::Named, path, {}, {}, identityOf(info), {}};
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
                return namedFolder(value, info);
        } else if (sharedSticky(info)) {
            if (const auto found = fixedPrivateFolderIn(value, folder.get(), info))
                return *found;
            shared << value;
        }
    }
    const QString system = withoutTrailingSlash(SystemTempFolder());
    struct stat info
    {
    };
    if (const FileDescriptor folder = openFolder(system, &info); folder.valid() && mayHoldPrivateFolder(info)) {
        if (const auto found = fixedPrivateFolderIn(system, folder.get(), info))
            return *found;
        shared << system;
    }
    const QString runtime = withoutTrailingSlash(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (const FileDescriptor folder = runtime.isEmpty() ? FileDescriptor() : openFolder(runtime, &info);
        folder.valid() && ownedByUser(info) && (info.st_mode & 07777) == 0700 && canCreateFileIn(folder.get()))
        return namedFolder(runtime, info);
    for (const QString& parent : shared) {
        if (const FileDescriptor folder = openFolder(parent, &info); folder.valid() && mayHoldPrivateFolder(info)) {
            if (const auto made = folderForTheRunIn(parent, folder.get(), info))
                return *made;
        }
    }
    // Nothing could be had: the fixed name stands, and each write tries it again and reports why it fails; the
    // first folders it reaches are kept from then on.
    return privateFolder(system, fixedName(0));
}

// Checks a folder reached now against the one kept, or keeps it when none is yet.
bool sameFolder(std::optional<Identity>& kept, const struct stat& reached, QString* reason)
{
    if (!kept)
        kept = identityOf(reached);
    if (*kept == identityOf(reached))
        return true;
    *reason = Replaced;
    return false;
}

} // namespace

QString (*SystemTempFolder)() = systemTemp;
int (*TempFolderCreateFile)(int folder, const char* name) = createExclusive;

QString TempFolderFromEnvironment()
{
    workingFolder() = chooseWorkingFolder();
    return workingFolder().path;
}

FileDescriptor OpenSaveFolder(const QString& folder, PathWalk& walk, QString* reason)
{
    WorkingFolder& working = workingFolder();
    if (working.kind == WorkingFolder::Kind::None || folder != working.path)
        return walk.openFolder(AT_FDCWD, QFile::encodeName(folder), reason);
    struct stat info
    {
    };
    if (working.kind == WorkingFolder::Kind::Named) {
        FileDescriptor opened = openFolder(walk, folder, &info, reason);
        if (!opened.valid() || !sameFolder(working.folder, info, reason))
            return {};
        if (!ownedByUser(info) || othersMayWrite(info)) {
            *reason = NotPrivate;
            return {};
        }
        return opened;
    }
    const FileDescriptor parent = openFolder(walk, working.parent, &info, reason);
    if (!parent.valid() || !sameFolder(working.holder, info, reason))
        return {};
    if (!mayHoldPrivateFolder(info)) {
        *reason = OthersMayWrite;
        return {};
    }
    bool made = false;
    FileDescriptor opened = openPrivateFolder(parent.get(), working.name, reason, &info, &made);
    if (made)
        working.folder.reset(); // one that had gone, as a cleaner of the system folder leaves it
    if (!opened.valid() || !sameFolder(working.folder, info, reason))
        return {};
    walk.entered(working.name);
    return opened;
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace talvo
