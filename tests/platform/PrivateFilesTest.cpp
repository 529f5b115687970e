// The working folder and saves on a machine that several people use. CI runs as root: another user is stood in
// for by chown to an unused uid.
#include "platform/core/TempFolder.h"
#include "platform/core/WholeFile.h"
#include "tests/support/RecordingSeams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace talvo;

namespace {

constexpr uid_t Other = 4242;
#define REQUIRE_ROOT()                                                                                                 \
    if (::geteuid() != 0)                                                                                              \
    GTEST_SKIP() << "another user is stood in for by chown, which needs root"

QString systemFolder;

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}
QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}
struct stat linkInfo(const QString& path)
{
    struct stat info
    {
    };
    ::lstat(encoded(path).constData(), &info);
    return info;
}
void link(const QString& target, const QString& at, uid_t owner = ::geteuid())
{
    ASSERT_EQ(::symlink(encoded(target).constData(), encoded(at).constData()), 0);
    ASSERT_EQ(::lchown(encoded(at).constData(), owner, owner), 0);
}

class PrivateFiles : public ::testing::Test
{
protected:
    PrivateFiles() : previousSystem_(std::exchange(SystemTempFolder, [] { return systemFolder; }))
    {
        for (const char* name : {"TEMP", "TMP", "TMPDIR", "XDG_RUNTIME_DIR"}) {
            const char* old = std::getenv(name);
            saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
            unsetenv(name);
        }
        systemFolder = folder("system", 01777);
    }
    ~PrivateFiles() override
    {
        TempFolderFromEnvironment(); // forgets the folders of this test, inside its own system folder
        SystemTempFolder = previousSystem_;
        for (const auto& [name, value] : saved_)
            value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }

