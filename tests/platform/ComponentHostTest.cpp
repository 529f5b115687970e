#include "platform/ui/ComponentHost.h"
#include "platform/core/SharedObjectCheck.h"
#include "platform/core/Twips.h"
#include "tests/components/ComponentTestSupport.h"
#include "tests/support/RecordingSeams.h"

#include <QLibrary>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace talvo;
using namespace talvo::test;

namespace {

const QString TextBox = QStringLiteral("PromptEdit.QuestionTxtBx");
const QString YesNo = QStringLiteral("PromptToggle.UserControlPromptToggle");
const QString ListQuestion = QStringLiteral("ProjectPromptList.PromptList");

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class ComponentHostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication();
        SetComponentLibraryFolder(ComponentDir());
        window_ = std::make_unique<QWidget>();
        frame1_ = new QWidget(window_.get());
        frame1_->setObjectName(QStringLiteral("FrameLimitations1"));
        frame2_ = new QWidget(window_.get());
        frame2_->setObjectName(QStringLiteral("FrameLimitations2"));
        window_->show();
    }
    void TearDown() override
    {
        window_.reset();
        SetComponentLibraryFolder(QString());
    }

    // A handler that records the events of the named question.
    ObjectEventHandler recorder(const QString& name)
    {
        return [this, name](const QString& eventName, QVariantList& parameters) {
            events_.push_back({name + QLatin1Char('.') + eventName, parameters});
        };
    }
    QStringList eventNames() const
    {
        QStringList names;
        for (const auto& event : events_)
            names << event.name;
        return names;
    }

    ScopedComponentRegistry registry_;
    RecordingMessageSeam messages_;
    ComponentHost host_;
    std::unique_ptr<QWidget> window_;
    QWidget* frame1_ = nullptr;
    QWidget* frame2_ = nullptr;
    std::vector<RecordedEvent> events_;
};

TEST_F(ComponentHostTest, ElevenWidgetsFillOneFrameAndOverflowIntoTheNextThenGoByName)
{
    // The page logic of a wizard, as it would drive the host: rows 400 twips apart, ten to a frame.
    const QString kinds[] = {TextBox, ListQuestion, YesNo};
    QWidget* frames[] = {frame1_, frame2_};
    int frame = 0;
    int questionCount = 0;
    int lastTop = 0;
    QStringList names;
    for (int i = 0; i < 11; ++i) {
        if (lastTop == 4000) {
            ++frame;
            questionCount = 0;
        }
        ++questionCount;
        const int top = 400 * questionCount;
        const QString name = QStringLiteral("ctlQuestion%1").arg(i);
        QuestionControl control = host_.Add(kinds[i % 3], name, frames[frame], recorder(name));
        ASSERT_TRUE(control) << i;
        control.Move(120, top, 5535, 400);
        ASSERT_TRUE(control.SetProperty("Question", QStringLiteral("Question %1?").arg(i)));
        if (kinds[i % 3] == ListQuestion) {
            ASSERT_TRUE(control.Call("AddAnswerOption", {QStringLiteral(" < 30cm ")}));
            ASSERT_TRUE(control.Call("AddAnswerOption", {QStringLiteral(" > 60cm ")}));
        }
        control.SetVisible(true);
        lastTop = top;
        names << name;
    }
    EXPECT_EQ(messages_.shown().size(), 0u);

    for (int i = 0; i < 11; ++i) {
        const QuestionControl control = host_.Find(names[i]);
        ASSERT_TRUE(control) << i;
        const int row = i < 10 ? i + 1 : 1;
        EXPECT_EQ(control.Widget()->parentWidget(), i < 10 ? frame1_ : frame2_) << i;
        EXPECT_EQ(control.Top(), 400 * row) << i;
        EXPECT_EQ(control.Widget()->geometry(),
                  QRect(TwipsToPixels(120), TwipsToPixels(400 * row), TwipsToPixels(5535), TwipsToPixels(400)))
            << i;
        EXPECT_EQ(control.Widget()->objectName(), names[i]);
        EXPECT_TRUE(control.Visible());
        EXPECT_TRUE(control.Widget()->isVisible());
        EXPECT_EQ(control.Property("Question").toString(), QStringLiteral("Question %1?").arg(i));
    }
    EXPECT_EQ(host_.Find(names[9]).Top(), 4000);

    for (const QString& name : names) {
        QPointer<QWidget> widget = host_.Find(name).Widget();
        host_.Remove(name);
        EXPECT_FALSE(host_.Find(name)) << name.toStdString();
        ASSERT_TRUE(widget);
        EXPECT_TRUE(widget->isHidden());
    }
    EXPECT_TRUE(host_.Names().isEmpty());
    processDeferredDeletes();
    EXPECT_TRUE(frame1_->findChildren<QWidget*>().isEmpty());
    EXPECT_TRUE(frame2_->findChildren<QWidget*>().isEmpty());
    // Nothing of the libraries is alive any more.
    for (const QString& library : ControlLibraryNames) {
        QLibrary loaded(ComponentFile(library));
        ASSERT_TRUE(loaded.load());
        auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(loaded.resolve("DllCanUnloadNow"));
        ASSERT_TRUE(canUnloadNow);
        EXPECT_EQ(canUnloadNow(), ComponentOk) << library.toStdString();
    }
}

