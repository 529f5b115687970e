#include "selection/core/SelectionCancelPoint.h"

namespace talvo {

SelectionCancelPoint KeepSelectionCancelPoint(const AssessmentState& state, const SelectionSession& session)
{
    return SelectionCancelPoint{state.AgricultureType,
                                state.DepositionScenario,
                                state.SelectedCountermeasures,
                                state.FinalCountermeasures,
                                state.NumberOfCountermeasures,
                                state.NoSuitableCountermeasures.IsSet,
                                state.NoCountermeasuresNeeded.IsSet,
                                state.LimitationQuestions,
                                session};
}

void RestoreSelectionCancelPoint(const SelectionCancelPoint& point, AssessmentState& state, SelectionSession& session)
{
    state.AgricultureType = point.AgricultureType;
    state.DepositionScenario = point.DepositionScenario;
    state.SelectedCountermeasures = point.SelectedCountermeasures;
    state.FinalCountermeasures = point.FinalCountermeasures;
    state.NumberOfCountermeasures = point.NumberOfCountermeasures;
    state.NoSuitableCountermeasures.IsSet = point.NoSuitableCountermeasuresIsSet;
    state.NoCountermeasuresNeeded.IsSet = point.NoCountermeasuresNeededIsSet;
    state.LimitationQuestions = point.LimitationQuestions;
    session = point.Session;
}

std::optional<SelectionCancelPoint>& PendingSelectionCancelPoint()
{
    static std::optional<SelectionCancelPoint> pending;
    return pending;
}

} // namespace talvo
