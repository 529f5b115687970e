#pragma once

#include <QByteArray>
#include <QString>

namespace talvo {

// Every file the program writes itself goes through SaveWholeFile: the bytes go into a temporary file beside
// the target, are flushed and checked, and only then replace the target. A failure (a full disk, a folder that
// cannot be written) is reported to the user with the system's reason and returns false; the file that was there
// stays byte for byte. `what` names the kind of file in the message ("evaluation file", "text report").
bool SaveWholeFile(const QString& path, const QByteArray& bytes, const QString& what = QStringLiteral("file"));

} // namespace talvo
