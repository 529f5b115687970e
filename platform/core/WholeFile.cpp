#include "platform/core/WholeFile.h"

#include "platform/core/PathWalk.h"
#include "platform/core/Seams.h"
#include "platform/core/TempFolder.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <tuple>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace talvo {
namespace {

enum class Outcome { Saved, Failed, Unconfirmed };

const QString NotRegular = QStringLiteral("it is not a regular file");

// A file system that cannot sync this kind of file says so; there is nothing more to confirm then.
bool cannotSync(int error)
{
    return error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP;
}

QString systemReason(int error = errno)
{
    return qt_error_string(error);
}

// Where the file is: its folder, held open, and its name in it.
struct Location
{
    FileDescriptor folder;
    QByteArray name;
};

// Finds the file that a save to path replaces. Every link on the way is followed by the walk's rule, and links in the
// last component one hop at a time, so that the link stays and the file it names is replaced. A working file follows
// no link: whatever stands at its name is replaced by the new file itself. `old` holds the user's file found, or
// st_nlink 0 when there is none to carry over.
bool locate(const QString& path, SaveRole role, PathWalk& walk, Location& at, struct stat& old, QString* reason)
{
    QByteArray givenFolder;
    std::tie(givenFolder, at.name) = SplitPath(QFile::encodeName(path));
    at.folder = OpenSaveFolder(QFile::decodeName(givenFolder), walk, reason);
    if (!at.folder.valid())
        return false;
    for (;;) {
        if (at.name.isEmpty()) {
            *reason = systemReason(EISDIR);
            return false;
        }
        const FileDescriptor entry = OpenEntry(at.folder.get(), at.name, &old);
        if (!entry.valid() && errno != ENOENT) {
            *reason = systemReason();
            return false;
        }
        if (!entry.valid() || role == SaveRole::WorkingFile) {
            old = {};
            return true;
        }
        if (!S_ISLNK(old.st_mode))
            break;
        QByteArray target, folderPart;
        if (!walk.follow(at.name, entry.get(), old, &target, reason))
            return false;
        std::tie(folderPart, at.name) = SplitPath(target);
        // An absolute folder starts from the root; a relative one from the link's own folder.
        at.folder = walk.openFolder(at.folder.get(), folderPart, reason);
        if (!at.folder.valid())
            return false;
    }
    if (!S_ISREG(old.st_mode)) {
        *reason = NotRegular;
        return false;
    }
    return true;
}

// The file that will replace the target. It stays unnamed while it is written where the file system allows it, so
// a save cut short by a crash leaves nothing behind; whatever is left of it on failure is removed.
struct Replacement
{
    int folder = -1;
    int fd = -1;
    QByteArray name;

