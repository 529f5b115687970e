// The working folder and saves on a machine that several people use. CI runs as root: another user is stood in
// for by chown to an unused uid.
#include "platform/core/TempFolder.h"
#include "platform/core/WholeFile.h"
#include "tests/support/RecordingSeams.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <list>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace talvo;

namespace {

constexpr uid_t Other = 4242;
const uid_t Me = ::geteuid();
QString systemFolder;
QString operator/(const QString& folder, const QString& name)
{
    return JoinPath(folder, name);
}

class PrivateFiles : public ::testing::Test
{
protected:
    PrivateFiles() : previousSystem_(std::exchange(SystemTempFolder, [] { return systemFolder; }))
    {
        for (const char* variable : {"TEMP", "TMP", "TMPDIR", "XDG_RUNTIME_DIR"})
            qunsetenv(variable);
        systemFolder = folder("system", 01777);
    }
    ~PrivateFiles() override { TempFolderFromEnvironment(), SystemTempFolder = previousSystem_; }
    void SetUp() override
    {
        if (Me != 0)
            GTEST_SKIP() << "another user is stood in for by chown, which needs root";
    }

    QString folder(const QString& path, mode_t mode, uid_t owner = Me)
    {
        const QString made = root_.path() / path;
        EXPECT_TRUE(QDir().mkpath(made) && ::chmod(name(made), mode) == 0 && ::chown(name(made), owner, owner) == 0);
        return made;
    }
    static const char* name(const QString& path) { return names_.emplace_back(QFile::encodeName(path)).constData(); }
    static QString use(const char* variable, const QString& value)
    {
        return qputenv(variable, name(value)), TempFolderFromEnvironment();
    }
    static struct stat info(const QString& path)
    {
        struct stat result = {};
        return ::lstat(name(path), &result), result;
    }
    static bool isLink(const QString& path) { return S_ISLNK(info(path).st_mode); }
    static bool isPrivateFolder(const QString& path)
    {
        const auto folder = info(path);
        return S_ISDIR(folder.st_mode) && folder.st_uid == Me && (folder.st_mode & 077) == 0;
    }
    static void link(const QString& target, const QString& at, uid_t owner = Me)
    {
        ASSERT_TRUE(::symlink(name(target), name(at)) == 0 && ::lchown(name(at), owner, owner) == 0);
    }
    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "(none)";
    }
    static QString reasonOfSaving(const QString& path, SaveRole role = SaveRole::UserFile)
    {
        test::RecordingMessageSeam messages;
        return SaveWholeFile(path, "x", QStringLiteral("file"), role)
                   ? QString()
                   : messages.texts().value(0).section(QLatin1Char('\n'), -1);
    }

    static QString refusal(const QString& link) // as a save through another user's link gives the reason
    {
        return QStringLiteral("\"%1\" is a link that belongs to another user, user 4242, and only your own links and "
                              "root's are followed. Use File Save As to save it under another name.")
            .arg(link);
    }

    static inline std::list<QByteArray> names_; // alive for the system calls
    const QString fixed = QStringLiteral("NewTalvo-%1").arg(Me), second = fixed + QStringLiteral("-2");
    QTemporaryDir root_;
    test::RecordingMessageSeam messages_; // no fallback shows a box
    QString (*previousSystem_)();
};

