#include "mcdm/ui/frmGetThresholds.h"

#include "mcdm/core/RankingSession.h"
#include "platform/core/Twips.h"
#include "platform/ui/WindowPlacement.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace talvo {
namespace {

constexpr int Steps = 20; // a level moves in twentieths

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* control = new QLabel(caption, parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(place);
    return control;
}

QSlider* slider(QWidget* parent, const char* name, int start, const QRect& place)
{
    auto* control = new QSlider(Qt::Horizontal, parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setRange(0, Steps);
    control->setSingleStep(1);
    control->setPageStep(1);
    control->setTickPosition(QSlider::TicksBelow);
    control->setTickInterval(1);
    control->setValue(start);
    control->setGeometry(place);
    return control;
}

} // namespace

frmGetThresholds::frmGetThresholds(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmGetThresholds"));
    setWindowTitle(QStringLiteral("Set Threshold Levels"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsToPixels(5655), TwipsToPixels(2880));
    ShowNoMaximiseButton(*this);

    QLabel* heading =
        label(this, "LabelHeading", QStringLiteral("Please Set Threshold Levels:"), twipsRect(240, 180, 5175, 300));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    label(this, "LabelConcordance", QStringLiteral("Concordance Threshold:"), twipsRect(240, 780, 2535, 255));
    SliderConcordance = slider(this, "SliderConcordance", 14, twipsRect(2880, 720, 2535, 435));
    label(this, "LabelDiscordance", QStringLiteral("Discordance Threshold:"), twipsRect(240, 1440, 2535, 255));
    SliderDiscordance = slider(this, "SliderDiscordance", 6, twipsRect(2880, 1380, 2535, 435));
    CommandOK = new QPushButton(QStringLiteral("&OK"), this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setGeometry(twipsRect(4080, 2160, 1335, 375));
    connect(CommandOK, &QPushButton::clicked, this, &frmGetThresholds::CommandOK_Click);
}

void frmGetThresholds::CommandOK_Click()
{
    ThresholdLevels& levels = TheRankingSession().Thresholds;
    levels.ConcordanceLevel = static_cast<Single>(static_cast<double>(SliderConcordance->value()) / Steps);
    levels.DiscordanceLevel = static_cast<Single>(static_cast<double>(SliderDiscordance->value()) / Steps);
    forms::frmGetThresholds.Unload();
}

Single frmGetThresholds::ConcordanceLevel()
{
    return TheRankingSession().Thresholds.ConcordanceLevel;
}

Single frmGetThresholds::DiscordanceLevel()
{
    return TheRankingSession().Thresholds.DiscordanceLevel;
}

} // namespace talvo
