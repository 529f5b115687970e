// Files made to mislead or stall the program: what they hold shows as text, and a file far larger than any the
// program writes is refused unread.
#include "tests/casefile/WidgetTestSupport.h"
#include "tests/support/RecordingSeams.h"

#include "platform/core/FileDescriptor.h"
#include "platform/ui/QtSeams.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace talvo;
using namespace talvo::test;

namespace {

constexpr qint64 Bound = EvaluationFileContent::MaxFileSize;

class HostileFiles : public WidgetTest
{
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
    frmTALVOfile& window() { return forms::frmTALVOfile.get(); }

    QTemporaryDir dir_;
    RecordingMessageSeam messages_;
};

// A colour that no style draws.
const QRgb Marked = qRgb(1, 254, 3);

int markedPixels(QWidget& widget)
{
    const QImage drawn = widget.grab().toImage();
    int marked = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            marked += drawn.pixel(x, y) == Marked;
    }
    return marked;
}

TEST_F(HostileFiles, MarkupInAFileOrInItsNameIsShownAsText)
{
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Marked);
    ASSERT_TRUE(picture.save(path(QStringLiteral("pic.png"))));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir_.path()); // where a relative picture would be looked for
    QList<QByteArray> lines = ReadTestData(QStringLiteral("both.tlv")).split('\n');
    lines[0] = lines[1] = "\"<img src=pic.png>\"\r";
    write(QStringLiteral("markup.tlv"), lines.join('\n'));
    ASSERT_TRUE(window().OpenTALVOfile(path(QStringLiteral("markup.tlv"))));
    window().show();
    for (const char* name : {"LabelDepositionSelectedName", "LabelFarmTypeSelectedName"})
        EXPECT_EQ(markedPixels(*window().findChild<QLabel*>(QString::fromLatin1(name))), 0) << name;

    // The message box that names such a file, as the program shows it.
    write(QStringLiteral("<img src=pic.png>.tlv"), QByteArray());
    QtMessageSeam boxes;
    SetMessageSeam(&boxes);
    int drawnMarked = -1;
    QTimer::singleShot(0, [&drawnMarked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            drawnMarked = markedPixels(*box);
            box->close();
        }
    });
    EXPECT_FALSE(window().OpenTALVOfile(path(QStringLiteral("<img src=pic.png>.tlv"))));
    SetMessageSeam(&messages_);
    QDir::setCurrent(previous);
    EXPECT_EQ(drawnMarked, 0);
}

// What a child process saw: its messages, and how far its peak memory rose over the open.
struct ChildOpen
{
    QString messages;
    long growthKiB = -1;
};

// The open runs in a child: where it fails, an allocation of that size ends the process.
ChildOpen openInAChild(frmTALVOfile& window, const QString& file, RecordingMessageSeam& messages)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return {};
    std::fflush(nullptr); // or the child's copy of what the parent has not yet printed would come out twice
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        const QString scenario = TheAssessment().DepositionScenario;
        rusage before{}, after{};
        ::getrusage(RUSAGE_SELF, &before);
        const bool opened = window.OpenTALVOfile(file);
        ::getrusage(RUSAGE_SELF, &after);
        const bool unchanged = TheAssessment().DepositionScenario == scenario;
        const QByteArray report = QByteArray::number(after.ru_maxrss - before.ru_maxrss) + '\n' +
                                  (opened || !unchanged ? "opened or changed" : messages.texts().join('|').toUtf8());
        const bool sent = ::write(ends[1], report.constData(), size_t(report.size())) == report.size();
        ::_exit(sent ? 0 : 1);
    }
    ::close(ends[1]);
    const FileDescriptor read(ends[0]);
    QFile pipe;
    ChildOpen seen;
    if (pipe.open(read.get(), QIODevice::ReadOnly)) {
        const QByteArray report = pipe.readAll();
        const qsizetype end = report.indexOf('\n');
        if (end > 0)
            seen = {QString::fromUtf8(report.mid(end + 1)), report.left(end).toLong()};
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        seen.messages = QStringLiteral("the child ended with status %1").arg(status);
    return seen;
}

TEST_F(HostileFiles, AFileLargerThanAnyEvaluationFileIsRefusedUnread)
{
    ASSERT_TRUE(window().OpenTALVOfile(TestDataPath(QStringLiteral("both.tlv"))));
    QFile sparse(path(QStringLiteral("sparse.tlv")));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 40));
    sparse.close();
    QByteArray padded = ReadTestData(QStringLiteral("both.tlv"));
    padded += QByteArray(Bound + 1 - padded.size(), '\n');
    write(QStringLiteral("padded.tlv"), padded);
    for (const char* name : {"sparse.tlv", "padded.tlv"}) {
        const ChildOpen seen = openInAChild(window(), path(QString::fromLatin1(name)), messages_);
        EXPECT_EQ(seen.messages,
                  QStringLiteral("The evaluation file \"%1\" could not be opened.\n\nit is larger than 4 "
                                 "MiB, far larger than any evaluation file")
                      .arg(path(QString::fromLatin1(name))));
        EXPECT_TRUE(seen.growthKiB >= 0 && seen.growthKiB < 32 * 1024) << name << ' ' << seen.growthKiB;
    }
}

TEST_F(HostileFiles, TheLargestFileTheWriterMakesSavesAndReadsBack)
{
    ASSERT_TRUE(window().OpenTALVOfile(TestDataPath(QStringLiteral("both.tlv"))));
    AssessmentState& state = TheAssessment();
    ASSERT_TRUE(state.MCDMDone && state.EconomicDone);
    // Every answer as long as a text box takes, pasted.
    const QString longest(32767, QLatin1Char('7'));
    for (int r = 0; r < EvaluationFileContent::LimitationAnswerLines; ++r)
        state.LimitationQuestions(r).AnswerText = longest;
    for (int r = 0; r < 42; ++r)
        state.EconomicQuestions(r).AnswerText = longest;
    const QString saved = path(QStringLiteral("largest.tlv")), working = path(QStringLiteral("tmp.txt"));
    ASSERT_TRUE(window().SaveTALVOfile(saved));
    EXPECT_GT(QFileInfo(saved).size(), 2'400'000);
    state = FreshState();
    ASSERT_TRUE(window().OpenTALVOfile(saved));
    EXPECT_TRUE(state.LimitationQuestions(32).AnswerText == longest &&
                state.EconomicQuestions(41).AnswerText == longest);
    FileDescriptor written;
    ASSERT_TRUE(window().SaveWorkingFile(working, &written));
    state.LimitationQuestions(0).AnswerText.clear();
    EXPECT_TRUE(window().ReadBackWorkingFile(working, std::move(written)));
    EXPECT_EQ(state.LimitationQuestions(0).AnswerText, longest);
    EXPECT_TRUE(messages_.shown().empty());

    // Nothing larger is written.
    state.EconomicQuestions(0).AnswerText = QString(Bound, QLatin1Char('7'));
    EXPECT_FALSE(window().SaveTALVOfile(saved));
    EXPECT_EQ(messages_.texts().value(0).section(QLatin1Char('\n'), -1),
              QStringLiteral("It would be larger than 4 MiB, the most an evaluation file may hold."));
}

} // namespace
