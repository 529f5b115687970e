#pragma once

#include "tables/core/AssessmentState.h"

namespace talvo {

// Flags the farm-data questions and economic variables that one countermeasure of the current farm type needs.
// Flags only ever go up, so calling it for every final countermeasure flags the union. A farm type or name that
// matches no rule (compared as exact text) flags nothing.
void WhichCosts(AssessmentState& state, const QString& countermeasure);

// Clears the Needed flags of the farm-data questions 0 to 41; answers stay.
void DisableAllCosts(AssessmentState& state);
// Clears the Needed flags of the economic variables 42 to 136; values stay.
void DisableAllEconomicVars(AssessmentState& state);

} // namespace talvo
