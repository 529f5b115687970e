#include "mcdm/ui/frmViewScores.h"

#include "mcdm/core/ChartContents.h"
#include "mcdm/ui/BarChartPane.h"
#include "tables/core/AssessmentState.h"

namespace talvo {

frmViewScores::frmViewScores(QWidget* parent) : QWidget(parent)
{
    MSChart1 = BarChartPane::SetUpChartWindow(*this, QStringLiteral("frmViewScores"),
                                              QStringLiteral("Raw Countermeasure / Alternative Scores"),
                                              QStringLiteral("MSChart1"));
    MSChart1->ShowContentsInWindow(ScoresChartContents(TheAssessment()));
}

} // namespace talvo
