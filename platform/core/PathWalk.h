#pragma once

#include "platform/core/FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace talvo {

// The reason given when a path would pass through another user's link in a shared folder.
inline const QString PlantedLinkReason = QStringLiteral("it is a link that another user placed in a shared folder");

// Whether a folder is like /tmp: everyone may create in it (world-writable), but the sticky bit keeps anyone from
// removing or renaming another's entries.
bool IsSharedStickyFolder(const struct stat& folder);

// Resolves paths as the kernel does, one component at a time and each relative to the handle of the one before,
// with one rule of our own that holds whatever the system is set to: a link in a shared sticky folder that belongs
// neither to the user nor to that folder's owner is never followed, wherever it stands on the way (another user's
// link there could send a save onto any file the user may write). Whether an entry is a link, and whose, is read
// from a handle on the entry itself, never from an earlier look by name. One walk counts the links it follows,
// so that the kernel's limit holds across a save's folder and every link after it.
class PathWalk
{
public:
    // The folder that `path` names, relative to the folder `from` (AT_FDCWD: the current folder), as an O_PATH
    // handle; an invalid one with the reason when it cannot be reached.
    FileDescriptor openFolder(int from, const QByteArray& path, QString* reason);

    // The target of the link `entry` (a handle on the link itself, `info` its status) that stands in `folder`, when
    // it may be followed; false with the reason otherwise.
    bool follow(int folder, int entry, const struct stat& info, QByteArray* target, QString* reason);

private:
    int links_ = 0;
};

// Opens the entry `name` in `folder` itself, a link as a link, as an O_PATH handle and reads its status; errno set
// when it fails.
FileDescriptor OpenEntry(int folder, const QByteArray& name, struct stat* info);

// Splits a path into its folder part ("." for none) and last name.
std::pair<QByteArray, QByteArray> SplitPath(const QByteArray& path);

} // namespace talvo