TEST_F(ComponentHostTest, AnUnregisteredProgIdIsRegisteredFromTheLibraryFolderOnFirstNeed)
{
    EXPECT_FALSE(FindComponentRegistration(YesNo));
    const QuestionControl control = host_.Add(YesNo, QStringLiteral("ctlFertilise"), frame1_, {});
    ASSERT_TRUE(control);
    EXPECT_TRUE(messages_.shown().empty());
    for (const QString& progId : {TextBox, YesNo, ListQuestion})
        EXPECT_TRUE(FindComponentRegistration(progId)) << progId.toStdString();
    EXPECT_TRUE(QFile::exists(registry_.folder() + QStringLiteral("/NewTalvo/ComponentRegistry.ini")));
}

TEST_F(ComponentHostTest, ARegistryNamingAMissingLibraryOrAnotherCopyIsWrittenAfresh)
{
    QTemporaryDir other;
    const QString copy = other.path() + QStringLiteral("/libPromptToggle.so");
    ASSERT_TRUE(QFile::copy(ComponentFile(QStringLiteral("PromptToggle")), copy));
    for (const QString& named : {copy, other.path() + QStringLiteral("/gone/libPromptToggle.so")}) {
        ASSERT_TRUE(
            WriteComponentRegistration({YesNo, QStringLiteral("{0E86C5DD-8AC1-11D2-B66E-FD07A24CC311}"), named}));
        EXPECT_TRUE(host_.Add(YesNo, named, frame1_, {}));
        EXPECT_EQ(QFileInfo(FindComponentRegistration(YesNo)->Library).canonicalFilePath().toStdString(),
                  QFileInfo(ComponentFile(QStringLiteral("PromptToggle"))).canonicalFilePath().toStdString());
    }
    EXPECT_TRUE(messages_.shown().empty());
}

// One message names the registry and why; the run then registers the libraries in a registry of its own.
TEST_F(ComponentHostTest, ARegistryThatCannotBeReadOrWrittenIsReportedOnceAndTheWidgetsAreMade)
{
    const QString registry = ComponentRegistryPath();
    const QString folder = QFileInfo(registry).absolutePath();
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"Is a directory", [&] { return QDir().mkpath(registry); }},
        {"it is not a regular file",
         [&] { return QDir().mkpath(folder) && ::mkfifo(QFile::encodeName(registry).constData(), 0600) == 0; }},
        {"Not a directory", [&] { return QFile(folder).open(QIODevice::WriteOnly); }},
        {"it is larger than 1 MiB, far larger than any component registry",
         [&] {
             QFile sparse(registry);
             return QDir().mkpath(folder) && sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 40);
         }},
    };
    const QString kinds[] = {TextBox, YesNo, ListQuestion};
    ::alarm(60); // reading a FIFO would block for good
    for (const auto& [reason, make] : cases) {
        QDir(folder).removeRecursively();
        QFile::remove(folder);
        ASSERT_TRUE(make()) << reason;
        qApp->setProperty(RunComponentRegistryProperty, QVariant());
        messages_.clear();
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(host_.Add(kinds[i % 3], QStringLiteral("ctl%1%2").arg(reason).arg(i), frame1_, {}));
        ASSERT_EQ(messages_.texts().size(), 1) << reason;
        EXPECT_TRUE(messages_.texts()[0].startsWith(
            QStringLiteral("The component registry \"%1\" cannot be read or written: %2.").arg(registry, reason)))
            << messages_.texts()[0].toStdString();
    }
    ::alarm(0);
}

