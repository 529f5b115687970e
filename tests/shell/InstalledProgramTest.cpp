// Run by install-test.sh from the bin folder of an installed program, beside it: the program's own look-up, given
// that folder, finds the installed libraries and help file, and each library makes its widget.

#include "platform/core/ComponentRegistry.h"
#include "platform/core/ProgramFolders.h"
#include "platform/ui/ComponentLoader.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

using namespace talvo;

TEST(InstalledProgram, FindsItsLibrariesAndHelpFileAndEachLibraryMakesItsWidget)
{
    int argc = 1;
    char name[] = "installed_program_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const QString bin = QCoreApplication::applicationDirPath();
    ASSERT_TRUE(QFileInfo(bin + QStringLiteral("/NewTalvo")).isExecutable());
    const QString prefix = QFileInfo(bin).absolutePath() + QLatin1Char('/');
    const QStringList libraries = FindControlLibraries(bin);
    ASSERT_EQ(libraries.size(), 3);
    for (const QString& file : libraries + QStringList{FindFileIn(DataFileFolders(bin), QStringLiteral("Talvo.hlp"))})
        EXPECT_TRUE(file.startsWith(prefix) && !file.startsWith(bin + QLatin1Char('/'))) << file.toStdString();
    QWidget frame;
    for (const char* progId :
         {"PromptEdit.QuestionTxtBx", "PromptToggle.UserControlPromptToggle", "ProjectPromptList.PromptList"}) {
        QString error;
        EXPECT_TRUE(CreateRegisteredWidget(QLatin1String(progId), &frame, &error)) << error.toStdString();
        EXPECT_TRUE(libraries.contains(FindComponentRegistration(QLatin1String(progId))->Library)) << progId;
    }
}
