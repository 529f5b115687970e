#pragma once

#include "mcdm/core/ChartContents.h"
#include "platform/ui/FormHandle.h"

#include <QWidget>

namespace talvo {

class BarChartPane;

// The distances of the last ranking as a bar chart, furthest from the ideal first. It charts its own copy of
// the ranking, taken by LoadGraphData.
class frmGraphResults : public QWidget
{
    Q_OBJECT

public:
    explicit frmGraphResults(QWidget* parent = nullptr);

    // With MCDMGraphed 1 and a ranking done, copies the ranking and the title; then charts the copy.
    void LoadGraphData(int MCDMGraphed);

private:
    BarChartPane* MSChartResults = nullptr;
    RankingChartData data_;
};

namespace forms {
inline FormHandle<talvo::frmGraphResults> frmGraphResults;
} // namespace forms

} // namespace talvo
