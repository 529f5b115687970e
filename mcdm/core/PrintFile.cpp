#include "mcdm/core/PrintFile.h"

#include "platform/core/Seams.h"

#include <QSaveFile>

namespace talvo {

bool PrintFile::save() const
{
    QSaveFile file(path_);
    const QByteArray bytes = contents_.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reportFailure(QStringLiteral("The file \"%1\" could not be written.").arg(path_), file.errorString());
        return false;
    }
    return true;
}

} // namespace talvo
