#pragma once

#include "selection/core/SelectionSession.h"
#include "tables/core/AssessmentState.h"

#include <optional>

namespace talvo {

// What Cancel of the selection wizard puts back, so that a save after Cancel writes what a save before the wizard
// would have: everything its pages change (scenario, farm type, both countermeasure lists and their count, the
// two status flags, every limitation question's answer and Needed flag) and the session's flags, as they stood
// before the wizard was opened.
struct SelectionCancelPoint
{
    QString AgricultureType;
    QString DepositionScenario;
    BoundedArray<QString, 0, 18> SelectedCountermeasures;
    BoundedArray<QString, 0, 18> FinalCountermeasures;
    Integer NumberOfCountermeasures = 0;
    bool NoSuitableCountermeasuresIsSet = false;
    bool NoCountermeasuresNeededIsSet = false;
    BoundedArray<LimitationQuestionRecord, 0, 33> LimitationQuestions;
    SelectionSession Session;
};

SelectionCancelPoint KeepSelectionCancelPoint(const AssessmentState& state, const SelectionSession& session);
void RestoreSelectionCancelPoint(const SelectionCancelPoint& point, AssessmentState& state, SelectionSession& session);

// The main window keeps the point here before it empties the answers for a new selection; the wizard takes it
// when it loads, or keeps its own when it was opened some other way.
std::optional<SelectionCancelPoint>& PendingSelectionCancelPoint();

} // namespace talvo
