#include "mcdm/ui/frmGraphWeights.h"

#include "mcdm/core/ChartContents.h"
#include "mcdm/ui/BarChartPane.h"
#include "tables/core/AssessmentState.h"

namespace talvo {

frmGraphWeights::frmGraphWeights(QWidget* parent) : QWidget(parent)
{
    MSChart1 = BarChartPane::SetUpChartWindow(*this, QStringLiteral("frmGraphWeights"), QStringLiteral("Weights Graph"),
                                              QStringLiteral("MSChart1"));
    MSChart1->ShowContentsInWindow(WeightsChartContents(TheAssessment()));
}

} // namespace talvo
