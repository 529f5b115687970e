#pragma once

#include "platform/ui/FormHandle.h"

#include <QWidget>

namespace talvo {

class BarChartPane;

// The score matrix as a bar chart: a group of bars for each final countermeasure, one bar per criterion. The data are
// read once, when the window is loaded: an open window does not follow later changes.
class frmViewScores : public QWidget
{
    Q_OBJECT

public:
    explicit frmViewScores(QWidget* parent = nullptr);

private:
    BarChartPane* MSChart1 = nullptr;
};

namespace forms {
inline FormHandle<talvo::frmViewScores> frmViewScores;
} // namespace forms

} // namespace talvo
