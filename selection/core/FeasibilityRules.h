#pragma once

#include "selection/core/SelectionSession.h"
#include "tables/core/AssessmentState.h"

#include <QString>

namespace talvo {

// True when no feasibility rule rules the countermeasure out on the stored answers. Text answers count as
// stored even when their question is not needed; a number reads 0 when its question is not needed or its
// answer is empty or not a number. Reads session.LimeAssessed; changes nothing. A name outside every group is
// feasible.
bool IsCountermeasureFeasible(const AssessmentState& state, const SelectionSession& session,
                              const QString& Countermeasure);

} // namespace talvo
