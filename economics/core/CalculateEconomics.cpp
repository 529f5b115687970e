#include "economics/core/CalculateEconomics.h"

#include "economics/core/CostBlocks.h"
#include "platform/core/NumberForms.h"
#include "platform/core/Rounding.h"

#include <QStringList>

#include <cmath>

namespace talvo {
namespace {

const QString LineMiddle = QStringLiteral("=   ") + QChar(0x00A3);
const QString LineEnd = QStringLiteral("\r\n");

MessageRequest notCalculated(const QString& name, const QString& reason)
{
    MessageRequest request;
    request.text = QStringLiteral("The costs and benefits of \"%1\" cannot be calculated, %2\nThey are shown as 0.")
                       .arg(name, reason);
    request.icon = MessageIcon::Exclamation;
    request.buttons = MessageButtons::OK;
    request.title = CostCalculationTitle;
    return request;
}

MessageRequest zeroDivisorMessage(const AssessmentState& state, const QString& name, const std::vector<int>& records)
{
    QStringList questions;
    for (int record : records)
        questions << state.EconomicQuestions(record).QuestionText;
    const QString reason = records.size() == 1 ? QStringLiteral("because this answer is 0:\n")
                                               : QStringLiteral("because these answers are 0:\n");
    return notCalculated(name, reason + questions.join(QLatin1Char('\n')));
}

} // namespace

Double WholePounds(Double value)
{
    // Adding 0 turns -0 into 0, so a small negative amount is not written "-0".
    return RoundHalfEven(value) + 0.0;
}

QString WholePoundsText(Double value)
{
    return FormatStandard(WholePounds(value));
}

std::optional<MessageRequest> CalculateEconomics(AssessmentState& state, EconomicSession& session,
                                                 const QString& countermeasure)
{
    const costs::FarmTypeBlocks* group = nullptr;
    for (const costs::FarmTypeBlocks& blocks : costs::AllFarmTypeBlocks()) {
        if (state.AgricultureType == QLatin1String(blocks.farmType)) {
            group = &blocks;
            break;
        }
    }
    if (!group)
        return std::nullopt;

    for (int k = group->first; k <= group->last; ++k) {
        CountermeasureRecord& record = state.Countermeasures(k);
        if (record.Name != countermeasure)
            continue;

        costs::CostInputs inputs(state);
        const costs::BlockResult result = group->formulas(k, inputs);
        std::optional<MessageRequest> message;
        const Double cost = result.Cost.value_or(record.Cost);
        const Double benefit = result.Benefit.value_or(record.Benefit);
        const Double net = benefit - cost;
        if (!inputs.ZeroDivisors().empty()) {
            message = zeroDivisorMessage(state, record.Name, inputs.ZeroDivisors());
        } else if (!std::isfinite(cost) || !std::isfinite(benefit) || !std::isfinite(net)) {
            message = notCalculated(record.Name, QStringLiteral("because the result is too large."));
        }
        if (message) {
            record.Cost = 0;
            record.Benefit = 0;
            record.NetBenefit = 0;
        } else {
            record.Cost = cost;
            record.Benefit = benefit;
            record.NetBenefit = net;
        }
        session.CountermeasureCostsText += record.Name + LineMiddle + WholePoundsText(record.Cost) + LineEnd;
        session.CountermeasureBenefitsText += record.Name + LineMiddle + WholePoundsText(record.Benefit) + LineEnd;
        session.CostBenefitSummaryText += record.Name + LineMiddle + WholePoundsText(record.NetBenefit) + LineEnd;
        return message;
    }
    return std::nullopt;
}

std::vector<MessageRequest> CalculateFinalEconomics(AssessmentState& state, EconomicSession& session)
{
    session.CountermeasureCostsText.clear();
    session.CountermeasureBenefitsText.clear();
    session.CostBenefitSummaryText.clear();
    std::vector<MessageRequest> messages;
    for (int i = 0; i < state.NumberOfCountermeasures; ++i) {
        if (auto message = CalculateEconomics(state, session, state.FinalCountermeasures(i)))
            messages.push_back(*message);
    }
    return messages;
}

} // namespace talvo
