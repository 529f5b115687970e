#pragma once

#include "platform/core/BasicTypes.h"

#include <QString>

namespace talvo {

// The three question pages of the selection wizard.
enum class LimitationsFrame { FrameLimitations1, FrameLimitations2, FrameLimitations3 };

// The frame's control name ("FrameLimitations1" ...).
QString LimitationsFrameName(LimitationsFrame frame);

// The window-level variables of frmDepoAndAg that the selection rules read and write. They live outside the
// window because the evaluation-file reader assesses countermeasures with no wizard open, and because the
// window's variables keep their values when it is unloaded.
struct SelectionSession
{
    bool LimeAssessed = false;      // a lime countermeasure was assessed in this pass
    bool PotassiumAssessed = false; // a potassium-fertiliser countermeasure was assessed in this pass
    bool CECRequired = false;       // the completeness check demands the CEC answer
    bool KStatusRequired = false;   // the completeness check demands the soil potassium answer

    // Question layout: widgets placed on the current frame, that frame, and which later frames got any.
    Integer QuestionCount = 0;
    LimitationsFrame CurrentLimitationsFrame = LimitationsFrame::FrameLimitations1;
    bool FrameLimitations2Used = false;
    bool FrameLimitations3Used = false;
};

// The process-wide session that the wizard and the evaluation-file reader share.
SelectionSession& TheSelectionSession();

} // namespace talvo
