#pragma once

#include "casefile/ui/ResultsTextBox.h"
#include "casefile/ui/frmTALVOfile.h"
#include "mcdm/core/RankingSession.h"
#include "mcdm/ui/frmGetThresholds.h"
#include "mcdm/ui/frmGraphResults.h"
#include "mcdm/ui/frmGraphWeights.h"
#include "mcdm/ui/frmMCDM.h"
#include "mcdm/ui/frmViewScores.h"
#include "tables/core/ReferenceTables.h"
#include "tests/mcdm/RankingCase.h"
#include "tests/support/RecordingSeams.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace talvo::test {

// Headless window tests on the process-wide assessment: each starts from freshly filled tables, a working folder
// of its own, an empty ranking session and no windows.
class RankingWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // Never destroyed: the test input devices of QTest are static and must not outlive it.
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "mcdm_ui_tests";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }

    void SetUp() override
    {
        AssessmentState& s = TheAssessment();
        s = AssessmentState();
        InitialiseReferenceTables(s);
        s.TempFolder = folder.path();
        TheRankingSession() = RankingSession();
    }

    void TearDown() override
    {
        forms::frmMCDM.Unload();
        forms::frmGetThresholds.Unload();
        forms::frmGraphResults.Unload();
        forms::frmGraphWeights.Unload();
        forms::frmViewScores.Unload();
        forms::frmTALVOfile.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Final countermeasures "A", "B", ... with every score of countermeasure i equal to scores[i].
    static void SetFinalCountermeasures(std::initializer_list<Single> scores)
    {
        AssessmentState& s = TheAssessment();
        int i = 0;
        for (Single score : scores) {
            s.FinalCountermeasures(i) = QString(QLatin1Char(static_cast<char>('A' + i)));
            for (int j = 0; j < s.NumberOfCriteria; ++j)
                s.ScoreMatrix(i, j) = score;
            ++i;
        }
        s.NumberOfCountermeasures = static_cast<Integer>(i);
    }

    template <typename T> static T* Control(QWidget& window, const QString& name)
    {
        T* found = window.findChild<T*>(name);
        if (!found)
            ADD_FAILURE() << "no control " << name.toStdString();
        return found;
    }

    static QString ResultsText(const char* name)
    {
        auto* box = Control<ResultsTextBox>(forms::frmTALVOfile.get(), QString::fromLatin1(name));
        return box ? box->text() : QString();
    }
    static QString PUsedCaption()
    {
        auto* label = Control<QLabel>(forms::frmTALVOfile.get(), QStringLiteral("LabelPUsed"));
        return label ? label->text() : QString();
    }

    QTemporaryDir folder;
    RecordingMessageSeam messages;
};

} // namespace talvo::test
