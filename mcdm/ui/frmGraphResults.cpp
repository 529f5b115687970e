#include "mcdm/ui/frmGraphResults.h"

#include "mcdm/ui/BarChartPane.h"
#include "tables/core/AssessmentState.h"

namespace talvo {

frmGraphResults::frmGraphResults(QWidget* parent) : QWidget(parent)
{
    MSChartResults = BarChartPane::SetUpChartWindow(*this, QStringLiteral("frmGraphResults"),
                                                    QStringLiteral("MCDM Results"), QStringLiteral("MSChartResults"));
}

void frmGraphResults::LoadGraphData(int MCDMGraphed)
{
    const AssessmentState& s = TheAssessment();
    talvo::LoadGraphData(data_, s, MCDMGraphed);
    MSChartResults->ShowContentsInWindow(RankingChartContents(s, data_));
}

} // namespace talvo
