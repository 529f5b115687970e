#include "mcdm/ui/frmViewScores.h"

#include "mcdm/core/ChartContents.h"
#include "mcdm/ui/BarChartPane.h"
#include "tables/core/AssessmentState.h"

#include <QVBoxLayout>

#include <algorithm>

namespace talvo {

frmViewScores::frmViewScores(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmViewScores"));
    setWindowTitle(QStringLiteral("Raw Countermeasure / Alternative Scores"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 620);

    MSChart1 = new BarChartPane(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MSChart1);

    MSChart1->ShowContents(ScoresChartContents(TheAssessment()));
    // A long legend makes the window taller rather than the chart smaller.
    resize(width(), std::max(height(), MSChart1->NeededHeight(width())));
}

} // namespace talvo
