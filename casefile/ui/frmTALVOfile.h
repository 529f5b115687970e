#pragma once

#include "platform/ui/FormHandle.h"

#include <QWidget>

namespace talvo {

// The results window: an MDI child of the main window that shows the one open assessment.
class frmTALVOfile : public QWidget
{
    Q_OBJECT

public:
    explicit frmTALVOfile(QWidget* parent = nullptr);

    // Each reports its own failure to the user and returns false; on failure nothing the user had is lost.
    bool SaveTALVOfile(const QString& FileName);
    bool OpenTALVOfile(const QString& FileName);
    bool ExportTALVOfileAsText(const QString& FileName);
};

namespace forms {
inline FormHandle<talvo::frmTALVOfile> frmTALVOfile;
} // namespace forms

} // namespace talvo