TEST_F(PrivateFiles, TheWorkingFolderIsTheUsersOwnAndNamedByTheirUid)
{
    const QString own = TempFolderFromEnvironment();
    EXPECT_EQ(own, systemFolder / fixed);
    ASSERT_TRUE(isPrivateFolder(own) && SaveWholeFile(own / "tmp.txt", "kept"));
    ::chmod(name(own), 0755);
    EXPECT_EQ(TempFolderFromEnvironment(), own); // a second run, the folder loosened meanwhile
    EXPECT_TRUE(isPrivateFolder(own) && contents(own / "tmp.txt") == "kept");

    // A TEMP of the user's own is used as it is; a file, a missing folder or one where nothing can be created is not.
    const QString mine = folder("mine", 0755);
    ASSERT_TRUE(SaveWholeFile(mine / "file", "x"));
    qputenv("TEMP", name(mine / "file"));
    qputenv("TMP", name(mine / "missing"));
    EXPECT_EQ(use("TMPDIR", mine + QLatin1Char('/')), mine);
    EXPECT_EQ(QDir(mine).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1); // trial gone
    const auto creates = std::exchange(TempFolderCreateFile, [](int, const char*) { return errno = EROFS, -1; });
    EXPECT_EQ(TempFolderFromEnvironment(), own);
    TempFolderCreateFile = creates;
    qunsetenv("TEMP"), qunsetenv("TMP");

    // A shared sticky folder holds the user's own; a name taken by another user's folder or by a link is passed over.
    const QString shared = folder("shared", 01777), taken = folder("taken", 01777), linked = folder("linked", 01777);
    const QString victim = folder("victim", 0700);
    folder("taken/" + fixed, 0700, Other);
    link(victim, linked / fixed, Other);
    EXPECT_EQ(use("TMPDIR", shared), shared / fixed);
    EXPECT_EQ(use("TMPDIR", taken), taken / second);
    EXPECT_EQ(use("TMPDIR", linked), linked / second);
    EXPECT_TRUE(QDir(victim).isEmpty());

    // Other folders that others may write into are passed over, and nothing is made in them.
    const std::tuple<const char*, mode_t, uid_t> passedOver[] = {
        {"open", 0777, Me}, {"group", 0775, Me}, {"others", 0755, Other}};
    for (const auto& [path, mode, owner] : passedOver) {
        EXPECT_EQ(use("TMPDIR", folder(path, mode, owner)), own) << path;
        EXPECT_TRUE(QDir(root_.path() / path).isEmpty()) << path;
    }
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(PrivateFiles, TheRuntimeFolderAndAFolderForTheRunComeLast)
{
    ::chmod(name(systemFolder), 0777); // open to all without the sticky bit: nothing is made there
    const QString runtime = folder("runtime", 0700);
    EXPECT_EQ(use("XDG_RUNTIME_DIR", runtime), runtime);
    for (const auto& [mode, owner] : {std::pair<mode_t, uid_t>{0755, Me}, {0700, Other}}) {
        ::chmod(name(runtime), mode);
        ::chown(name(runtime), owner, owner);
        EXPECT_EQ(TempFolderFromEnvironment(), systemFolder / fixed);
        EXPECT_EQ(reasonOfSaving(systemFolder / fixed / "tmp.txt"),
                  QStringLiteral("others may write into the folder that holds the working folder"));
    }
    EXPECT_TRUE(QDir(systemFolder).isEmpty());

    ::chmod(name(systemFolder), 01777);
    folder("system/" + fixed, 0700, Other);
    folder("system/" + second, 0700, Other);
    const QString forTheRun = TempFolderFromEnvironment();
    EXPECT_TRUE(forTheRun.startsWith(systemFolder / fixed + QLatin1Char('-')) && forTheRun != systemFolder / second);
    EXPECT_TRUE(isPrivateFolder(forTheRun));
}

TEST_F(PrivateFiles, AWorkingFolderReplacedAfterItWasChosenHasNothingWrittenThroughIt)
{
    const QString own = TempFolderFromEnvironment(), victim = folder("victim", 0700);
    ASSERT_EQ(::rmdir(name(own)), 0);
    link(victim, own);
    EXPECT_FALSE(reasonOfSaving(own / "tmp.txt").isEmpty());
    EXPECT_TRUE(QDir(victim).isEmpty());
    ::unlink(name(own)); // as a cleaner of the system folder would: the folder is made again
    EXPECT_EQ(reasonOfSaving(own / "tmp.txt"), QString());
    EXPECT_TRUE(isPrivateFolder(own));
}

TEST_F(PrivateFiles, LinksAreFollowedToTheEndUnlessAnotherUserPlacedOneInASharedFolder)
{
    const QString shared = folder("shared", 01777), plain = folder("plain", 0755), victim = plain / "victim";
    ASSERT_TRUE(SaveWholeFile(victim, "victim"));
    link(victim, shared / "planted", Other);
    link(shared / "planted", plain / "via");
    for (const QString& path : {shared / "planted", plain / "via"})
        EXPECT_EQ(reasonOfSaving(path), refusal(shared / "planted"));
    EXPECT_EQ(contents(victim), "victim");
    link(victim, shared / "own");
    EXPECT_TRUE(SaveWholeFile(shared / "own", "own") && contents(victim) == "own");

    link(QStringLiteral("b"), plain / "a");
    link(QStringLiteral("c"), plain / "b");
    EXPECT_TRUE(SaveWholeFile(plain / "a", "end") && contents(plain / "c") == "end");
    EXPECT_TRUE(isLink(plain / "a") && isLink(plain / "b"));
    link(QStringLiteral("loop2"), plain / "loop1");
    link(QStringLiteral("loop1"), plain / "loop2");
    EXPECT_EQ(reasonOfSaving(plain / "loop1"), qt_error_string(ELOOP));
    EXPECT_TRUE(isLink(plain / "loop1"));
}

TEST_F(PrivateFiles, OnlyARegularFileIsReplacedAndItKeepsItsOwnerGroupAndAttributes)
{
    const QString plain = folder("plain", 0755), owned = plain / "owned.tlv";
    ASSERT_TRUE(::mkfifo(name(plain / "fifo"), 0600) == 0 &&
                ::mknod(name(plain / "device"), S_IFCHR | 0600, makedev(1, 3)) == 0);
    link(plain / "fifo", plain / "toFifo");
    ::alarm(30); // a FIFO opened for writing would wait for a reader for good
    for (const char* odd : {"fifo", "device", "toFifo"})
        EXPECT_EQ(reasonOfSaving(plain / odd), QStringLiteral("it is not a regular file")) << odd;
    ::alarm(0);
    EXPECT_TRUE(S_ISFIFO(info(plain / "fifo").st_mode));

    ASSERT_TRUE(SaveWholeFile(owned, "old") && ::chown(name(owned), 1000, 2000) == 0 &&
                ::chmod(name(owned), 02640) == 0);
    const bool attributes = ::setxattr(name(owned), "user.note", "kept", 4, 0) == 0;
    ASSERT_TRUE(SaveWholeFile(owned, "new"));
    EXPECT_TRUE(info(owned).st_uid == 1000 && info(owned).st_gid == 2000 && (info(owned).st_mode & 07777) == 02640);
    char note[8] = {};
    EXPECT_TRUE(!attributes || ::getxattr(name(owned), "user.note", note, sizeof note) == 4);
}

TEST_F(PrivateFiles, EveryNameThatCanBeCreatedCanBeSaved)
{
    QString deep = folder("deep", 0700);
    while (4090 - deep.size() - 1 > 250)
        deep = deep / QString(200, QLatin1Char('d'));
    ASSERT_TRUE(QDir().mkpath(deep));
    for (const QString& path : {root_.path() / (QString(251, QLatin1Char('a')) + QStringLiteral(".tlv")),
                                root_.path() / (QString(122, QChar(0x0436)) + QStringLiteral(".tlv")),
                                deep / QString(4090 - deep.size() - 1, QLatin1Char('f'))}) {
        EXPECT_TRUE(SaveWholeFile(path, "new") && SaveWholeFile(path, "over")) << QFile::encodeName(path).size();
        EXPECT_TRUE(contents(path) == "over" && (QFile::encodeName(path).size() == 4090 || !path.startsWith(deep)));
    }
}

TEST_F(PrivateFiles, AnotherUsersLinkIsFollowedNowhereOnTheWay)
{
    const QString shared = folder("shared", 01777), home = folder("home", 0700), notes = home / "notes.txt";
    ASSERT_TRUE(SaveWholeFile(notes, "notes"));
    link(home, shared / "d", Other);
    link(shared / "d/notes.txt", home / "farm.tlv");
    for (const QString& path : {shared / "d/notes.txt", home / "farm.tlv", shared / "d/../home/notes.txt"})
        EXPECT_EQ(reasonOfSaving(path), refusal(shared / "d")) << QFile::encodeName(path).constData();
    EXPECT_EQ(contents(notes), "notes");

    // Nor to the working folder; the user's own links are followed, ".." as the kernel has it.
    link(home, shared / "t", Other);
    EXPECT_EQ(use("TEMP", shared / "t"), systemFolder / fixed);
    EXPECT_EQ(use("XDG_RUNTIME_DIR", shared / "t/"), systemFolder / fixed);
    link(home, shared / "mine");
    EXPECT_TRUE(SaveWholeFile(shared / "mine/notes.txt", "mine") && contents(notes) == "mine");
    EXPECT_TRUE(SaveWholeFile(shared / "mine/../up", "up") && contents(root_.path() / "up") == "up");

    // The kernel's limit of 40 links counts over the whole walk: folders and the last name alike.
    const QString plain = folder("plain", 0755);
    for (int hop = 0; hop < 41; ++hop) {
        link(QStringLiteral("."), plain / QStringLiteral("f%1").arg(hop));
        link(QStringLiteral("l%1").arg(hop + 1), plain / QStringLiteral("l%1").arg(hop));
    }
    const auto through = [&](int folders, int names) {
        QString path = plain;
        for (int hop = 0; hop < folders; ++hop)
            path = path / QStringLiteral("f%1").arg(hop);
        return reasonOfSaving(path / QStringLiteral("l%1").arg(41 - names));
    };
    EXPECT_EQ(through(20, 20), QString());
    EXPECT_EQ(through(30, 15), qt_error_string(ELOOP));
}

TEST_F(PrivateFiles, AnotherUsersLinkIsRefusedInEveryFolderAndNothingIsWritten)
{
    const QString home = folder("home", 0700), victim = home / "victim.txt", created = home / "created.txt";
    ASSERT_TRUE(SaveWholeFile(victim, "victim"));
    // Team folders, sticky or not, a folder open to all without the sticky bit, and another user's own folder.
    const std::tuple<const char*, mode_t, uid_t> folders[] = {
        {"team", 02770, Me}, {"stickyTeam", 03770, Me}, {"open", 0777, Me}, {"others", 0755, Other}};
    for (const auto& [path, mode, owner] : folders) {
        const QString at = folder(path, mode, owner);
        link(victim, at / "report.tlv", Other);
        link(created, at / "new.tlv", Other); // leads nowhere yet
        for (const QString& saved : {at / "report.tlv", at / "new.tlv"})
            EXPECT_EQ(reasonOfSaving(saved), refusal(saved));
    }
    EXPECT_TRUE(contents(victim) == "victim" && !QFile::exists(created));

    // The name of a link that leads nowhere is taken: Save As asks before replacing it.
    test::RecordingFileDialogSeam files;
    files.answerNext(root_.path() / "open/new.tlv");
    messages_.answerNext(MessageAnswer::No);
    files.answerNext(std::nullopt);
    EXPECT_EQ(AskFileName({FileDialogRequest::Mode::Save, {}, {}, {}, true, QStringLiteral("tlv")}), std::nullopt);
    EXPECT_EQ(messages_.texts(),
              QStringList{QStringLiteral("\"new.tlv\" already exists.\nDo you want to replace it?")});

    // A TEMP through another user's link is passed over, and a link left in the private folder is not followed.
    const QString priv = folder("priv", 0700);
    link(priv, root_.path() / "others/t", Other);
    const QString own = use("TEMP", root_.path() / "others/t");
    EXPECT_TRUE(own == systemFolder / fixed && QDir(priv).isEmpty());
    link(victim, own / "Talvo_Evaluation.tlv", Other);
    EXPECT_EQ(reasonOfSaving(own / "Talvo_Evaluation.tlv"), refusal(own / "Talvo_Evaluation.tlv"));
    EXPECT_EQ(contents(victim), "victim");
}

TEST_F(PrivateFiles, AWorkingFolderReachedAnotherWayLaterHasNothingWrittenIntoIt)
{
    const QString others = folder("others", 0755, Other), earlier = folder("earlier", 0700),
                  later = folder("later", 0700);
    const QString sticky = folder("sticky", 01777), otherSticky = folder("otherSticky", 01777);
    const QString replaced = QStringLiteral("the working folder has been replaced by another folder since the program "
                                            "started");
    for (const auto& [before, after, chosen] :
         {std::tuple{earlier, later, others / "t"}, std::tuple{sticky, otherSticky, others / "t" / fixed}}) {
        ::unlink(name(others / "t"));
        link(before, others / "t"); // the user's own link in another user's folder
        ASSERT_EQ(use("TEMP", others / "t"), chosen);
        EXPECT_EQ(reasonOfSaving(chosen / "tmp.txt", SaveRole::WorkingFile), QString());
        ::unlink(name(others / "t"));
        link(after, others / "t");
        EXPECT_EQ(reasonOfSaving(chosen / "tmp.txt", SaveRole::WorkingFile), replaced);
        EXPECT_TRUE(QDir(after).isEmpty());
    }
}

TEST_F(PrivateFiles, WorkingFilesFollowNoLinkAndAreTheUsersAlone)
{
    // A private folder that others could write into may hold what they left there: the next name is used.
    folder("system/" + fixed, 0777);
    const QString own = TempFolderFromEnvironment(), notes = folder("home", 0700) / "notes.txt";
    ASSERT_EQ(own, systemFolder / second);
    ASSERT_TRUE(SaveWholeFile(notes, "notes"));
    link(notes, own / "tmp.txt", Other);
    link(notes, own / "IdealPoint.txt");
    ASSERT_TRUE(::mkfifo(name(own / "ConcDisc.txt"), 0666) == 0 && SaveWholeFile(own / "TempFile.txt", "old") &&
                ::chown(name(own / "TempFile.txt"), Other, Other) == 0 &&
                ::chmod(name(own / "TempFile.txt"), 0644) == 0);
    const mode_t umaskBefore = ::umask(0);
    for (const char* file : {"tmp.txt", "IdealPoint.txt", "ConcDisc.txt", "TempFile.txt", "FinalResultsFile.txt"}) {
        EXPECT_EQ(reasonOfSaving(own / file, SaveRole::WorkingFile), QString()) << file;
        const auto written = info(own / file);
        EXPECT_TRUE(S_ISREG(written.st_mode) && written.st_uid == Me && (written.st_mode & 07777) == 0600) << file;
    }
    ::umask(umaskBefore);
    EXPECT_EQ(contents(notes), "notes");
    ASSERT_EQ(::mkdir(name(own / "WeightedSummation.txt"), 0700), 0);
    EXPECT_EQ(reasonOfSaving(own / "WeightedSummation.txt", SaveRole::WorkingFile), qt_error_string(EISDIR));

    // The user's own save there is a save like any other.
    link(notes, own / "saved.tlv");
    EXPECT_TRUE(SaveWholeFile(own / "saved.tlv", "saved") && contents(notes) == "saved");
}

std::vector<mode_t> modesAtWrite;

// Where the file system has no unnamed temporary files, the named one must not show a private file's data to others.
TEST_F(PrivateFiles, ANamedTemporaryIsTheUsersAloneWhileTheDataIsWritten)
{
    WholeFileCalls& calls = TheWholeFileCalls();
    const WholeFileCalls system = calls;
    calls.openUnnamed = [](int) { return errno = EOPNOTSUPP, -1; };
    calls.write = [](int fd, const void* data, size_t size) {
        struct stat written = {};
        ::fstat(fd, &written);
        modesAtWrite.push_back(written.st_mode & 07777);
        return ::write(fd, data, size);
    };
    const mode_t umaskBefore = ::umask(022);
    const QString old = root_.path() / "private.tlv", fresh = root_.path() / "new";
    ASSERT_TRUE(SaveWholeFile(old, "old") && ::chmod(name(old), 0600) == 0);
    EXPECT_TRUE(SaveWholeFile(old, "new") && SaveWholeFile(fresh, "new"));
    calls = system;
    ::umask(umaskBefore);
    EXPECT_EQ(modesAtWrite, std::vector<mode_t>(3, 0600));
    EXPECT_EQ(info(old).st_mode & 07777, 0600u);
    EXPECT_EQ(info(fresh).st_mode & 07777, 0644u); // a new file as the umask has it
    EXPECT_EQ(QDir(root_.path()).entryList(QDir::Files).size(), 2);
}

} // namespace
