#pragma once

// The cost/benefit wizard driven as a user would: buttons clicked, numbers typed and options clicked in the real
// question widgets, which the window creates through a registry of the test's own.

#include "casefile/ui/TextGrid.h"
#include "casefile/ui/frmTALVOfile.h"
#include "economics/core/EconomicSession.h"
#include "economics/ui/EconomicWindows.h"
#include "economics/ui/frmEconomic.h"
#include "platform/ui/ComponentLoader.h"
#include "tables/core/ReferenceTables.h"
#include "tests/components/ComponentTestSupport.h"
#include "tests/support/RecordingSeams.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>

namespace talvo::test {

inline const QString DairyFarm = QStringLiteral("Dairy Production");
inline const QString ScenarioS1 = QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241");

class EconomicWizardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication();
        SetComponentLibraryFolder(ComponentDir());
        AssessmentState fresh;
        InitialiseReferenceTables(fresh);
        TheAssessment() = fresh;
        TheEconomicSession() = EconomicSession();
    }

    void TearDown() override
    {
        forms::frmEconomic.Unload();
        forms::frmTALVOfile.Unload();
        ProcessDeletes();
        SetComponentLibraryFolder(QString());
    }

    static void ProcessDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static void Final(const QString& farmType, std::initializer_list<const char*> countermeasures,
                      const QString& scenario = ScenarioS1)
    {
        AssessmentState& state = TheAssessment();
        state.AgricultureType = farmType;
        state.DepositionScenario = scenario;
        int i = 0;
        for (const char* name : countermeasures)
            state.FinalCountermeasures(i++) = QString::fromUtf8(name);
        state.NumberOfCountermeasures = static_cast<Integer>(i);
    }

    frmEconomic& Open()
    {
        ShowEconomicWizard();
        return forms::frmEconomic.get();
    }
    frmEconomic& Wizard() { return forms::frmEconomic.get(); }
    EconomicFrame Page() { return Wizard().CurrentFrame(); }

    QPushButton* Button(const char* name)
    {
        auto* found = Wizard().findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // A click as the user makes it: a disabled button does nothing.
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    void Next() { Click("CommandNext"); }
    void Back() { Click("CommandBack"); }

    // A question widget still on the window (a removed one is gone once the deferred deletes ran).
    QWidget* Question(const QString& name) { return Wizard().findChild<QWidget*>(name); }
    QWidget* Question(int record) { return Question(TheAssessment().EconomicQuestions(record).ControlName); }

    QLineEdit* AnswerBox(int record)
    {
        QWidget* question = Question(record);
        EXPECT_NE(question, nullptr) << record;
        return question ? question->findChild<QLineEdit*>(QStringLiteral("TextAnswer")) : nullptr;
    }
    // Types into the answer box after emptying it, key by key.
    void Type(int record, const QString& text)
    {
        QLineEdit* box = AnswerBox(record);
        ASSERT_NE(box, nullptr) << record;
        box->setFocus();
        // The answer box refuses keys that are not part of a number, End among them.
        box->setCursorPosition(static_cast<int>(box->text().size()));
        while (!box->text().isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    void Answer(int record, bool yes)
    {
        QWidget* question = Question(record);
        ASSERT_NE(question, nullptr) << record;
        auto* option =
            question->findChild<QRadioButton*>(yes ? QStringLiteral("OptionYes") : QStringLiteral("OptionNo"));
        ASSERT_NE(option, nullptr);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }

    TextGrid* Grid(QWidget& window, const char* name)
    {
        auto* grid = window.findChild<TextGrid*>(QString::fromLatin1(name));
        EXPECT_NE(grid, nullptr) << name;
        return grid;
    }

    ScopedComponentRegistry registry_;
    RecordingMessageSeam messages_;
};

} // namespace talvo::test
