#include "mcdm/ui/frmGraphWeights.h"

#include "mcdm/core/ChartContents.h"
#include "mcdm/ui/BarChartPane.h"
#include "tables/core/AssessmentState.h"

#include <QVBoxLayout>

#include <algorithm>

namespace talvo {

frmGraphWeights::frmGraphWeights(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmGraphWeights"));
    setWindowTitle(QStringLiteral("Weights Graph"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 620);

    MSChart1 = new BarChartPane(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MSChart1);

    MSChart1->ShowContents(WeightsChartContents(TheAssessment()));
    // A long legend makes the window taller rather than the chart smaller.
    resize(width(), std::max(height(), MSChart1->NeededHeight(width())));
}

} // namespace talvo