TEST_F(ComponentHostTest, WidgetsThatCannotBeMadeAreReportedAndTheProgramGoesOn)
{
    QTemporaryDir empty;
    SetComponentLibraryFolder(empty.path());

    // Not registered, and nothing beside the program to register.
    EXPECT_FALSE(host_.Add(TextBox, QStringLiteral("ctlSlope"), frame1_, {}));
    // Registered, but the library is gone.
    ASSERT_TRUE(WriteComponentRegistration({TextBox, QStringLiteral("{09104584-0FB3-11D3-B671-ACC96131DE10}"),
                                            empty.path() + QStringLiteral("/libPromptEdit.so")}));
    QuestionControl missing = host_.Add(TextBox, QStringLiteral("ctlCEC"), frame1_, {});
    // A ProgID that no library supplies.
    SetComponentLibraryFolder(ComponentDir());
    EXPECT_FALSE(host_.Add(QStringLiteral("PromptEdit.NoSuchClass"), QStringLiteral("ctlpH"), frame1_, {}));
    EXPECT_FALSE(host_.Add(TextBox, QStringLiteral("ctlNoFrame"), nullptr, {}));

    const auto& shown = messages_.shown();
    ASSERT_EQ(shown.size(), 4u);
    for (const auto& box : shown) {
        EXPECT_EQ(box.icon, MessageIcon::Critical);
        EXPECT_EQ(box.title, FailureTitle);
    }
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("ctlSlope")));
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("not registered")));
    EXPECT_TRUE(shown[1].text.contains(QStringLiteral("missing")));
    EXPECT_TRUE(shown[2].text.contains(QStringLiteral("PromptEdit.NoSuchClass")));

    // The failed control is a null handle: using it does nothing and reports nothing more.
    EXPECT_FALSE(missing);
    missing.Move(120, 400, 5535, 400);
    missing.SetVisible(true);
    EXPECT_FALSE(missing.SetProperty("Answer", QStringLiteral("3")));
    EXPECT_FALSE(missing.Property("Answer").isValid());
    EXPECT_EQ(messages_.shown().size(), 4u);
    // The program goes on: the next widget is made as usual.
    EXPECT_TRUE(host_.Add(TextBox, QStringLiteral("ctlElevation"), frame1_, {}));
}

// Mapping a library cut short ends the process (SIGBUS), so it is refused first, reported like a missing one, and
// the program goes on.
TEST_F(ComponentHostTest, ALibraryCutShortIsNotLoaded)
{
    QTemporaryDir folder;
    const QString cut = folder.path() + QStringLiteral("/libPromptEdit.so");
    ASSERT_TRUE(QFile::copy(ComponentFile(QStringLiteral("PromptEdit")), cut));
    ASSERT_TRUE(QFile::resize(cut, QFileInfo(cut).size() - 1));
    EXPECT_FALSE(IsCompleteSharedObject(cut)); // only its section headers are cut
    ASSERT_TRUE(QFile::resize(cut, 8192));
    SetComponentLibraryFolder(folder.path());
    ASSERT_TRUE(WriteComponentRegistration({TextBox, QStringLiteral("{09104584-0FB3-11D3-B671-ACC96131DE10}"), cut}));
    EXPECT_FALSE(host_.Add(TextBox, QStringLiteral("ctlSlope"), frame1_, {}));
    ASSERT_EQ(messages_.texts().size(), 1);
    EXPECT_TRUE(messages_.texts()[0].contains(QStringLiteral("is damaged (its segment")));
    // A FIFO in its place would block the check for good: it is reported as damaged too.
    ASSERT_TRUE(QFile::remove(cut) && mkfifo(QFile::encodeName(cut).constData(), 0600) == 0);
    alarm(20); // a hang ends the test
    EXPECT_FALSE(host_.Add(TextBox, QStringLiteral("ctlAspect"), frame1_, {}));
    alarm(0);
    EXPECT_TRUE(messages_.texts().value(1).contains(QStringLiteral("is damaged (it is not a regular file)")));
    SetComponentLibraryFolder(ComponentDir());
    EXPECT_TRUE(host_.Add(TextBox, QStringLiteral("ctlElevation"), frame1_, {}));
}

