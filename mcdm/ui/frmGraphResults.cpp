#include "mcdm/ui/frmGraphResults.h"

#include "mcdm/ui/BarChartPane.h"
#include "tables/core/AssessmentState.h"

#include <QVBoxLayout>

#include <algorithm>

namespace talvo {

frmGraphResults::frmGraphResults(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmGraphResults"));
    setWindowTitle(QStringLiteral("MCDM Results"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 620);

    MSChartResults = new BarChartPane(this);
    MSChartResults->setObjectName(QStringLiteral("MSChartResults"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MSChartResults);
}

void frmGraphResults::LoadGraphData(int MCDMGraphed)
{
    const AssessmentState& s = TheAssessment();
    talvo::LoadGraphData(data_, s, MCDMGraphed);
    MSChartResults->ShowContents(RankingChartContents(s, data_));
    // A long legend makes the window taller rather than the chart smaller.
    resize(width(), std::max(height(), MSChartResults->NeededHeight(width())));
}

} // namespace talvo
