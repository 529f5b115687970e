#include "tables/core/AssessmentState.h"

namespace talvo {

AssessmentState& TheAssessment()
{
    static AssessmentState state;
    return state;
}

} // namespace talvo
