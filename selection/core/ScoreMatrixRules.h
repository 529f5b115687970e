#pragma once

#include "tables/core/AssessmentState.h"

#include <QString>

namespace talvo {

// Writes row Row of ScoreMatrix (criteria 0 to 9) for one final countermeasure of the farm type in
// AgricultureType, from the fixed expert scores and the stored answers (soil type, energy share from
// concentrate, animal sale, rough grazing, existing crop). The row's ten cells are cleared first, so no value of
// an earlier assessment survives; a farm type that matches none of the seven, or a name outside its group,
// writes nothing. Row outside 0 to 20 throws SubscriptOutOfRange.
void FillScoreMatrix(AssessmentState& state, const QString& Countermeasure, int Row);

} // namespace talvo