    QString folder(const QString& name, mode_t mode, uid_t owner = ::geteuid())
    {
        const QString path = root_.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path) && ::chmod(encoded(path).constData(), mode) == 0 &&
                    ::chown(encoded(path).constData(), owner, owner) == 0);
        return path;
    }
    static void expectPrivate(const QString& path)
    {
        const struct stat info = linkInfo(path);
        EXPECT_TRUE(S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0)
            << path.toStdString();
    }
    static QString use(const char* variable, const QString& value)
    {
        setenv(variable, encoded(value).constData(), 1);
        return TempFolderFromEnvironment();
    }

    const QString fixed = QStringLiteral("NewTalvo-%1").arg(::geteuid());
    QTemporaryDir root_;
    test::RecordingMessageSeam messages_; // no fallback shows a box
    QString (*previousSystem_)();
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(PrivateFiles, TheWorkingFolderIsTheUsersOwnAndNamedByTheirUid)
{
    REQUIRE_ROOT();
    const QString own = TempFolderFromEnvironment();
    EXPECT_EQ(own, JoinPath(systemFolder, fixed));
    expectPrivate(own);
    ASSERT_TRUE(SaveWholeFile(JoinPath(own, QStringLiteral("tmp.txt")), "kept"));
    ASSERT_EQ(::chmod(encoded(own).constData(), 0755), 0);
    EXPECT_EQ(TempFolderFromEnvironment(), own); // a second run, with its folder loosened meanwhile
    expectPrivate(own);
    EXPECT_EQ(contents(JoinPath(own, QStringLiteral("tmp.txt"))), "kept");

    // TEMP of the user's own is used as it is; a file, a missing folder or one where no file can be created is not.
    const QString mine = folder(QStringLiteral("mine"), 0755), file = JoinPath(mine, QStringLiteral("file"));
    ASSERT_TRUE(SaveWholeFile(file, "x"));
    setenv("TEMP", encoded(file).constData(), 1);
    setenv("TMP", encoded(JoinPath(mine, QStringLiteral("missing"))).constData(), 1);
    EXPECT_EQ(use("TMPDIR", mine + QLatin1Char('/')), mine);
    EXPECT_EQ(QDir(mine).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1); // trial gone
    const auto creates = std::exchange(TempFolderCreateFile, [](int, const char*) { return errno = EROFS, -1; });
    EXPECT_EQ(TempFolderFromEnvironment(), own);
    TempFolderCreateFile = creates;
    for (const char* name : {"TEMP", "TMP", "TMPDIR"})
        unsetenv(name);

    // In a shared sticky folder the user's own folder; a name taken by another user's folder or by a link is passed.
    const QString shared = folder(QStringLiteral("shared"), 01777), taken = folder(QStringLiteral("taken"), 01777);
    const QString linked = folder(QStringLiteral("linked"), 01777), victim = folder(QStringLiteral("victim"), 0700);
    folder(QStringLiteral("taken/") + fixed, 0700, Other);
    link(victim, JoinPath(linked, fixed), Other);
    EXPECT_EQ(use("TMPDIR", shared), JoinPath(shared, fixed));
    EXPECT_EQ(use("TMPDIR", taken), JoinPath(taken, fixed + QStringLiteral("-2")));
    EXPECT_EQ(use("TMPDIR", linked), JoinPath(linked, fixed + QStringLiteral("-2")));
    EXPECT_TRUE(QDir(victim).isEmpty());

    // Folders others may write into, without the sticky bit or not the user's, are passed over and left empty.
    const std::tuple<const char*, mode_t, uid_t> passedOver[] = {
        {"open", 0777, ::geteuid()}, {"group", 0775, ::geteuid()}, {"others", 0755, Other}};
    for (const auto& [name, mode, owner] : passedOver) {
        const QString passed = folder(QLatin1String(name), mode, owner);
        EXPECT_EQ(use("TMPDIR", passed), own) << name;
        EXPECT_TRUE(QDir(passed).isEmpty()) << name;
    }
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(PrivateFiles, TheRuntimeFolderAndAFolderForTheRunComeLast)
{
    REQUIRE_ROOT();
    ASSERT_EQ(::chmod(encoded(systemFolder).constData(), 0777), 0); // open to all, not sticky: nothing made there
    const QString runtime = folder(QStringLiteral("runtime"), 0700);
    EXPECT_EQ(use("XDG_RUNTIME_DIR", runtime), runtime);
    const std::pair<mode_t, uid_t> skipped[] = {{0755, ::geteuid()}, {0700, Other}};
    for (const auto& [mode, owner] : skipped) {
        ::chmod(encoded(runtime).constData(), mode);
        ::chown(encoded(runtime).constData(), owner, owner);
        const QString none = TempFolderFromEnvironment();
        EXPECT_EQ(none, JoinPath(systemFolder, fixed));
        EXPECT_FALSE(SaveWholeFile(JoinPath(none, QStringLiteral("tmp.txt")), "x"));
    }
    EXPECT_TRUE(QDir(systemFolder).isEmpty());
    EXPECT_EQ(messages_.texts().size(), 2);

    ASSERT_EQ(::chmod(encoded(systemFolder).constData(), 01777), 0);
    folder(QStringLiteral("system/") + fixed, 0700, Other);
    folder(QStringLiteral("system/") + fixed + QStringLiteral("-2"), 0700, Other);
    const QString forTheRun = TempFolderFromEnvironment();
    EXPECT_TRUE(forTheRun.startsWith(JoinPath(systemFolder, fixed) + QLatin1Char('-')));
    EXPECT_NE(forTheRun, JoinPath(systemFolder, fixed + QStringLiteral("-2")));
    expectPrivate(forTheRun);
}

TEST_F(PrivateFiles, AWorkingFolderReplacedAfterItWasChosenHasNothingWrittenThroughIt)
{
    const QString own = TempFolderFromEnvironment(), victim = folder(QStringLiteral("victim"), 0700);
    const QString working = JoinPath(own, QStringLiteral("tmp.txt"));
    ASSERT_EQ(::rmdir(encoded(own).constData()), 0);
    link(victim, own);
    EXPECT_FALSE(SaveWholeFile(working, "x", QStringLiteral("evaluation file")));
    EXPECT_EQ(messages_.texts().size(), 1);
    EXPECT_TRUE(QDir(victim).isEmpty());
    ASSERT_EQ(::unlink(encoded(own).constData()), 0); // as a cleaner of the system folder would
    EXPECT_TRUE(SaveWholeFile(working, "x"));
    expectPrivate(own);
}

TEST_F(PrivateFiles, LinksAreFollowedToTheEndUnlessAnotherUserPlacedOneInASharedFolder)
{
    REQUIRE_ROOT();
    const QString shared = folder(QStringLiteral("shared"), 01777), plain = folder(QStringLiteral("plain"), 0755);
    const QString othersShared = folder(QStringLiteral("othersShared"), 01777, Other);
    const QString victim = JoinPath(plain, QStringLiteral("victim.txt"));
    ASSERT_TRUE(SaveWholeFile(victim, "victim"));
    link(victim, JoinPath(shared, QStringLiteral("planted")), Other);
    link(JoinPath(shared, QStringLiteral("planted")), JoinPath(plain, QStringLiteral("via")));
    for (const QString& name : {JoinPath(shared, QStringLiteral("planted")), JoinPath(plain, QStringLiteral("via"))}) {
        test::RecordingMessageSeam messages;
        EXPECT_FALSE(SaveWholeFile(name, "new"));
        EXPECT_EQ(messages.texts(), QStringList(QStringLiteral("The file \"%1\" could not be written.\n\nit is a link "
                                                               "that another user placed in a shared folder")
                                                    .arg(name)));
    }
    EXPECT_EQ(contents(victim), "victim");
    link(victim, JoinPath(shared, QStringLiteral("own")));
    link(victim, JoinPath(othersShared, QStringLiteral("owners")), Other);
    EXPECT_TRUE(SaveWholeFile(JoinPath(shared, QStringLiteral("own")), "own") && contents(victim) == "own");
    EXPECT_TRUE(SaveWholeFile(JoinPath(othersShared, QStringLiteral("owners")), "owner's") &&
                contents(victim) == "owner's");

    link(QStringLiteral("b"), JoinPath(plain, QStringLiteral("a")));
    link(QStringLiteral("c"), JoinPath(plain, QStringLiteral("b")));
    EXPECT_TRUE(SaveWholeFile(JoinPath(plain, QStringLiteral("a")), "end"));
    EXPECT_TRUE(S_ISLNK(linkInfo(JoinPath(plain, QStringLiteral("a"))).st_mode) &&
                S_ISLNK(linkInfo(JoinPath(plain, QStringLiteral("b"))).st_mode));
    EXPECT_EQ(contents(JoinPath(plain, QStringLiteral("c"))), "end");

    link(QStringLiteral("loop2"), JoinPath(plain, QStringLiteral("loop1")));
    link(QStringLiteral("loop1"), JoinPath(plain, QStringLiteral("loop2")));
    test::RecordingMessageSeam messages;
    EXPECT_FALSE(SaveWholeFile(JoinPath(plain, QStringLiteral("loop1")), "x"));
    EXPECT_TRUE(messages.texts().value(0).endsWith(qt_error_string(ELOOP)));
    EXPECT_TRUE(S_ISLNK(linkInfo(JoinPath(plain, QStringLiteral("loop1"))).st_mode));
}

TEST_F(PrivateFiles, OnlyARegularFileIsReplacedAndItKeepsItsOwnerGroupAndAttributes)
{
    REQUIRE_ROOT();
    const QString plain = folder(QStringLiteral("plain"), 0755);
    const QString fifo = JoinPath(plain, QStringLiteral("fifo")), device = JoinPath(plain, QStringLiteral("device"));
    ASSERT_EQ(::mkfifo(encoded(fifo).constData(), 0600), 0);
    ASSERT_EQ(::mknod(encoded(device).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
    link(fifo, JoinPath(plain, QStringLiteral("toFifo")));
    ::alarm(30); // a FIFO opened for writing would wait for a reader for good
    for (const QString& name : {fifo, device, JoinPath(plain, QStringLiteral("toFifo"))}) {
        test::RecordingMessageSeam messages;
        EXPECT_FALSE(SaveWholeFile(name, "x"));
        EXPECT_TRUE(messages.texts().value(0).endsWith(QStringLiteral("\n\nit is not a regular file")))
            << name.toStdString();
    }
    ::alarm(0);
    EXPECT_TRUE(S_ISFIFO(linkInfo(fifo).st_mode));

    const QString owned = JoinPath(plain, QStringLiteral("owned.tlv"));
    ASSERT_TRUE(SaveWholeFile(owned, "old"));
    ASSERT_EQ(::chown(encoded(owned).constData(), 1000, 2000), 0);
    ASSERT_EQ(::chmod(encoded(owned).constData(), 02640), 0);
    const bool attributes = ::setxattr(encoded(owned).constData(), "user.note", "kept", 4, 0) == 0;
    ASSERT_TRUE(SaveWholeFile(owned, "new"));
    const struct stat info = linkInfo(owned);
    EXPECT_EQ(info.st_uid, 1000u);
    EXPECT_EQ(info.st_gid, 2000u);
    EXPECT_EQ(info.st_mode & 07777, 02640u);
    char note[8] = {};
    if (attributes) {
        EXPECT_EQ(::getxattr(encoded(owned).constData(), "user.note", note, sizeof note), 4);
    }
}

TEST_F(PrivateFiles, EveryNameThatCanBeCreatedCanBeSaved)
{
    QString deep = folder(QStringLiteral("deep"), 0700);
    while (4090 - deep.size() - 1 > 250)
        deep = JoinPath(deep, QString(200, QLatin1Char('d')));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString paths[] = {root_.filePath(QString(251, QLatin1Char('a')) + QStringLiteral(".tlv")),
                             root_.filePath(QString(122, QChar(0x0436)) + QStringLiteral(".tlv")),
                             JoinPath(deep, QString(4090 - deep.size() - 1, QLatin1Char('f')))};
    for (const QString& path : paths) {
        EXPECT_TRUE(SaveWholeFile(path, "new") && SaveWholeFile(path, "over"))
            << encoded(path).size() << ' ' << path.toStdString();
        EXPECT_EQ(contents(path), "over");
    }
    EXPECT_EQ(encoded(paths[2]).size(), 4090);
}

std::vector<mode_t> modesAtWrite;

// On a file system without unnamed temporary files, the named one must not show a private file's data to others.
TEST_F(PrivateFiles, ANamedTemporaryIsTheUsersAloneWhileTheDataIsWritten)
{
    WholeFileCalls& calls = TheWholeFileCalls();
    const WholeFileCalls system = calls;
    calls.openUnnamed = [](int) { return errno = EOPNOTSUPP, -1; };
    calls.write = [](int fd, const void* data, size_t size) {
        struct stat info
        {
        };
        ::fstat(fd, &info);
        modesAtWrite.push_back(info.st_mode & 07777);
        return ::write(fd, data, size);
    };
    const mode_t umaskBefore = ::umask(022);
    const QString path = root_.filePath(QStringLiteral("private.tlv")), fresh = root_.filePath(QStringLiteral("new"));
    ASSERT_TRUE(SaveWholeFile(path, "old") && ::chmod(encoded(path).constData(), 0600) == 0);
    EXPECT_TRUE(SaveWholeFile(path, "new") && SaveWholeFile(fresh, "new"));
    calls = system;
    ::umask(umaskBefore);
    EXPECT_EQ(modesAtWrite, std::vector<mode_t>(3, 0600));
    EXPECT_EQ(linkInfo(path).st_mode & 07777, 0600u);
    EXPECT_EQ(linkInfo(fresh).st_mode & 07777, 0644u); // a new file as the umask has it
    EXPECT_EQ(QDir(root_.path()).entryList(QDir::Files).size(), 2);
}

} // namespace
