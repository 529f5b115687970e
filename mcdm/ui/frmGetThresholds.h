#pragma once

#include "platform/core/BasicTypes.h"
#include "platform/ui/FormHandle.h"

#include <QWidget>

class QPushButton;
class QSlider;

namespace talvo {

// Sets the two threshold levels of the concordance/discordance outranking, each 0 to 1 in steps of 0.05. The
// chosen levels outlive the dialog (TheRankingSession().Thresholds).
class frmGetThresholds : public QWidget
{
    Q_OBJECT

public:
    explicit frmGetThresholds(QWidget* parent = nullptr);

    void CommandOK_Click();

    // The levels last confirmed with OK (0 before any).
    static Single ConcordanceLevel();
    static Single DiscordanceLevel();

private:
    QSlider* SliderConcordance = nullptr;
    QSlider* SliderDiscordance = nullptr;
    QPushButton* CommandOK = nullptr;
};

namespace forms {
inline FormHandle<talvo::frmGetThresholds> frmGetThresholds;
} // namespace forms

} // namespace talvo
