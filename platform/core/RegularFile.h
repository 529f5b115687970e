#pragma once

// Opening a file for reading only when it is a regular file. A FIFO, a device or a folder where the program
// expects a file would block it for good or hand it nonsense, so the handle is opened without blocking and
// checked with fstat (not the name, which may change in between). Header-only: the control libraries use it too.

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talvo {

// Opens file (its name set) read-only when it names a regular file once links are followed. False, with the
// system's reason (or "it is not a regular file") in *reason, otherwise; the file is then closed. QFile forgets
// the name when it takes the handle, so ask QFileInfo about the path itself.
inline bool OpenRegularFile(QFile& file, QString* reason = nullptr)
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
    // Reads of a regular file never block; the flag is cleared so that nothing downstream sees EAGAIN.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
}

// Whether path names a regular file, checked the same way; for files that another library opens by name.
inline bool IsRegularFile(const QString& path, QString* reason = nullptr)
{
    QFile file(path);
    return OpenRegularFile(file, reason);
}

} // namespace talvo