TEST_F(ComponentHostTest, RemovingIsByNameAndAnUnknownNameDoesNothing)
{
    ASSERT_TRUE(host_.Add(TextBox, QStringLiteral("ctlSlope"), frame1_, {}));
    host_.Remove(QStringLiteral("ctlNothing"));
    host_.Remove(QString());
    EXPECT_EQ(host_.Names(), QStringList{QStringLiteral("ctlSlope")});
    EXPECT_TRUE(messages_.shown().empty());
    // A name is taken until it is removed; then it can be used again at once.
    EXPECT_FALSE(host_.Add(YesNo, QStringLiteral("ctlSlope"), frame1_, {}));
    EXPECT_EQ(messages_.shown().size(), 1u);
    host_.Remove(QStringLiteral("ctlSlope"));
    host_.Remove(QStringLiteral("ctlSlope"));
    EXPECT_TRUE(host_.Add(YesNo, QStringLiteral("ctlSlope"), frame1_, {}));
}

TEST_F(ComponentHostTest, AWidgetRemovedInsideItsOwnEventLivesUntilTheEventIsOver)
{
    QuestionControl control =
        host_.Add(TextBox, QStringLiteral("ctlSlope"), frame1_, [this](const QString& eventName, QVariantList&) {
            events_.push_back({eventName, {}});
            host_.Remove(QStringLiteral("ctlSlope"));
        });
    ASSERT_TRUE(control);
    QPointer<QWidget> widget = control.Widget();
    control.SetVisible(true);
    QTest::keyClick(widget->findChild<QLineEdit*>(QStringLiteral("TextAnswer")), Qt::Key_7);
    // The first event removed it; no later event of the same key reached the handler.
    EXPECT_EQ(eventNames(), QStringList{QStringLiteral("AnswerTyped")});
    EXPECT_FALSE(control);
    ASSERT_TRUE(widget);
    processDeferredDeletes();
    EXPECT_FALSE(widget);
}

TEST_F(ComponentHostTest, EveryEventReachesTheQuestionsHandlerWithParametersByReference)
{
    QuestionControl slope = host_.Add(TextBox, QStringLiteral("ctlSlope"), frame1_,
                                      [this](const QString& eventName, QVariantList& parameters) {
                                          events_.push_back({eventName, parameters});
                                          if (eventName == QLatin1String("KeyPress"))
                                              parameters[0] = 0;
                                      });
    QuestionControl soil =
        host_.Add(ListQuestion, QStringLiteral("ctlSoilType"), frame1_, recorder(QStringLiteral("ctlSoilType")));
    ASSERT_TRUE(slope && soil);
    slope.SetVisible(true);
    QTest::keyClick(slope.Widget()->findChild<QLineEdit*>(QStringLiteral("TextAnswer")), Qt::Key_5);
    EXPECT_EQ(eventNames(), (QStringList{"AnswerTyped", "KeyDown", "KeyPress"}));
    // The handler swallowed the character.
    EXPECT_EQ(slope.Property("Answer").toString(), QString());

    events_.clear();
    for (const char* option : {"Sandy ", "Loamy  ", "Podsolic "})
        ASSERT_TRUE(soil.Call("AddAnswerOption", {QLatin1String(option)}));
    ASSERT_TRUE(soil.SetProperty("Answer", 2));
    EXPECT_EQ(eventNames(), (QStringList{"ctlSoilType.Click", "ctlSoilType.QuestionAnswered"}));
    QVariant text;
    ASSERT_TRUE(soil.Call("List", {soil.Property("Answer")}, &text));
    EXPECT_EQ(text.toString(), QStringLiteral("Podsolic "));
}

