#pragma once

#include "platform/ui/FormHandle.h"
#include "shell/ui/PictureClip.h"

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace talvo {

// The borderless start-up window: name, version, conditions of use and a turning logo. It shows the main window
// when it closes: by itself after 4000 ms, or at once on a click or a key.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    void Timer1_Timer();
    void Timer2_Timer();
    void Frame1_Click();
    void Form_KeyPress(int KeyAscii);
    void ShowNextLogoFrame();

    // The logo cell shown now.
    int LogoCell() const { return logoCell_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    // Stops the timers so nothing fires between the unload and the window's deletion.
    void unloadAndShowMain(bool hideFirst);

    QFrame* Frame1 = nullptr;
    QLabel* imgLogo = nullptr;
    PictureClip PictureClip1;
    QLabel* lblVersion = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblWarning = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblLicenseTo = nullptr;
    QLabel* lblCompany = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    int logoCell_ = 0;
    bool closing_ = false;
};

namespace forms {
inline FormHandle<talvo::frmSplash> frmSplash;
} // namespace forms

} // namespace talvo
