#include "casefile/core/CaseFileCallbacks.h"

namespace talvo {

CaseFileCallbacks& TheCaseFileCallbacks()
{
    static CaseFileCallbacks callbacks;
    return callbacks;
}

} // namespace talvo
