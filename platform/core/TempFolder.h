#pragma once

#include <QString>

namespace talvo {

// The working folder: TEMP, else TMP or TMPDIR, else the system temporary folder; never empty, without a
// trailing '/' (unless it is the root). A variable that names no folder in which a file can be created is passed
// over as if unset.
QString TempFolderFromEnvironment();

// Creates a new file (O_CREAT | O_EXCL) and returns its handle, or -1 with errno. Tests replace it to stand for a
// folder no one may write, which root could write all the same.
extern int (*TempFolderCreateFile)(const char* path);

// Joins a folder and a file name with '/'.
QString JoinPath(const QString& folder, const QString& name);

} // namespace talvo
