#include "platform/core/BoundedArray.h"
#include "platform/core/RegularFile.h"
#include "platform/core/Rounding.h"
#include "platform/core/Seams.h"
#include "platform/core/TempFolder.h"
#include "platform/core/Twips.h"
#include "platform/core/WholeFile.h"
#include "tests/support/RecordingSeams.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>

using namespace talvo;

namespace {

TEST(Rounding, HalfGoesToEvenNeighbour)
{
    const std::pair<double, double> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},   {3.5, 4},   {-0.5, -0},
                                               {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {1234.5, 1234},
                                               {1235.5, 1236}, {-7.2, -7}, {0, 0}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.375, 2), 0.38);
    EXPECT_DOUBLE_EQ(RoundHalfEven(1.23456, 2), 1.23);
    EXPECT_DOUBLE_EQ(RoundHalfEven(-1.23756, 2), -1.24);
}

TEST(Twips, FifteenToAPixel)
{
    static_assert(TwipsToPixels(5535) == 369);
    static_assert(TwipsToPixels(400) == 27);
    static_assert(TwipsToPixels(120) == 8);
    static_assert(PixelsToTwips(27) == 405);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1);
    EXPECT_EQ(TwipsToPixels(-30), -2);
}

TEST(TempFolder, JoinsWithSlash)
{
    EXPECT_EQ(JoinPath(QStringLiteral("/tmp"), QStringLiteral("tmp.txt")), QStringLiteral("/tmp/tmp.txt"));
    EXPECT_EQ(JoinPath(QStringLiteral("/"), QStringLiteral("tmp.txt")), QStringLiteral("/tmp.txt"));
}

TEST(BoundedArray, InclusiveBoundsAndCheckedIndex)
{
    BoundedArray<int, 0, 18> counts;
    static_assert(BoundedArray<int, 0, 18>::Size == 19);
    counts(18) = 4;
    EXPECT_EQ(counts(18), 4);
    EXPECT_THROW(counts(19), SubscriptOutOfRange);
    EXPECT_THROW(counts(-1), SubscriptOutOfRange);

    BoundedMatrix<float, 0, 20, 0, 20> matrix;
    matrix(20, 20) = 1.0f;
    EXPECT_EQ(matrix(20, 20), 1.0f);
    EXPECT_THROW(matrix(21, 0), SubscriptOutOfRange);
    EXPECT_THROW(matrix(0, 21), SubscriptOutOfRange);
}

