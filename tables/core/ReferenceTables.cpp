#include "tables/core/ReferenceTables.h"

namespace talvo {

void InitialiseReferenceTables(AssessmentState& state)
{
    InitialiseCriteria(state);
    InitialiseChartColours(state);
    InitialiseCountermeasures(state);
    InitialiseLimitationQuestions(state);
    InitialiseEconomicQuestions(state);
}

} // namespace talvo
