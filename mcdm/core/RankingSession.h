#pragma once

#include "mcdm/core/FurtherRankingProcedures.h"
#include "mcdm/core/RankingTable.h"

namespace talvo {

// The variables of the ranking windows that outlive their widgets: the wizard's working tables and the levels
// last chosen in the threshold dialog (0 until its OK is pressed).
struct RankingSession
{
    RankingWorkspace Workspace;
    ThresholdLevels Thresholds;
};

// The process-wide session that the ranking wizard and the threshold dialog share.
RankingSession& TheRankingSession();

} // namespace talvo
