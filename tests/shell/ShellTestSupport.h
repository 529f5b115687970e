#pragma once

#include "tests/support/RecordingSeams.h"

#include <QStringList>

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class QAction;
class QApplication;
class QWidget;

namespace talvo {
class frmMain;
}

namespace talvo::test {

// The one application object of the test program, created on first use (headless).
QApplication& TestApp();

// Each test gets a fresh assessment with the reference tables, a working folder and a settings file of its own
// in a temporary folder, the help file of the source tree, and recording seams.
class ShellTest : public ::testing::Test
{
protected:
    ShellTest() { TestApp(); }
    void SetUp() override;
    void TearDown() override;

    QString tempPath(const QString& name) const;

    QTemporaryDir dir_;
    RecordingMessageSeam messages_;
    RecordingFileDialogSeam files_;
};

// Whether the results window is shown inside its main window (which itself may be hidden in a test).
bool ResultsWindowShown();

// A control of a window by its name.
QAction* Action(const QWidget& window, const QString& name);

// The enabled state of every gated command, as "+" or "-" after a short name, menus first and then the toolbar
// buttons by number: "New+ Open+ Close- ... | 1+ 2+ 3- 5- 6- 7- 9- 11+".
QString Gating(const frmMain& window);

} // namespace talvo::test
