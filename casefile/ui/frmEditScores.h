#pragma once

#include "platform/ui/FormHandle.h"

#include <QWidget>

class QComboBox;
class QPushButton;

namespace talvo {

// The score editor: one of the seven scale words for the score cell of the results window that was
// double-clicked. Not modal.
class frmEditScores : public QWidget
{
    Q_OBJECT

public:
    explicit frmEditScores(QWidget* parent = nullptr);

    void CommandAccept_Click();
    void CommandCancel_Click();

private:
    QComboBox* ComboScores = nullptr;
    QPushButton* CommandAccept = nullptr;
    QPushButton* CommandCancel = nullptr;
};

namespace forms {
inline FormHandle<talvo::frmEditScores> frmEditScores;
} // namespace forms

} // namespace talvo
