#pragma once

// The selection wizard on the process-wide assessment, with the real question-widget libraries registered in a
// registry of the test's own and the working folder in a temporary directory.

#include "shell/ProgramCallbacks.h"
#include "casefile/ui/ResultsTextBox.h"
#include "casefile/ui/frmTALVOfile.h"
#include "platform/core/TempFolder.h"
#include "selection/core/LimitationAnswers.h"
#include "selection/core/SelectionSession.h"
#include "selection/ui/frmDepoAndAg.h"
#include "tables/core/ReferenceTables.h"
#include "tests/components/ComponentTestSupport.h"
#include "tests/support/RecordingSeams.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace talvo::test {

using Page = frmDepoAndAg::Page;

inline void ProcessDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class WizardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication();
        SetComponentLibraryFolder(ComponentDir());
        ASSERT_TRUE(temp_.isValid());
        AssessmentState fresh;
        InitialiseReferenceTables(fresh);
        fresh.TempFolder = temp_.path();
        TheAssessment() = fresh;
        TheSelectionSession() = SelectionSession();
        TheCaseFileCallbacks() = ProgramCaseFileCallbacks();
        forms::frmDepoAndAg.Show();
    }

    void TearDown() override
    {
        forms::frmDepoAndAg.Unload();
        forms::frmTALVOfile.Unload();
        ProcessDeferredDeletes();
        TheCaseFileCallbacks() = CaseFileCallbacks();
        SetComponentLibraryFolder(QString());
    }

    static AssessmentState& state() { return TheAssessment(); }
    static frmDepoAndAg* wizard() { return forms::frmDepoAndAg.existing(); }
    static Page page() { return wizard()->CurrentPage(); }

    template <typename T> static T* control(const char* name)
    {
        T* found = wizard()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QPushButton* button(const char* name) { return control<QPushButton>(name); }
    static QListWidget* list(const char* name) { return control<QListWidget>(name); }
    static QString labelText(const char* name) { return control<QLabel>(name)->text(); }

    // Pressing a button the user could press: a disabled one does nothing, as on screen.
    static void press(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    static QStringList items(const char* name)
    {
        QStringList texts;
        for (int i = 0; i < list(name)->count(); ++i)
            texts << list(name)->item(i)->text();
        return texts;
    }

    // A click on the item, as the user gives it.
    static void clickItem(const char* listName, const QString& text)
    {
        QListWidget* box = list(listName);
        const QList<QListWidgetItem*> found = box->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        box->scrollToItem(found.first());
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(found.first()).center());
    }

    void chooseScenarioAndFarm(const QString& scenario, const QString& farm)
    {
        clickItem("ListDeposition", scenario);
        press("CommandNext");
        clickItem("ListAgricultureType", farm);
        press("CommandNext");
    }

    // Scenario, farm type, the countermeasures by catalogue index, then Next to the question pages.
    void runTo(const QString& scenario, const QString& farm, std::initializer_list<int> countermeasures)
    {
        chooseScenarioAndFarm(scenario, farm);
        for (int index : countermeasures)
            clickItem("ListCountermeasures", state().Countermeasures(index).Name);
        press("CommandNext");
    }

    // A question widget by its control name, or nullptr.
    static QWidget* question(const QString& controlName) { return wizard()->findChild<QWidget*>(controlName); }
    static QString parentFrame(const QString& controlName)
    {
        QWidget* widget = question(controlName);
        return widget && widget->parentWidget() ? widget->parentWidget()->objectName() : QString();
    }

    // Answers as the user gives them.
    static void type(const QString& controlName, const QString& text)
    {
        QWidget* widget = question(controlName);
        ASSERT_NE(widget, nullptr) << controlName.toStdString();
        auto* box = widget->findChild<QLineEdit*>();
        ASSERT_NE(box, nullptr);
        QTest::keyClicks(box, text);
    }
    static void answerYesNo(const QString& controlName, bool yes)
    {
        QWidget* widget = question(controlName);
        ASSERT_NE(widget, nullptr) << controlName.toStdString();
        auto* option = widget->findChild<QRadioButton*>(yes ? QStringLiteral("OptionYes") : QStringLiteral("OptionNo"));
        ASSERT_NE(option, nullptr);
        QTest::mouseClick(option, Qt::LeftButton);
    }
    // Choosing an option raises the same events as a choice from the drop-down.
    static void choose(const QString& controlName, int position)
    {
        QWidget* widget = question(controlName);
        ASSERT_NE(widget, nullptr) << controlName.toStdString();
        ASSERT_TRUE(widget->setProperty("Answer", position));
    }

    static QString answerOf(int index) { return state().LimitationQuestions(index).AnswerText; }

    static QString resultsText(const char* name)
    {
        auto* box = forms::frmTALVOfile->findChild<ResultsTextBox*>(QString::fromLatin1(name));
        EXPECT_NE(box, nullptr) << name;
        return box ? box->text() : QString();
    }

    ScopedComponentRegistry registry_;
    RecordingMessageSeam messages_;
    QTemporaryDir temp_;
};

} // namespace talvo::test
