#include "selection/core/LimitationLayout.h"

#include "selection/core/LimitationAnswers.h"

#include <array>

namespace talvo {
namespace {

// Each follow-up stands right behind the question that shows it; the CEC question behind the CEC-known one.
constexpr std::array<int, 34> creationOrder = {0,  1,  2,  3,  4,  5,  6,  7,  9,  8,  10, 11, 16, 17, 21, 12, 13,
                                               14, 15, 18, 20, 19, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33};

constexpr std::array<int, 34> removalOrder = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 18,
                                              20, 19, 16, 17, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33};

bool visibleAtCreation(const AssessmentState& state, const SelectionSession& session, int index)
{
    const QString& knowCEC = state.LimitationQuestions(lq::KnowCEC).AnswerText;
    const bool potassiumOnly = session.PotassiumAssessed && !session.LimeAssessed;
    switch (index) {
    case lq::CEC:
        return session.LimeAssessed || (potassiumOnly && knowCEC == answer::Yes);
    case lq::Kstatus:
        return potassiumOnly && knowCEC == answer::No;
    case lq::KnowCEC:
        return !session.LimeAssessed;
    case lq::GrazingN:
    case lq::GrazingP:
    case lq::FertiliseFrequency:
    case lq::MowingN:
    case lq::MowingP:
        return false;
    default:
        return true;
    }
}

} // namespace

bool NextLimitationsFrame(SelectionSession& session, int Top)
{
    if (Top == LastRowTop && !session.FrameLimitations2Used) {
        session.CurrentLimitationsFrame = LimitationsFrame::FrameLimitations2;
        session.FrameLimitations2Used = true;
        return true;
    }
    if (Top == LastRowTop && session.FrameLimitations2Used) {
        session.CurrentLimitationsFrame = LimitationsFrame::FrameLimitations3;
        session.FrameLimitations3Used = true;
        return true;
    }
    return false;
}

LimitationLayout FillLimitationsFrame(const AssessmentState& state, SelectionSession& session)
{
    session.CurrentLimitationsFrame = LimitationsFrame::FrameLimitations1;
    session.QuestionCount = 0;
    session.FrameLimitations2Used = false;
    session.FrameLimitations3Used = false;

    LimitationLayout layout;
    int top = 0; // Top of the widget placed last; a hidden one still counts
    for (int index : creationOrder) {
        const LimitationQuestionRecord& record = state.LimitationQuestions(index);
        if (!record.Needed)
            continue;
        PlacedQuestion placed;
        placed.FrameSwitched = NextLimitationsFrame(session, top);
        if (placed.FrameSwitched)
            session.QuestionCount = 0;
        ++session.QuestionCount;
        top = QuestionRowPitch * session.QuestionCount;

        placed.Index = index;
        placed.ProgID = record.ProgID;
        placed.ControlName = record.ControlName;
        placed.WidgetReference = LimitationWidgetReference(index);
        placed.Frame = session.CurrentLimitationsFrame;
        placed.Top = top;
        placed.Question = record.QuestionText;
        placed.AnswerOptions = LimitationAnswerOptions(index);
        placed.Visible = visibleAtCreation(state, session, index);
        if (index == lq::Slope)
            placed.Answer = record.AnswerText;
        // The preset CEC-known question gives its row to the CEC question behind it.
        if (index == lq::KnowCEC && session.LimeAssessed)
            --session.QuestionCount;
        layout.Questions.push_back(placed);
    }
    layout.QuestionCount = session.QuestionCount;
    layout.CurrentLimitationsFrame = session.CurrentLimitationsFrame;
    layout.FrameLimitations2Used = session.FrameLimitations2Used;
    layout.FrameLimitations3Used = session.FrameLimitations3Used;
    return layout;
}

QStringList EmptyLimitationsFrame(const AssessmentState& state, SelectionSession& session)
{
    QStringList removed;
    for (int index : removalOrder) {
        if (state.LimitationQuestions(index).Needed)
            removed.append(state.LimitationQuestions(index).ControlName);
    }
    session.LimeAssessed = false;
    session.PotassiumAssessed = false;
    return removed;
}

} // namespace talvo
