#include "platform/core/WholeFile.h"

#include "platform/core/Seams.h"

#include <QSaveFile>

namespace talvo {
namespace {

// False, with the device's reason, when any of the bytes did not reach the system.
bool writeAndFlush(QFileDevice& device, const QByteArray& bytes, QString* reason)
{
    // A short write is tried again, so that a failure comes back with the system's reason; a buffered device is
    // flushed and its error checked.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = device.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0)
            break;
        written += step;
    }
    if (written == bytes.size() && device.flush() && device.error() == QFileDevice::NoError)
        return true;
    *reason = device.errorString();
    return false;
}

} // namespace

bool SaveWholeFile(const QString& path, const QByteArray& bytes, const QString& what)
{
    // Unbuffered, so that every write reaches the system here: QSaveFile::commit() of Qt 6.4 reports success when
    // its buffer could not be flushed, and a small file on a full disk would replace the old one with nothing.
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        reason = file.errorString();
    else if (!writeAndFlush(file, bytes, &reason))
        file.cancelWriting();
    else if (!file.commit())
        reason = file.errorString();
    else
        return true;
    reportFailure(QStringLiteral("The %1 \"%2\" could not be written.").arg(what, path), reason);
    return false;
}

} // namespace talvo
