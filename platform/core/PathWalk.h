#pragma once

#include "platform/core/FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace talvo {

// Whether a folder is like /tmp: everyone may create in it (world-writable), but the sticky bit keeps anyone from
// removing or renaming another's entries.
bool IsSharedStickyFolder(const struct stat& folder);

// Resolves paths as the kernel does, one component at a time and each relative to the handle of the one before,
// with one rule of our own that holds whatever the system is set to: only the user's own links and root's are
// followed, wherever they stand on the way. Another user's link, in a team folder, a folder open to all or their
// own, could send a save onto any file the user may write, so it is refused. Whether an entry is a link, and whose,
// is read from a handle on the entry itself, never from an earlier look by name. One walk counts the links it
// follows, so that the kernel's limit holds across a save's folder and every link after it.
class PathWalk
{
public:
    // The folder that `path` names, relative to the folder `from` (AT_FDCWD: the current folder; otherwise the one
    // this walk reached last), as an O_PATH handle; an invalid one with the reason when it cannot be reached.
    FileDescriptor openFolder(int from, const QByteArray& path, QString* reason);

    // The target of the link `name` in the folder reached last (`entry` a handle on the link itself, `info` its
    // status), when it may be followed; false with the reason otherwise.
    bool follow(const QByteArray& name, int entry, const struct stat& info, QByteArray* target, QString* reason);

    // The folder reached last as the path walked, each link replaced by its target: what a message names.
    const QByteArray& where() const { return where_; }
    // The walk has stepped into the folder `name`, opened outside it.
    void entered(const QByteArray& name);
    // Whether the walk stopped at a link it may not follow.
    bool refusedLink() const { return refusedLink_; }

private:
    int links_ = 0;
    QByteArray where_;
    bool refusedLink_ = false;
};

// Opens the entry `name` in `folder` itself, a link as a link, as an O_PATH handle and reads its status; errno set
// when it fails.
FileDescriptor OpenEntry(int folder, const QByteArray& name, struct stat* info);

// Splits a path into its folder part ("." for none) and last name.
std::pair<QByteArray, QByteArray> SplitPath(const QByteArray& path);

} // namespace talvo
