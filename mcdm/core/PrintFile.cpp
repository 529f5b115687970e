#include "mcdm/core/PrintFile.h"

#include "platform/core/WholeFile.h"

namespace talvo {

bool PrintFile::save() const
{
    return SaveWholeFile(path_, contents_.toUtf8(), QStringLiteral("file"), SaveRole::WorkingFile);
}

} // namespace talvo
