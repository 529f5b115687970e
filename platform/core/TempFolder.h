#pragma once

#include <QString>

namespace talvo {

// The working folder: TEMP, else TMP or TMPDIR, else the system temporary folder; never empty, without a
// trailing '/' (unless it is the root).
QString TempFolderFromEnvironment();

// Joins a folder and a file name with '/'.
QString JoinPath(const QString& folder, const QString& name);

} // namespace talvo