TEST(Seams, RecorderAnswersAndFailuresAreReported)
{
    test::RecordingMessageSeam messages;
    messages.answerNext(MessageAnswer::No);
    EXPECT_EQ(MsgBox(QStringLiteral("Continue?"), MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(MsgBox(QStringLiteral("Done")), MessageAnswer::OK);

    reportFailure(QStringLiteral("The file /x/y.tlv could not be written."), QStringLiteral("Permission denied"));
    ASSERT_EQ(messages.shown().size(), 3u);
    const MessageRequest& failure = messages.shown().back();
    EXPECT_EQ(failure.icon, MessageIcon::Critical);
    EXPECT_EQ(failure.title, FailureTitle);
    EXPECT_TRUE(failure.text.contains(QStringLiteral("/x/y.tlv")));
    EXPECT_TRUE(failure.text.contains(QStringLiteral("Permission denied")));

    test::RecordingFileDialogSeam files;
    files.answerNext(QStringLiteral("/tmp/a.tlv"));
    FileDialogRequest save{FileDialogRequest::Mode::Save, QStringLiteral("Save As"),
                           QStringLiteral("Talvo Files (*.tlv)"), {}, true};
    EXPECT_EQ(AskFileName(save), QStringLiteral("/tmp/a.tlv"));
    EXPECT_EQ(AskFileName(save), std::nullopt);
    EXPECT_EQ(files.asked().size(), 2u);
}

TEST(Seams, RecordersRestoreThePreviousSeam)
{
    MessageSeam* before = CurrentMessageSeam();
    {
        test::RecordingMessageSeam outer;
        {
            test::RecordingMessageSeam inner;
            EXPECT_EQ(CurrentMessageSeam(), &inner);
        }
        EXPECT_EQ(CurrentMessageSeam(), &outer);
    }
    EXPECT_EQ(CurrentMessageSeam(), before);
}

// A write beyond RLIMIT_FSIZE fails (EFBIG) as one onto a full disk does (ENOSPC): it is reported with the system's
// reason, and the old file stays byte for byte with nothing left beside it.
TEST(SaveWholeFile, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    QTemporaryDir folder;
    const QString path = JoinPath(folder.path(), QStringLiteral("case.tlv"));
    ASSERT_TRUE(SaveWholeFile(path, "old\r\n"));
    test::RecordingMessageSeam messages;
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit lowered{1024, previous.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
    setrlimit(RLIMIT_FSIZE, &lowered);
    EXPECT_FALSE(SaveWholeFile(path, QByteArray(3000, 'n'), QStringLiteral("evaluation file")));
    setrlimit(RLIMIT_FSIZE, &previous);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == "old\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1); // no temporary file left
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("The evaluation file \"%1\" could not be written.\n\n%2")
                                                .arg(path, qt_error_string(EFBIG))});
}

// A network file system over quota takes the writes and refuses only at the flush, the close or the folder's sync.
// A refused flush keeps the old file; a refused close loses nothing (the data is on the disk); a refused folder sync
// leaves the new file in place with one message, unless the file system cannot sync folders.
TEST(SaveWholeFile, ASaveIsDoneOnlyWhenTheDiskConfirmsIt)
{
    QTemporaryDir folder;
    const QString path = JoinPath(folder.path(), QStringLiteral("case.txt"));
    WholeFileCalls& calls = TheWholeFileCalls();
    const WholeFileCalls system = calls;
    const QString unconfirmed = QStringLiteral("The text report \"%1\" was written, but the system could not confirm "
                                               "that it is safely on the disk: %2.");
    const struct
    {
        WholeFileCalls calls;
        QByteArray kept;
        QString message;
    } cases[] = {
        {{+[](int) { return errno = EDQUOT, -1; }, ::close, ::fsync, system.openUnnamed, ::write},
         "old",
         QStringLiteral("The text report \"%1\" could not be written.\n\n%2").arg(path, qt_error_string(EDQUOT))},
        {{::fdatasync, +[](int fd) { return ::close(fd), errno = EIO, -1; }, ::fsync, system.openUnnamed, ::write},
         "new",
         {}},
        {{::fdatasync, ::close, +[](int) { return errno = EIO, -1; }, system.openUnnamed, ::write},
         "new",
         unconfirmed.arg(path, qt_error_string(EIO))},
        {{::fdatasync, ::close, +[](int) { return errno = EINVAL, -1; }, system.openUnnamed, ::write}, "new", {}},
    };
    for (const auto& c : cases) {
        calls = system;
        ASSERT_TRUE(SaveWholeFile(path, "old") && ::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        test::RecordingMessageSeam messages;
        calls = c.calls;
        EXPECT_EQ(SaveWholeFile(path, "new", QStringLiteral("text report")), c.kept == "new");
        calls = system;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == c.kept);
        EXPECT_EQ(file.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1); // no temporary file left
        EXPECT_EQ(messages.texts().join(QLatin1Char('|')), c.message);
    }
}

// A FIFO would block a plain open for good; it, a folder and a missing file are refused at once.
TEST(RegularFile, OnlyARegularFileIsOpened)
{
    QTemporaryDir folder;
    const QString fifo = JoinPath(folder.path(), QStringLiteral("fifo"));
    const QString plain = JoinPath(folder.path(), QStringLiteral("plain"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(SaveWholeFile(plain, "text"));
    QString reason;
    EXPECT_FALSE(IsRegularFile(fifo, &reason));
    EXPECT_EQ(reason, QStringLiteral("it is not a regular file"));
    EXPECT_FALSE(IsRegularFile(folder.path()));
    EXPECT_FALSE(IsRegularFile(JoinPath(folder.path(), QStringLiteral("missing")), &reason));
    EXPECT_EQ(reason, qt_error_string(ENOENT));
    QFile file(plain);
    ASSERT_TRUE(OpenRegularFile(file));
    EXPECT_EQ(file.readAll(), "text");
}

} // namespace
