#pragma once

#include "casefile/ui/frmEditScores.h"
#include "casefile/ui/frmTALVOfile.h"
#include "tests/casefile/CaseFileTestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace talvo::test {

// Headless widget tests on the process-wide assessment: each starts from freshly filled tables and no windows.
class WidgetTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "casefile_ui_tests";
            static char* argv[] = {name, nullptr};
            // Never destroyed: a simulated click's pointing device must not outlive Qt's statics at exit.
            new QApplication(argc, argv);
        }
    }

    void SetUp() override
    {
        TheAssessment() = FreshState();
        TheCaseFileCallbacks() = CaseFileCallbacks();
    }

    void TearDown() override
    {
        forms::frmEditScores.Unload();
        forms::frmTALVOfile.Unload();
        processDeletes();
    }

    static void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace talvo::test
