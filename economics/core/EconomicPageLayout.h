#pragma once

#include "economics/core/EconomicSession.h"
#include "tables/core/AssessmentState.h"

#include <array>
#include <vector>

namespace talvo {

// The frames of the cost/benefit wizard, one visible at a time.
enum class EconomicFrame {
    FrameIntro,
    FrameEcQuestions1,
    FrameEcQuestions2,
    FrameEcQuestions3,
    FrameEcQuestions4,
    FrameFinal
};

// Where one question widget goes, in twips inside its frame. Width 5535 and height 400 for every widget.
struct EconomicQuestionPlacement
{
    int Record = 0; // index into EconomicQuestions
    EconomicFrame Frame = EconomicFrame::FrameEcQuestions1;
    Single Left = 0;
    Single Top = 0;
    bool Visible = true; // as created
};

constexpr Single EconomicQuestionWidth = 5535;
constexpr Single EconomicQuestionHeight = 400;

// The farm-data records in the order their widgets are created (16 before 15) ...
const std::array<int, 42>& FarmDataCreationOrder();
// ... and in the order they are checked, removed, listed in the information text and saved (8 before 7 too).
const std::array<int, 42>& FarmDataCheckOrder();

// The yes/no "Is barley grown on the farm to feed to cows?" and its follow-up, the barley area.
constexpr int BarleyGrownRecord = 1;
constexpr int BarleyAreaRecord = 2;

// The farm-data page: every needed record 0 to 41 in creation order, left 125, tops 750, 1150, ... on
// FrameEcQuestions1; sets QuestionCount. The barley area is created hidden and keeps its row. Its yes/no question
// gets its stored answer only after the barley area exists, so that the answer event can show it (see
// BarleyAreaVisible). All needed widgets go on this one page; from the 12th on they lie below the frame's
// 5295 twips, so the window must let the user reach them.
std::vector<EconomicQuestionPlacement> FarmDataPageLayout(const AssessmentState& state, EconomicSession& session);

// The limitation record of the crop question and the arable countermeasures whose costs depend on the crop.
constexpr int CropQuestionRecord = 33;
constexpr int FirstCropCountermeasure = 54;
constexpr int LastCropCountermeasure = 61;

// The top of the next row of the farm-data page, counted into QuestionCount: where the crop question goes after
// the farm-data records.
Single NextFarmDataRowTop(EconomicSession& session);

// Whether the barley area is shown once the stored answers are applied: only under a "Yes".
bool BarleyAreaVisible(const AssessmentState& state);

// Moves the filling on to the next variable page when the widget placed last (its top given) took the page's
// eleventh row; sets the page-used flag of the page it moves to. Returns whether it moved.
bool NextEconomicQuestionsFrame(EconomicSession& session, Single top, EconomicFrame& currentFrame);

// The variable pages: every needed record 42 to 136 in ascending order, left 130, eleven a page from top 750 to
// 4750 on FrameEcQuestions2, then 3, then 4. Clears both page-used flags first (as leaving the farm-data page does)
// and sets them for the pages it uses; sets QuestionCount to the count on the last page used. Each widget shows
// FormatStandard(AnswerValue) as its answer.
std::vector<EconomicQuestionPlacement> EconomicVariablePagesLayout(const AssessmentState& state,
                                                                   EconomicSession& session);

} // namespace talvo
