#include "platform/core/PathWalk.h"

#include <QFile>
#include <QList>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <pwd.h>
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

QByteArray joined(const QByteArray& folder, const QByteArray& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The account's name where the system knows it (an NFS file may show as "nobody"), else its number.
QString accountName(uid_t uid)
{
    struct passwd entry
    {
    };
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_name)
        return QStringLiteral("%1 (user %2)").arg(QString::fromLocal8Bit(found->pw_name)).arg(uid);
    return QStringLiteral("user %1").arg(uid);
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

void PathWalk::entered(const QByteArray& name)
{
    where_ = joined(where_, name);
}

bool PathWalk::follow(const QByteArray& name, int entry, const struct stat& info, QByteArray* target, QString* reason)
{
    if (links_ == MaxLinks)
        return fail(reason, ELOOP);
    if (info.st_uid != ::geteuid() && info.st_uid != 0) {
        refusedLink_ = true;
        *reason = QStringLiteral("\"%1\" is a link that belongs to another user, %2, and only your own links and "
                                 "root's are followed")
                      .arg(QFile::decodeName(joined(where_, name)), accountName(info.st_uid));
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
    if (path.startsWith('/'))
        where_ = "/";
    else if (from == AT_FDCWD)
        where_.clear();
    FileDescriptor current = openStart(from, path);
    if (!current.valid())
        return none(reason);
    QList<QByteArray> left = componentsOf(path);
    while (!left.isEmpty()) {
        const QByteArray name = left.takeFirst();
        // As a folder first, which mounts what is mounted on demand there (a share, an NFS submount): a last
        // component opened O_PATH without O_DIRECTORY stays at the trigger. O_NOFOLLOW makes a link ENOTDIR. ".."
        // is never a link: the folder above the one reached, as the kernel takes it.
        FileDescriptor entry(::openat(current.get(), name.constData(), O_PATH | O_NOFOLLOW | O_DIRECTORY | O_CLOEXEC));
        struct stat info
        {
        };
        const bool isFolder = entry.valid();
        if (!isFolder && (errno != ENOTDIR || !(entry = OpenEntry(current.get(), name, &info)).valid()))
            return none(reason);
        // Also a folder put at the name between the two opens, taken as it is.
        if (isFolder || S_ISDIR(info.st_mode)) {
            current = std::move(entry);
            entered(name);
            continue;
        }
        if (!S_ISLNK(info.st_mode))
            return none(reason, ENOTDIR);
        QByteArray target;
        if (!follow(name, entry.get(), info, &target, reason))
            return {};
        // The link's target is walked in its place; an absolute one starts again from the root.
        if (target.startsWith('/')) {
            where_ = "/";
            if (!(current = openStart(from, target)).valid())
                return none(reason);
        }
        left = componentsOf(target) + left;
    }
    return current;
}

} // namespace talvo
