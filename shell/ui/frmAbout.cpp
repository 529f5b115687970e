#include "shell/ui/frmAbout.h"

#include "platform/core/Seams.h"
#include "platform/core/TempFolder.h"
#include "platform/ui/SettingsStore.h"
#include "platform/ui/WindowPlacement.h"
#include "shell/core/AppInfo.h"
#include "shell/core/ShellTexts.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace talvo {
namespace {

const QString SysInfoUnavailableText = QStringLiteral("System Information Is Unavailable At This Time");

QLabel* makeLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + App().Title);
    setModal(false);

    Frame1 = new QFrame;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblTitle = makeLabel("lblTitle");
    lblVersion = makeLabel("lblVersion");
    LabelConditionsUse = makeLabel("LabelConditionsUse");
    LabelCopyright = makeLabel("LabelCopyright");
    LabelIntellectual = makeLabel("LabelIntellectual");
    LabelDisclaimer = makeLabel("LabelDisclaimer");
    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setSpacing(10);
    for (QLabel* label : {LabelConditionsUse, LabelCopyright, LabelIntellectual, LabelDisclaimer})
        frameLayout->addWidget(label);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblVersion);
    layout->addWidget(Frame1, 1);
    layout->addLayout(buttons);
    setMinimumWidth(500);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowNoMaximiseButton(*this);

    StartProgram = [](const QString& path) { return QProcess::startDetached(path, {}); };
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    lblVersion->setText(VersionText(App()));
    QFont title = lblTitle->font();
    title.setPointSize(14);
    title.setBold(true);
    lblTitle->setFont(title);
    lblTitle->setText(App().CompanyName);
    LabelConditionsUse->setText(ConditionsOfUseText);
    LabelCopyright->setText(CopyrightText);
    LabelIntellectual->setText(IntellectualPropertyText);
    LabelDisclaimer->setText(DisclaimerText);
}

void frmAbout::cmdOK_Click()
{
    forms::frmAbout.existing() == this ? forms::frmAbout.Unload() : hide();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    QString path;
    QString folder;
    if (GetKeyValue(SysInfoPathSection, SysInfoPathKey, path)) {
        // the viewer's full path
    } else if (GetKeyValue(SysInfoFolderSection, SysInfoFolderKey, folder)) {
        path = JoinPath(folder, SysInfoProgram);
        if (!QFileInfo(path).isFile())
            path.clear();
    }
    if (path.isEmpty() || !StartProgram || !StartProgram(path))
        MsgBox(SysInfoUnavailableText);
}

bool frmAbout::GetKeyValue(const QString& KeyName, const QString& SubKeyRef, QString& KeyVal) const
{
    return QuerySetting(App().Title, KeyName, SubKeyRef, KeyVal);
}

} // namespace talvo
