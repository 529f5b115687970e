#pragma once

#include "platform/core/FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace talvo {

// Whose file a save writes. The user's files follow links to the file they name. The program's working files
// (the selection's working file, the ranking's result and trace files), whose fixed names others might know, follow
// no link: whatever stands at the name is replaced, and the new file is the user's alone (mode 0600).
enum class SaveRole { UserFile, WorkingFile };

// The kinds of file the user saves, as messages name them; the message of a save refused for another user's link names
// the command to use instead.
inline const QString EvaluationFileKind = QStringLiteral("evaluation file");
inline const QString TextReportKind = QStringLiteral("text report");

// Every file the program writes itself goes through SaveWholeFile: the bytes go into a temporary file beside
// the target, readable by the user alone, reach the disk (checked), take the old file's owner, group, attributes
// and mode, and only then replace the target, whose folder is synced last. Links are followed by PathWalk's rule (the
// user's own and root's, wherever they stand); a target that is not a regular file is refused. A failure (a full disk,
// a folder that cannot be written) is reported to the user with the system's reason and returns false; the file that
// was there stays byte for byte. When only the folder could not be synced, the new file is in place: the user is told
// and the save counts as done. `what` names the kind of file in the message
// ("evaluation file", "text report"). `written`, when given, receives a handle on the very file written, at its
// start, to read it back without looking its name up again.
bool SaveWholeFile(const QString& path, const QByteArray& bytes, const QString& what = QStringLiteral("file"),
                   SaveRole role = SaveRole::UserFile, FileDescriptor* written = nullptr);

// The calls at which the disk can still refuse a save whose writes went through; tests replace them to make one
// fail (each sets errno and returns -1), to take unnamed temporary files away, or to watch the writes.
struct WholeFileCalls
{
    int (*fdatasync)(int fd); // the temporary file's data
    int (*close)(int fd);     // the temporary file
    int (*fsyncFolder)(int fd);
    int (*openUnnamed)(int folder); // an unnamed temporary file in the folder, mode 0600
    ssize_t (*write)(int fd, const void* data, size_t size);
};
WholeFileCalls& TheWholeFileCalls();

} // namespace talvo
