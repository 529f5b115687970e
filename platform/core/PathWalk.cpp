#include "platform/core/PathWalk.h"

#include <QList>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <unistd.h>

namespace talvo {
namespace {

// As the kernel counts.
constexpr int MaxLinks = 40;

bool fail(QString* reason, int error = errno)
{
    *reason = qt_error_string(error);
    return false;
}

FileDescriptor none(QString* reason, int error = errno)
{
    fail(reason, error);
    return {};
}

// The components still to walk, the next one first.
QList<QByteArray> componentsOf(const QByteArray& path)
{
    QList<QByteArray> components;
    for (const QByteArray& part : path.split('/')) {
        if (!part.isEmpty() && part != ".")
            components << part;
    }
    return components;
}

FileDescriptor openStart(int from, const QByteArray& path)
{
    if (path.startsWith('/'))
        return FileDescriptor(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    return FileDescriptor(::openat(from, ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
}

} // namespace

bool IsSharedStickyFolder(const struct stat& folder)
{
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

FileDescriptor OpenEntry(int folder, const QByteArray& name, struct stat* info)
{
    FileDescriptor entry(::openat(folder, name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    if (entry.valid() && ::fstat(entry.get(), info) != 0)
        entry.reset();
    return entry;
}

std::pair<QByteArray, QByteArray> SplitPath(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {".", path};
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

bool PathWalk::follow(int folder, int entry, const struct stat& info, QByteArray* target, QString* reason)
{
    struct stat holder
    {
    };
    if (links_ == MaxLinks || ::fstat(folder, &holder) != 0)
        return fail(reason, links_ == MaxLinks ? ELOOP : errno);
    if (IsSharedStickyFolder(holder) && info.st_uid != ::geteuid() && info.st_uid != holder.st_uid) {
        *reason = PlantedLinkReason;
        return false;
    }
    char text[PATH_MAX];
    const ssize_t length = ::readlinkat(entry, "", text, sizeof text);
    if (length < 0 || length == static_cast<ssize_t>(sizeof text))
        return fail(reason, length < 0 ? errno : ENAMETOOLONG);
    ++links_;
    *target = QByteArray(text, length);
    return true;
}

FileDescriptor PathWalk::openFolder(int from, const QByteArray& path, QString* reason)
{
    FileDescriptor current = openStart(from, path);
    if (!current.valid())
        return none(reason);
    QList<QByteArray> left = componentsOf(path);
    while (!left.isEmpty()) {
        const QByteArray name = left.takeFirst();
        struct stat info
        {
        };
        // ".." is never a link: the folder above the one reached, as the kernel takes it.
        FileDescriptor entry = OpenEntry(current.get(), name, &info);
        if (!entry.valid())
            return none(reason);
        if (S_ISDIR(info.st_mode)) {
            current = std::move(entry);
            continue;
        }
        if (!S_ISLNK(info.st_mode))
            return none(reason, ENOTDIR);
        QByteArray target;
        if (!follow(current.get(), entry.get(), info, &target, reason))
            return {};
        // The link's target is walked in its place; an absolute one starts again from the root.
        if (target.startsWith('/') && !(current = openStart(from, target)).valid())
            return none(reason);
        left = componentsOf(target) + left;
    }
    return current;
}

} // namespace talvo
