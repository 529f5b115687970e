#pragma once

#include "platform/ui/FormHandle.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace talvo {

// A login dialog that nothing in the program opens. It accepts only an empty password.
class frmLogin : public QDialog
{
    Q_OBJECT

public:
    explicit frmLogin(QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

    bool PasswordAccepted = false;

    QLineEdit* UserName() const { return txtUserName; }
    QLineEdit* Password() const { return txtPassword; }

private:
    QLineEdit* txtUserName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

// The current user's login name as the system reports it; empty when it reports none.
QString CurrentUserName();

namespace forms {
inline FormHandle<talvo::frmLogin> frmLogin;
} // namespace forms

} // namespace talvo
