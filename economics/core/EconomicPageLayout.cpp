#include "economics/core/EconomicPageLayout.h"

#include "tables/core/ReferenceTables.h"

namespace talvo {
namespace {

std::array<int, 42> farmDataOrder(bool eightBeforeSeven)
{
    std::array<int, 42> order{};
    for (int i = 0; i < 42; ++i)
        order[static_cast<std::size_t>(i)] = i;
    if (eightBeforeSeven)
        std::swap(order[7], order[8]);
    std::swap(order[15], order[16]);
    return order;
}

constexpr Single RowHeight = 400;
constexpr Single FirstRowOffset = 350;
constexpr Single LastRowTop = 4750;

} // namespace

const std::array<int, 42>& FarmDataCreationOrder()
{
    static const std::array<int, 42> order = farmDataOrder(false);
    return order;
}

const std::array<int, 42>& FarmDataCheckOrder()
{
    static const std::array<int, 42> order = farmDataOrder(true);
    return order;
}

std::vector<EconomicQuestionPlacement> FarmDataPageLayout(const AssessmentState& state, EconomicSession& session)
{
    std::vector<EconomicQuestionPlacement> placements;
    session.QuestionCount = 0;
    for (int record : FarmDataCreationOrder()) {
        if (!state.EconomicQuestions(record).Needed)
            continue;
        placements.push_back(
            {record, EconomicFrame::FrameEcQuestions1, 125, NextFarmDataRowTop(session), record != BarleyAreaRecord});
    }
    return placements;
}

Single NextFarmDataRowTop(EconomicSession& session)
{
    ++session.QuestionCount;
    return FirstRowOffset + RowHeight * static_cast<Single>(session.QuestionCount);
}

bool BarleyAreaVisible(const AssessmentState& state)
{
    return state.EconomicQuestions(BarleyGrownRecord).AnswerText == QStringLiteral("Yes");
}

bool NextEconomicQuestionsFrame(EconomicSession& session, Single top, EconomicFrame& currentFrame)
{
    bool moved = false;
    if (top == LastRowTop && session.FrameEcQuestions3Used) {
        moved = true;
        currentFrame = EconomicFrame::FrameEcQuestions4;
        session.FrameEcQuestions4Used = true;
    }
    if (top == LastRowTop && !session.FrameEcQuestions3Used) {
        moved = true;
        currentFrame = EconomicFrame::FrameEcQuestions3;
        session.FrameEcQuestions3Used = true;
    }
    return moved;
}

std::vector<EconomicQuestionPlacement> EconomicVariablePagesLayout(const AssessmentState& state,
                                                                   EconomicSession& session)
{
    std::vector<EconomicQuestionPlacement> placements;
    session.FrameEcQuestions3Used = false;
    session.FrameEcQuestions4Used = false;
    session.QuestionCount = 0;
    EconomicFrame frame = EconomicFrame::FrameEcQuestions2;
    Single top = 0;
    for (int record = FirstEconomicVariable; record <= LastEconomicVariable; ++record) {
        if (!state.EconomicQuestions(record).Needed)
            continue;
        if (NextEconomicQuestionsFrame(session, top, frame))
            session.QuestionCount = 0;
        ++session.QuestionCount;
        top = static_cast<Single>(session.QuestionCount) * RowHeight + FirstRowOffset;
        placements.push_back({record, frame, 130, top, true});
    }
    return placements;
}

} // namespace talvo
