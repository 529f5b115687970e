#pragma once

#include "platform/ui/FormHandle.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QPushButton;
class QTabBar;

namespace talvo {

// An options dialog with four tabbed pages of sample frames; only the main window's ShowOptions opens it.
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    explicit frmOptions(QWidget* parent = nullptr);

    void Form_Load();
    // KeyCode is a key code (Tab is 9); Shift holds 1 for Shift, 2 for Ctrl, 4 for Alt.
    void Form_KeyDown(int KeyCode, int Shift);
    void tbsOptions_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdApply_Click();

    QTabBar* Tabs() const { return tbsOptions; }
    QWidget* Page(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void unload();

    QTabBar* tbsOptions = nullptr;
    std::array<QWidget*, 4> picOptions{};
    std::array<QGroupBox*, 4> fraSample{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdApply = nullptr;
};

namespace forms {
inline FormHandle<talvo::frmOptions> frmOptions;
} // namespace forms

} // namespace talvo
