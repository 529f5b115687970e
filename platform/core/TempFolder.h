#pragma once

#include "platform/core/FileDescriptor.h"
#include "platform/core/PathWalk.h"

#include <QString>

#include <sys/stat.h>

namespace talvo {

// The working folder, private to the user who runs the program: the working files have fixed names, so a folder
// that others may write into would let them block, read or redirect those files. Chosen in this order:
// - TEMP, TMP or TMPDIR (through the user's own links and root's only) when it is the user's own, no
//   one else may write into it and a file can be created in it; when it is a shared sticky folder (like /tmp) owned
//   by root or the user, a private folder of the user's inside it; any other folder is passed over;
// - a private folder of the user's inside the system temporary folder;
// - XDG_RUNTIME_DIR, when it is the user's own with mode 0700;
// - a private folder made anew for the run.
// A private folder is named after the numeric user id and made with mode 0700; a name taken by anything but the
// user's own folder that no one else may write into is passed over. Never empty, without a trailing '/'. Remembered
// with the identity of the folder reached, so that every working file written later is checked again
// (OpenSaveFolder).
QString TempFolderFromEnvironment();

// Opens the folder a file is about to be saved into, for the save to work relative to the handle, or returns an
// invalid handle with the reason; `walk` follows the links on the way. The working folder is checked again first: it
// must be the very folder chosen at start-up (a private folder that has gone is made again by the same rule), and
// the user's own that no one else may write into; otherwise nothing is written into it.
FileDescriptor OpenSaveFolder(const QString& folder, PathWalk& walk, QString* reason);

// The system temporary folder; tests replace it so that none of them uses the real one.
extern QString (*SystemTempFolder)();

// Creates a new file (O_CREAT | O_EXCL) in the folder and returns its handle, or -1 with errno. Tests replace it to
// stand for a folder no one may write, which root could write all the same.
extern int (*TempFolderCreateFile)(int folder, const char* name);

// Joins a folder and a file name with '/'.
QString JoinPath(const QString& folder, const QString& name);

} // namespace talvo
