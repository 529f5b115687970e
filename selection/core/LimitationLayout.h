#pragma once

#include "selection/core/SelectionSession.h"
#include "tables/core/AssessmentState.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace talvo {

// Where the question pages put their widgets, in twips.
constexpr int LimitationLeft = 120;
constexpr int QuestionRowPitch = 400;
constexpr int QuestionWidth = 5535;
constexpr int QuestionHeight = 400;
constexpr int LastRowTop = 4000; // the tenth row of a frame

// One question widget as the wizard creates it through the component host, in this order: add the control
// (ProgID, ControlName, inside Frame) and bind it to WidgetReference; Move(Left, Top, Width, Height); set
// Question; AddAnswerOption for each option; set Visible; then, when Answer holds a text, set Answer.
struct PlacedQuestion
{
    int Index = 0; // the record in LimitationQuestions
    QString ProgID;
    QString ControlName;     // the name the control is created (and later removed) under
    QString WidgetReference; // the handler is <WidgetReference>_ObjectEvent
    LimitationsFrame Frame = LimitationsFrame::FrameLimitations1;
    bool FrameSwitched = false; // the page was full: this widget opened the next frame
    int Left = LimitationLeft;
    int Top = 0;
    int Width = QuestionWidth;
    int Height = QuestionHeight;
    QString Question;
    QStringList AnswerOptions;
    std::optional<QString> Answer; // the stored answer shown at creation (only ctlSlope shows one)
    bool Visible = true;
};

// The pages after FillLimitationsFrame. The session holds the same counters.
struct LimitationLayout
{
    std::vector<PlacedQuestion> Questions; // in creation order
    Integer QuestionCount = 0;             // 0 when no question was placed at all
    LimitationsFrame CurrentLimitationsFrame = LimitationsFrame::FrameLimitations1;
    bool FrameLimitations2Used = false;
    bool FrameLimitations3Used = false;
};

// Lays out one widget per needed question, ten rows a frame, and sets the session's QuestionCount,
// CurrentLimitationsFrame and page-used flags. Follow-up questions keep their rows while hidden. Under a lime
// countermeasure the CEC-known question (answer preset) is hidden and the CEC question takes its row. With a
// potassium countermeasure and no lime one, the follow-up that the stored CEC-known answer opens is created
// visible, since the completeness check will demand it.
LimitationLayout FillLimitationsFrame(const AssessmentState& state, SelectionSession& session);

// True when the widget placed last (at Top) filled its frame and CurrentLimitationsFrame moved on.
bool NextLimitationsFrame(SelectionSession& session, int Top);

// The controls to remove, by ControlName, in removal order; clears LimeAssessed and PotassiumAssessed. Needed
// flags and answers stay.
QStringList EmptyLimitationsFrame(const AssessmentState& state, SelectionSession& session);

} // namespace talvo
