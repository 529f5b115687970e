#pragma once

// Opening a file for reading only when it is a regular file. A FIFO, a device or a folder where the program
// expects a file would block it for good or hand it nonsense, so the handle is opened without blocking and
// checked with fstat (not the name, which may change in between). Header-only: the control libraries use it too.

#include <QFile>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvo {

// The most that a file the program reads whole may hold unless its reader says otherwise: far more than any settings
// file, component registry or help file of the program's, and far less than would exhaust memory.
inline constexpr qint64 SmallFileBound = qint64(1) << 20;

// Why a file larger than `bound` bytes (a whole number of MiB) is not read.
inline QString TooLargeReason(qint64 bound, const QString& what)
{
    return QStringLiteral("it is larger than %1 MiB, far larger than any %2").arg(bound >> 20).arg(what);
}

// Opens file (its name set) read-only when it names a regular file once links are followed and, with a `bound`,
// holds no more than that many bytes (the size taken from the handle, of `what` a file). False, with the system's
// reason (or "it is not a regular file") in *reason, otherwise; the file is then closed. QFile forgets the name
// when it takes the handle, so ask QFileInfo about the path itself.
inline bool OpenRegularFile(QFile& file, QString* reason = nullptr, qint64 bound = -1,
                            const QString& what = QStringLiteral("file of its kind"))
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    const QByteArray name = QFile::encodeName(file.fileName());
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(QString::fromLocal8Bit(std::strerror(error)));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(QStringLiteral("it is not a regular file"));
    }
    if (bound >= 0 && info.st_size > bound) {
        ::close(fd);
        return fail(TooLargeReason(bound, what));
    }
    // Reads of a regular file never block; the flag is cleared so that nothing downstream sees EAGAIN.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
}

// Whether path names a regular file of at most `bound` bytes, checked the same way; for files that another library
// opens and reads whole by name.
inline bool IsRegularFile(const QString& path, QString* reason = nullptr, qint64 bound = SmallFileBound,
                          const QString& what = QStringLiteral("file of its kind"))
{
    QFile file(path);
    return OpenRegularFile(file, reason, bound, what);
}

// The whole of an open file of at most `bound` bytes. At most one byte more is read, so that a file that grew since
// it was opened is refused too, unread.
inline std::optional<QByteArray> ReadAtMost(QFile& file, qint64 bound, const QString& what, QString* reason)
{
    QByteArray bytes;
    char chunk[1 << 16];
    while (bytes.size() <= bound) {
        const qint64 got = file.read(chunk, std::min<qint64>(sizeof chunk, bound + 1 - bytes.size()));
        if (got < 0) {
            *reason = file.errorString();
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<qsizetype>(got));
    }
    if (bytes.size() > bound) {
        *reason = TooLargeReason(bound, what);
        return std::nullopt;
    }
    return bytes;
}

} // namespace talvo
