#pragma once

#include "platform/ui/FormHandle.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace talvo {

// Where the about box looks for the system-information viewer: two keys of the settings store.
// The first look-up gives the viewer's full path; the second a folder that holds SysInfoProgram.
inline const QString SysInfoPathSection = QStringLiteral("Shared Tools/MSINFO");
inline const QString SysInfoPathKey = QStringLiteral("PATH");
inline const QString SysInfoFolderSection = QStringLiteral("Shared Tools Location");
inline const QString SysInfoFolderKey = QStringLiteral("MSINFO");
inline const QString SysInfoProgram = QStringLiteral("MSINFO32.EXE");

// The about box: title, version, conditions of use and a button that starts the system-information viewer.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    // Reads one value of the settings store; True when it holds one.
    bool GetKeyValue(const QString& KeyName, const QString& SubKeyRef, QString& KeyVal) const;

    // Starts a program; tests replace it. Returns false when the program could not be started.
    std::function<bool(const QString&)> StartProgram;

private:
    void Form_Load();

    QFrame* Frame1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* LabelConditionsUse = nullptr;
    QLabel* LabelCopyright = nullptr;
    QLabel* LabelIntellectual = nullptr;
    QLabel* LabelDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

namespace forms {
inline FormHandle<talvo::frmAbout> frmAbout;
} // namespace forms

} // namespace talvo
