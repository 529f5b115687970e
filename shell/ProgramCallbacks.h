#pragma once

#include "casefile/core/CaseFileCallbacks.h"

namespace talvo {

// The callbacks bound to the selection and economic cores and their process-wide sessions: what the program
// installs into TheCaseFileCallbacks() at start-up.
CaseFileCallbacks ProgramCaseFileCallbacks();

} // namespace talvo
