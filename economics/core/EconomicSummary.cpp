#include "economics/core/EconomicSummary.h"

#include "economics/core/CalculateEconomics.h"
#include "economics/core/EconomicInformation.h"
#include "economics/core/EconomicQuestionSelection.h"
#include "tables/core/ReferenceTables.h"

#include <QStringList>

namespace talvo {
namespace {

QString moneyCell(Double wholePounds)
{
    return QChar(0x00A3) + QStringLiteral(" ") + WholePoundsText(wholePounds);
}

template <typename Field> Double findMatching(const AssessmentState& state, const QString& countermeasure, Field field)
{
    Double result = 0;
    for (int k = state.Countermeasures.LBound; k <= state.Countermeasures.UBound; ++k) {
        if (k == EmptyCountermeasureSlot)
            continue;
        const CountermeasureRecord& record = state.Countermeasures(k);
        if (record.Name == countermeasure)
            result = record.*field;
    }
    return result;
}

} // namespace

Double FindMatchingCost(const AssessmentState& state, const QString& countermeasure)
{
    return findMatching(state, countermeasure, &CountermeasureRecord::Cost);
}

Double FindMatchingBenefit(const AssessmentState& state, const QString& countermeasure)
{
    return findMatching(state, countermeasure, &CountermeasureRecord::Benefit);
}

const QStringList& EconomicSummaryGrid::Headers()
{
    static const QStringList headers = {QStringLiteral("Countermeasure"), QStringLiteral("Costs"),
                                        QStringLiteral("Benefits"), QStringLiteral("Summary")};
    return headers;
}

QString EconomicSummaryGrid::Cell(int row, int col) const
{
    if (row < 0 || row >= Rows())
        throw SubscriptOutOfRange(row, 0, Rows() - 1);
    if (col < 0 || col >= Cols)
        throw SubscriptOutOfRange(col, 0, Cols - 1);
    if (row == 0)
        return Headers().at(col);
    const EconomicSummaryRow& line = Countermeasures.at(static_cast<std::size_t>(row - 1));
    switch (col) {
    case 0:
        return line.Countermeasure;
    case 1:
        return line.CostCell;
    case 2:
        return line.BenefitCell;
    default:
        return line.SummaryCell;
    }
}

EconomicSummaryGrid FillEcSpreadSheet(const AssessmentState& state)
{
    EconomicSummaryGrid grid;
    for (int i = 0; i < state.NumberOfCountermeasures; ++i) {
        EconomicSummaryRow row;
        row.Countermeasure = state.FinalCountermeasures(i);
        row.Cost = WholePounds(FindMatchingCost(state, row.Countermeasure));
        row.Benefit = WholePounds(FindMatchingBenefit(state, row.Countermeasure));
        // The summary is made from the rounded amounts, so the three cells always add up.
        row.Summary = WholePounds(row.Benefit - row.Cost);
        row.CostCell = moneyCell(row.Cost);
        row.BenefitCell = moneyCell(row.Benefit);
        row.SummaryCell = moneyCell(row.Summary);
        row.SummaryColour = row.Summary < 0 ? SummaryColourRed : SummaryColourBlack;
        grid.Countermeasures.push_back(row);
    }
    return grid;
}

EconomicFinish FinishEconomicAssessment(AssessmentState& state, EconomicSession& session)
{
    EconomicFinish finish;
    state.EconomicDone = true;
    finish.Grid = FillEcSpreadSheet(state);
    for (int i = 0; i < static_cast<int>(finish.Grid.Countermeasures.size()); ++i) {
        EconomicResultRecord& result = state.EconomicResults(i);
        result.CountermeasureIndex = static_cast<Integer>(i);
        result.Cost = finish.Grid.Countermeasures[static_cast<std::size_t>(i)].Cost;
        result.Benefit = finish.Grid.Countermeasures[static_cast<std::size_t>(i)].Benefit;
    }
    // The text lists this run's questions, so it is built before the flags are cleared.
    finish.InformationText = WriteEconomicInformation(state, session);
    DisableAllCosts(state);
    DisableAllEconomicVars(state);
    return finish;
}

} // namespace talvo
