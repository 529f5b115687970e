#pragma once

#include "platform/ui/FormHandle.h"

#include <QWidget>

namespace talvo {

class BarChartPane;

// The criteria weights as a bar chart. The data are read once, when the window is loaded: an open window does not
// follow later changes.
class frmGraphWeights : public QWidget
{
    Q_OBJECT

public:
    explicit frmGraphWeights(QWidget* parent = nullptr);

private:
    BarChartPane* MSChart1 = nullptr;
};

namespace forms {
inline FormHandle<talvo::frmGraphWeights> frmGraphWeights;
} // namespace forms

} // namespace talvo
