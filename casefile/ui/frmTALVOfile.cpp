#include "casefile/ui/frmTALVOfile.h"

#include "platform/core/Seams.h"

namespace talvo {

frmTALVOfile::frmTALVOfile(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("frmTALVOfile")); }

bool frmTALVOfile::SaveTALVOfile(const QString& FileName)
{
    reportFailure(QStringLiteral("Saving is not available yet: %1").arg(FileName));
    return false;
}

bool frmTALVOfile::OpenTALVOfile(const QString& FileName)
{
    reportFailure(QStringLiteral("Opening is not available yet: %1").arg(FileName));
    return false;
}

bool frmTALVOfile::ExportTALVOfileAsText(const QString& FileName)
{
    reportFailure(QStringLiteral("Exporting is not available yet: %1").arg(FileName));
    return false;
}

} // namespace talvo
