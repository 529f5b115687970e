#include "tests/components/ComponentTestSupport.h"

#include <QDialog>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace talvo;
using namespace talvo::test;

namespace {

struct LibraryCase
{
    const char* library;
    const char* progId;
    const char* classId;
    const char* inputPart; // the part that has the focus when the user answers
};

const LibraryCase libraries[] = {
    {"PromptEdit", "PromptEdit.QuestionTxtBx", "{09104584-0FB3-11D3-B671-ACC96131DE10}", "TextAnswer"},
    {"PromptToggle", "PromptToggle.UserControlPromptToggle", "{0E86C5DD-8AC1-11D2-B66E-FD07A24CC311}", "OptionYes"},
    {"PromptList", "ProjectPromptList.PromptList", "{68AE7203-6E4F-11D2-B66C-BE81629D5911}", "AnswerCombo"},
};

void PrintTo(const LibraryCase& library, std::ostream* os) { *os << library.library; }

// The entry points of one library, loaded by its file as the program loads it.
struct EntryPoints
{
    explicit EntryPoints(const QString& file) : library(file)
    {
        EXPECT_TRUE(library.load()) << library.errorString().toStdString();
        registerServer = reinterpret_cast<DllRegisterServerFunction>(library.resolve("DllRegisterServer"));
        unregisterServer = reinterpret_cast<DllUnregisterServerFunction>(library.resolve("DllUnregisterServer"));
        getClassObject = reinterpret_cast<DllGetClassObjectFunction>(library.resolve("DllGetClassObject"));
        canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(library.resolve("DllCanUnloadNow"));
    }
    bool complete() const { return registerServer && unregisterServer && getClassObject && canUnloadNow; }

    QLibrary library;
    DllRegisterServerFunction registerServer = nullptr;
    DllUnregisterServerFunction unregisterServer = nullptr;
    DllGetClassObjectFunction getClassObject = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;
};

class ComponentLibraryTest : public ::testing::TestWithParam<LibraryCase>
{
protected:
    ScopedComponentRegistry registry_;
};

TEST_P(ComponentLibraryTest, RegistersItsProgIdClassAndPathInOurRegistryAndUnregisters)
{
    const LibraryCase& c = GetParam();
    // The registry lies in the test's own configuration folder, never in the user's home.
    EXPECT_TRUE(ComponentRegistryPath().startsWith(registry_.folder() + QLatin1Char('/')));
    EntryPoints entry(ComponentFile(QLatin1String(c.library)));
    ASSERT_TRUE(entry.complete());
    EXPECT_FALSE(FindComponentRegistration(QLatin1String(c.progId)));

    ASSERT_EQ(entry.registerServer(), ComponentOk);
    const auto found = FindComponentRegistration(QLatin1String(c.progId));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->ClassId, QLatin1String(c.classId));
    EXPECT_EQ(QFileInfo(found->Library).canonicalFilePath(),
              QFileInfo(ComponentFile(QLatin1String(c.library))).canonicalFilePath());
    EXPECT_TRUE(QFileInfo(found->Library).isAbsolute());

    ASSERT_EQ(entry.unregisterServer(), ComponentOk);
    EXPECT_FALSE(FindComponentRegistration(QLatin1String(c.progId)));
}

TEST_P(ComponentLibraryTest, ClassObjectMakesInstancesAndCanUnloadNowCountsThem)
{
    const LibraryCase& c = GetParam();
    TestApplication();
    EntryPoints entry(ComponentFile(QLatin1String(c.library)));
    ASSERT_TRUE(entry.complete());

    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(entry.getClassObject("{00000000-0000-0000-0000-000000000000}", QuestionWidgetFactoryId, &object),
              ComponentClassNotAvailable);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(entry.getClassObject(c.classId, "another interface", &object), ComponentNoInterface);
    EXPECT_EQ(entry.getClassObject(c.classId, QuestionWidgetFactoryId, nullptr), ComponentInvalidArgument);
    ASSERT_EQ(entry.getClassObject(QString::fromLatin1(c.classId).toLower().toLatin1().constData(),
                                   QuestionWidgetFactoryId, &object),
              ComponentOk);
    ASSERT_NE(object, nullptr);

    EXPECT_EQ(entry.canUnloadNow(), ComponentOk);
    auto* factory = static_cast<QuestionWidgetFactory*>(object);
    QWidget container;
    QuestionWidget* first = factory->CreateInstance(&container);
    QuestionWidget* second = factory->CreateInstance(&container);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->Widget()->parentWidget(), &container);
    EXPECT_EQ(entry.canUnloadNow(), ComponentFalse);
    delete first->Widget();
    EXPECT_EQ(entry.canUnloadNow(), ComponentFalse);
    second->Widget()->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(entry.canUnloadNow(), ComponentOk);
}

TEST_P(ComponentLibraryTest, EnterInTheQuestionNeverPressesTheDialogsDefaultButton)
{
    const LibraryCase& c = GetParam();
    TestApplication();
    ASSERT_TRUE(EnsureComponentsRegistered(ComponentDir()));
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* frame = new QWidget(&dialog);
    frame->setMinimumSize(400, 40);
    auto* plain = new QLineEdit(&dialog);
    auto* next = new QPushButton(QStringLiteral("Next"), &dialog);
    layout->addWidget(frame);
    layout->addWidget(plain);
    layout->addWidget(next);
    next->setDefault(true);
    QuestionWidget* widget = CreateRegisteredWidget(QLatin1String(c.progId), frame);
    ASSERT_NE(widget, nullptr);
    widget->SetMessageCallback([](const QString&) {});
    widget->Widget()->show();
    dialog.show();
    QSignalSpy pressed(next, &QPushButton::clicked);

    // The dialog does press its default button for an ordinary line edit.
    QTest::keyClick(plain, Qt::Key_Return);
    ASSERT_EQ(pressed.count(), 1);

    QWidget* input = widget->Widget()->findChild<QWidget*>(QLatin1String(c.inputPart));
    ASSERT_NE(input, nullptr);
    QTest::keyClick(input, Qt::Key_Return);
    QTest::keyClick(input, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Libraries, ComponentLibraryTest, ::testing::ValuesIn(libraries),
                         [](const auto& test) { return std::string(test.param.library); });

} // namespace