TEST_F(ComponentHostTest, TheWidgetsOwnMessageGoesThroughTheProgramsMessageBox)
{
    QuestionControl slope = host_.Add(TextBox, QStringLiteral("ctlSlope"), frame1_, {});
    ASSERT_TRUE(slope);
    slope.SetVisible(true);
    slope.SetProperty("Answer", QStringLiteral("40"));
    QTest::keyClick(slope.Widget()->findChild<QLineEdit*>(QStringLiteral("TextAnswer")), Qt::Key_Q);
    ASSERT_EQ(messages_.shown().size(), 1u);
    const MessageRequest& box = messages_.shown()[0];
    EXPECT_EQ(box.text, QStringLiteral("Please only enter numbers from the keyboard."));
    EXPECT_EQ(box.buttons, MessageButtons::OK);
    EXPECT_EQ(box.icon, MessageIcon::None);
    EXPECT_EQ(box.title, QString());
    EXPECT_EQ(slope.Property("Answer").toString(), QString());
}

TEST_F(ComponentHostTest, MembersByNameAreCheckedAndRefusalsReported)
{
    QuestionControl soil = host_.Add(ListQuestion, QStringLiteral("ctlSoilDepth"), frame1_, {});
    ASSERT_TRUE(soil);
    ASSERT_TRUE(soil.Call("AddAnswerOption", {QStringLiteral(" < 30cm ")}));
    ASSERT_TRUE(soil.Call("AddAnswerOption", {QStringLiteral("first"), 0}));
    EXPECT_EQ(soil.Property("ListCount").toInt(), 2);

    EXPECT_FALSE(soil.SetProperty("NoSuchProperty", 1));
    EXPECT_FALSE(soil.Widget()->dynamicPropertyNames().contains("NoSuchProperty"));
    EXPECT_FALSE(soil.SetProperty("ListCount", 5)); // read-only
    EXPECT_FALSE(soil.Property("NoSuchProperty").isValid());
    EXPECT_FALSE(soil.Call("NoSuchMethod"));
    EXPECT_FALSE(soil.Call("AddAnswerOption", {QStringLiteral("far"), 7}));
    EXPECT_FALSE(soil.SetProperty("Answer", 5));
    EXPECT_FALSE(soil.SetProperty("Answer", QStringLiteral("not a number")));
    EXPECT_EQ(soil.Property("Answer").toInt(), -1);
    EXPECT_EQ(soil.Property("ListCount").toInt(), 2);
    EXPECT_EQ(messages_.shown().size(), 7u);
    EXPECT_TRUE(messages_.shown()[5].text.contains(QStringLiteral("outside the options")));
}

TEST_F(ComponentHostTest, WidgetsDestroyedWithTheirWindowLeaveNullHandles)
{
    QuestionControl control = host_.Add(YesNo, QStringLiteral("ctlKnowCEC"), frame2_, {});
    ASSERT_TRUE(control);
    window_.reset();
    EXPECT_FALSE(control);
    EXPECT_FALSE(host_.Find(QStringLiteral("ctlKnowCEC")));
    host_.Remove(QStringLiteral("ctlKnowCEC"));
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(ComponentHostTest, HandlersHearNothingOnceTheirHostIsGone)
{
    QPointer<QWidget> widget;
    {
        ComponentHost host;
        widget = host.Add(TextBox, QStringLiteral("ctlpH"), frame1_, recorder(QStringLiteral("ctlpH"))).Widget();
        ASSERT_TRUE(widget);
    }
    ASSERT_TRUE(widget);
    QTest::keyClick(widget->findChild<QLineEdit*>(QStringLiteral("TextAnswer")), Qt::Key_6);
    EXPECT_TRUE(events_.empty());
}

} // namespace
