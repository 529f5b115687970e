#pragma once

#include "economics/core/EconomicSession.h"
#include "tables/core/AssessmentState.h"

#include <QStringList>

#include <vector>

namespace talvo {

// The Cost / Benefit of the catalogue record named exactly `countermeasure`; 0 when none is.
Double FindMatchingCost(const AssessmentState& state, const QString& countermeasure);
Double FindMatchingBenefit(const AssessmentState& state, const QString& countermeasure);

// Text colours of the summary cells, as the grid stores them (red in the low byte).
constexpr int SummaryColourBlack = 0;
constexpr int SummaryColourRed = 255;

// One countermeasure row of the cost/benefit grid. Cost and Benefit are whole pounds; Summary is
// WholePounds(Benefit - Cost). The money cells read "£ " and the whole number.
struct EconomicSummaryRow
{
    QString Countermeasure;
    Double Cost = 0;
    Double Benefit = 0;
    Double Summary = 0;
    QString CostCell;
    QString BenefitCell;
    QString SummaryCell;
    int SummaryColour = SummaryColourBlack; // red when the summary is below 0
};

// The whole grid: 4 columns and one header row above one row per final countermeasure. Word wrap on. Headers and
// names in bold 12 point, the money cells in regular 8 point.
struct EconomicSummaryGrid
{
    static constexpr int Cols = 4;
    static constexpr int HeaderRowHeight = 900; // twips
    static constexpr int RowHeight = 600;
    static constexpr int FirstColumnWidth = 2000;
    static constexpr int MoneyColumnWidth = 1200;
    static const QStringList& Headers(); // "Countermeasure", "Costs", "Benefits", "Summary"

    std::vector<EconomicSummaryRow> Countermeasures;

    int Rows() const { return static_cast<int>(Countermeasures.size()) + 1; }
    // The text of cell (row, col), row 0 being the header.
    QString Cell(int row, int col) const;
};

// The grid for the final countermeasures from the costs and benefits in the catalogue (the wizard's summary page
// and the results window's cost/benefit grid).
EconomicSummaryGrid FillEcSpreadSheet(const AssessmentState& state);

struct EconomicFinish
{
    EconomicSummaryGrid Grid; // for the results window's MSFlexGridCostBenefit (made visible and enabled)
    QString InformationText;  // for its RichTextBoxEconomicInformation
};

// Finish, short of the windows: sets EconomicDone, stores each row's rounded cost and benefit in
// EconomicResults(i) (slots from NumberOfCountermeasures up keep theirs), rebuilds the information text from the
// flags of this run, then clears every question flag. The caller writes the result into the results window and
// unloads the wizard; the calculation texts stay for the text report.
EconomicFinish FinishEconomicAssessment(AssessmentState& state, EconomicSession& session);

} // namespace talvo
