#pragma once

#include "platform/core/FileDescriptor.h"

#include <QString>

#include <sys/stat.h>

namespace talvo {

// The working folder, private to the user who runs the program: the working files have fixed names, so a folder
// that others may write into would let them block, read or redirect those files. Chosen in this order:
// - TEMP, TMP or TMPDIR (links followed) when it is the user's own, no one else may write into it and a file can be
//   created in it; when it is a shared sticky folder (like /tmp) owned by root or the user, a private folder of the
//   user's inside it; any other folder is passed over;
// - a private folder of the user's inside the system temporary folder;
// - XDG_RUNTIME_DIR, when it is the user's own with mode 0700;
// - a private folder made anew for the run.
// A private folder is named after the numeric user id and made with mode 0700; a name taken by anything but the
// user's own folder is passed over. Never empty, without a trailing '/'. Remembered, so that every working file
// written later is checked again (OpenSaveFolder).
QString TempFolderFromEnvironment();

// Opens the folder a file is about to be saved into, for the save to work relative to the handle, or returns an
// invalid handle with the reason. Links in the folder's path are the kernel's to follow. The working folder is
// checked again first: a private folder that has gone is made again by the same rule, and one that is no longer
// the user's own private folder (replaced by a link or by another user's folder) has nothing written into it.
FileDescriptor OpenSaveFolder(const QString& folder, QString* reason);

// Whether a folder is like /tmp: everyone may create in it (world-writable), but the sticky bit keeps anyone from
// removing or renaming another's entries.
bool IsSharedStickyFolder(const struct stat& folder);

// The system temporary folder; tests replace it so that none of them uses the real one.
extern QString (*SystemTempFolder)();

// Creates a new file (O_CREAT | O_EXCL) in the folder and returns its handle, or -1 with errno. Tests replace it to
// stand for a folder no one may write, which root could write all the same.
extern int (*TempFolderCreateFile)(int folder, const char* name);

// Joins a folder and a file name with '/'.
QString JoinPath(const QString& folder, const QString& name);

} // namespace talvo