    ~Replacement()
    {
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlinkat(folder, name.constData(), 0);
    }
};

// Beside the target, within the longest name the folder allows: the target's name may already be that long.
QByteArray temporaryName(int folder, const QByteArray& target)
{
    const long longest = ::fpathconf(folder, _PC_NAME_MAX);
    const QByteArray suffix = '.' + QByteArray::number(QRandomGenerator::global()->generate() | 0x80000000u, 36);
    qsizetype kept = std::min<qsizetype>(target.size(), (longest > 0 ? longest : NAME_MAX) - suffix.size());
    while (kept > 0 && kept < target.size() && (static_cast<unsigned char>(target[kept]) & 0xC0) == 0x80)
        --kept; // not inside a UTF-8 character
    return target.left(kept) + suffix;
}

// Tries free temporary names beside the target until `attempt` takes one (or fails for another reason than EEXIST).
template <typename Attempt> bool takeFreeName(Replacement& file, const QByteArray& target, Attempt attempt)
{
    for (int tries = 0; tries < 100; ++tries) {
        QByteArray name = temporaryName(file.folder, target);
        if (attempt(name)) {
            file.name = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

int openUnnamed(int folder)
{
    return ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
}

// Readable by the user alone until the data is written and flushed, whatever the umask.
bool create(Replacement& file, const Location& at)
{
    file.folder = at.folder.get();
    file.fd = TheWholeFileCalls().openUnnamed(file.folder);
    if (file.fd >= 0)
        return true;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return false;
    // A file system without unnamed files: a named one from the start.
    return takeFreeName(file, at.name, [&file](const QByteArray& name) {
        file.fd = ::openat(file.folder, name.constData(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600);
        return file.fd >= 0;
    });
}

bool giveName(Replacement& file, const QByteArray& target)
{
    if (!file.name.isEmpty())
        return true;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.fd);
    return takeFreeName(file, target, [&file, &self](const QByteArray& name) {
        if (::linkat(AT_FDCWD, self.constData(), file.folder, name.constData(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        // Without /proc only a privileged process may name a handle.
        return errno == ENOENT && ::linkat(file.fd, "", file.folder, name.constData(), AT_EMPTY_PATH) == 0;
    });
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step =
            TheWholeFileCalls().write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// The process's umask, read without changing it (umask() would, for a moment, for every thread); the most private
// one when it cannot be read.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 077;
    for (const QByteArray& line : status.readAll().split('\n')) {
        bool ok = false;
        const uint mask = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&ok, 8) : 0;
        if (ok)
            return static_cast<mode_t>(mask & 0777);
    }
    return 077;
}

// Best effort: extended attributes, access lists among them, as far as the system lets this user set them.
void copyAttributes(const Location& at, int fd)
{
    const QByteArray old = "/proc/self/fd/" + QByteArray::number(at.folder.get()) + '/' + at.name;
    const ssize_t size = ::llistxattr(old.constData(), nullptr, 0);
    QByteArray names(std::max<qsizetype>(size, 0), Qt::Uninitialized);
    if (size <= 0 || ::llistxattr(old.constData(), names.data(), static_cast<size_t>(names.size())) != size)
        return;
    for (const QByteArray& name : names.split('\0')) {
        const ssize_t length = name.isEmpty() ? -1 : ::lgetxattr(old.constData(), name.constData(), nullptr, 0);
        if (length < 0)
            continue;
        QByteArray value(length, Qt::Uninitialized);
        const ssize_t got = ::lgetxattr(old.constData(), name.constData(), value.data(), static_cast<size_t>(length));
        if (got >= 0)
            ::fsetxattr(fd, name.constData(), value.constData(), static_cast<size_t>(got), 0);
    }
}

// The old file's owner and group where the system allows (a save under sudo must not take the user's file from
// them; in a shared folder the group keeps its access), then its attributes and mode. The mode comes last: a
// change of owner clears the set-ID bits.
void carryOver(const Location& at, const struct stat& old, int fd)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    copyAttributes(at, fd);
    ::fchmod(fd, old.st_mode & 07777);
}

// Empty when the folder's entries are on the disk, or when its file system cannot sync a folder.
QString syncFolder(int folder)
{
    const FileDescriptor fd(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        return systemReason();
    const int error = TheWholeFileCalls().fsyncFolder(fd.get()) == 0 ? 0 : errno;
    return error == 0 || cannotSync(error) ? QString() : systemReason(error);
}

Outcome replace(const QString& path, const QByteArray& bytes, SaveRole role, PathWalk& walk, FileDescriptor* written,
                QString* reason)
{
    Location at;
    struct stat old
    {
    };
    if (!locate(path, role, walk, at, old, reason))
        return Outcome::Failed;
    const bool exists = old.st_nlink > 0;
    // As before: a file the user may not change is not replaced behind their back.
    if (exists && ::faccessat(at.folder.get(), at.name.constData(), W_OK, 0) != 0) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    Replacement file;
    if (!create(file, at) || !writeAll(file.fd, bytes)) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    if (TheWholeFileCalls().fdatasync(file.fd) != 0 && !cannotSync(errno)) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    // A file system without owners or modes (FAT) keeps its own. A working file is the user's alone, whatever the
    // umask or an earlier one's mode.
    if (exists)
        carryOver(at, old, file.fd);
    else
        ::fchmod(file.fd, role == SaveRole::WorkingFile ? 0600 : 0666 & ~currentUmask());
    if (!giveName(file, at.name)) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    if (written && (!(*written = FileDescriptor(::fcntl(file.fd, F_DUPFD_CLOEXEC, 0))).valid() ||
                    ::lseek(written->get(), 0, SEEK_SET) != 0)) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    // The data is on the disk already: a failing close loses nothing.
    TheWholeFileCalls().close(std::exchange(file.fd, -1));
    if (::renameat(file.folder, file.name.constData(), file.folder, at.name.constData()) != 0) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    file.name.clear();
    *reason = syncFolder(file.folder);
    return reason->isEmpty() ? Outcome::Saved : Outcome::Unconfirmed;
}

} // namespace

WholeFileCalls& TheWholeFileCalls()
{
    static WholeFileCalls calls{::fdatasync, ::close, ::fsync, openUnnamed, ::write};
    return calls;
}

bool SaveWholeFile(const QString& path, const QByteArray& bytes, const QString& what, SaveRole role,
                   FileDescriptor* written)
{
    QString reason;
    PathWalk walk;
    switch (replace(path, bytes, role, walk, written, &reason)) {
    case Outcome::Saved:
        return true;
    case Outcome::Unconfirmed:
        MsgBox(QStringLiteral("The %1 \"%2\" was written, but the system could not confirm that it is safely on the "
                              "disk: %3.")
                   .arg(what, path, reason),
               MessageButtons::OK, MessageIcon::Exclamation, FailureTitle);
        return true;
    case Outcome::Failed:
        break;
    }
    if (walk.refusedLink() && role == SaveRole::UserFile) {
        const QString command = what == TextReportKind ? QStringLiteral("File Export") : QStringLiteral("File Save As");
        reason += QStringLiteral(". Use %1 to save it under another name.").arg(command);
    }
    reportFailure(QStringLiteral("The %1 \"%2\" could not be written.").arg(what, path), reason);
    return false;
}

} // namespace talvo
