#include "platform/core/WholeFile.h"

#include "platform/core/Seams.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvo {
namespace {

enum class Outcome { Saved, Failed, Unconfirmed };

// A file system that cannot sync this kind of file says so; there is nothing more to confirm then.
bool cannotSync(int error)
{
    return error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP;
}

QString systemReason(int error = errno)
{
    return qt_error_string(error);
}

// The file that will replace the target. It stays unnamed while it is written where the file system allows it, so
// a save cut short by a crash leaves nothing behind; whatever is left of it on failure is removed.
struct Replacement
{
    int fd = -1;
    QByteArray name;

    ~Replacement()
    {
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlink(name.constData());
    }
};

QByteArray temporaryName(const QByteArray& target)
{
    return target + '.' + QByteArray::number(QRandomGenerator::global()->generate() | 0x80000000u, 36);
}

// Tries free temporary names beside the target until `attempt` takes one (or fails for another reason than EEXIST).
template <typename Attempt> bool takeFreeName(const QByteArray& target, Replacement& file, Attempt attempt)
{
    for (int tries = 0; tries < 100; ++tries) {
        QByteArray name = temporaryName(target);
        if (attempt(name)) {
            file.name = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// A new file's mode is 0666 less the umask, as for any file the program creates.
bool create(Replacement& file, const QByteArray& folder, const QByteArray& target)
{
    file.fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (file.fd >= 0)
        return true;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return false;
    // A file system without unnamed files: a named one from the start.
    return takeFreeName(target, file, [&file](const QByteArray& name) {
        file.fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        return file.fd >= 0;
    });
}

bool giveName(Replacement& file, const QByteArray& target)
{
    if (!file.name.isEmpty())
        return true;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.fd);
    return takeFreeName(target, file, [&self](const QByteArray& name) {
        return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
    });
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// Empty when the folder's entries are on the disk, or when its file system cannot sync a folder.
QString syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return systemReason();
    const int error = TheWholeFileCalls().fsyncFolder(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == 0 || cannotSync(error) ? QString() : systemReason(error);
}

Outcome replace(const QString& path, const QByteArray& bytes, QString* reason)
{
    // A link is followed, so the file it names is replaced and the link stays.
    const QFileInfo info(path);
    QString resolved = info.isSymLink() ? info.canonicalFilePath() : path;
    if (resolved.isEmpty())
        resolved = info.symLinkTarget();
    const QByteArray target = QFile::encodeName(resolved);
    const QByteArray folder = QFile::encodeName(QFileInfo(resolved).absolutePath());

    struct stat old
    {
    };
    const bool exists = ::stat(target.constData(), &old) == 0;
    // As before: a file the user may not change is not replaced behind their back.
    if (exists && ::access(target.constData(), W_OK) != 0) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    Replacement file;
    if (!create(file, folder, target) || !writeAll(file.fd, bytes)) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    // The old file's permissions carry over; a file system without them (FAT) keeps its own.
    if (exists)
        ::fchmod(file.fd, old.st_mode & 07777);
    if (TheWholeFileCalls().fdatasync(file.fd) != 0 && !cannotSync(errno)) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    if (!giveName(file, target)) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    // The data is on the disk already: a failing close loses nothing.
    TheWholeFileCalls().close(std::exchange(file.fd, -1));
    if (::rename(file.name.constData(), target.constData()) != 0) {
        *reason = systemReason();
        return Outcome::Failed;
    }
    file.name.clear();
    *reason = syncFolder(folder);
    return reason->isEmpty() ? Outcome::Saved : Outcome::Unconfirmed;
}

} // namespace

WholeFileCalls& TheWholeFileCalls()
{
    static WholeFileCalls calls{::fdatasync, ::close, ::fsync};
    return calls;
}

bool SaveWholeFile(const QString& path, const QByteArray& bytes, const QString& what)
{
    QString reason;
    switch (replace(path, bytes, &reason)) {
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
    reportFailure(QStringLiteral("The %1 \"%2\" could not be written.").arg(what, path), reason);
    return false;
}

} // namespace talvo
