#include "shell/ui/frmLogin.h"

#include "platform/core/Seams.h"
#include "platform/ui/WindowPlacement.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <pwd.h>
#include <unistd.h>

namespace talvo {

QString CurrentUserName()
{
    for (const char* name : {"USER", "LOGNAME"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    if (const passwd* entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return {};
}

frmLogin::frmLogin(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Login"));

    txtUserName = new QLineEdit;
    txtUserName->setObjectName(QStringLiteral("txtUserName"));
    txtPassword = new QLineEdit;
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    auto* userLabel = new QLabel(QStringLiteral("&User Name:"));
    userLabel->setBuddy(txtUserName);
    auto* passwordLabel = new QLabel(QStringLiteral("&Password:"));
    passwordLabel->setBuddy(txtPassword);

    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* fields = new QFormLayout;
    fields->addRow(userLabel, txtUserName);
    fields->addRow(passwordLabel, txtPassword);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowNoMaximiseButton(*this);

    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);

    Form_Load();
}

void frmLogin::Form_Load()
{
    txtUserName->setText(CurrentUserName());
}

void frmLogin::cmdOK_Click()
{
    if (txtPassword->text().isEmpty()) {
        PasswordAccepted = true;
        hide();
        return;
    }
    MsgBox(QStringLiteral("Invalid Password, try again!"), MessageButtons::OK, MessageIcon::None,
           QStringLiteral("Login"));
    txtPassword->setFocus();
    txtPassword->selectAll();
}

void frmLogin::cmdCancel_Click()
{
    PasswordAccepted = false;
    hide();
}

} // namespace talvo
