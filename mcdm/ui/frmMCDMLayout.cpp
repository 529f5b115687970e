// The ranking wizard's controls and where they stand.
#include "mcdm/ui/frmMCDM.h"

#include "casefile/ui/ResultsTextBox.h"
#include "mcdm/core/RankingWizardRules.h"
#include "platform/core/Twips.h"
#include "platform/ui/WindowPlacement.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>

namespace talvo {
namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

template <typename Control> Control* named(Control* control, const QString& name, const QRect& place)
{
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

// The sliders keep the names they were first given, which no longer match the criteria of their rows.
const char* const SliderNames[frmMCDM::Rows] = {
    "SliderSoilErosion",  "SliderLandscapeChange", "SliderSoilNutrients",  "SliderSoilOM",       "SliderSoilPollutants",
    "SliderWaterQuality", "SliderProductQuantity", "SliderProductQuality", "SliderAnimalHealth", "SliderAirQuality",
};

constexpr int ClientWidth = 7455;
constexpr int ClientHeight = 6300;
constexpr int PageWidth = 7215;
constexpr int PageHeight = 5535;
constexpr int InnerLeft = 240;
constexpr int InnerWidth = 6735;
constexpr int RowTop = 840;
constexpr int RowStep = 420;
constexpr int InputLeft = 3960;
constexpr int ResetTop = 5040;

QFrame* page(QStackedWidget* pages, const char* name)
{
    auto* frame = new QFrame();
    frame->setObjectName(QString::fromLatin1(name));
    pages->addWidget(frame);
    return frame;
}

// The bold title of a page with a rule under it.
void pageTitle(QFrame* frame, const QString& name, const QString& caption)
{
    auto* title = named(new QLabel(caption, frame), name, twipsRect(InnerLeft, 120, InnerWidth, 375));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(12);
    title->setFont(font);
    auto* rule = named(new QFrame(frame), name + QStringLiteral("Line"), twipsRect(InnerLeft, 540, InnerWidth, 30));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    return named(new QPushButton(caption, parent), QString::fromLatin1(name), place);
}

} // namespace

void frmMCDM::buildControls()
{
    setFixedSize(TwipsToPixels(ClientWidth), TwipsToPixels(ClientHeight));
    ShowNoMaximiseButton(*this);
    pages_ = named(new QStackedWidget(this), QStringLiteral("Pages"), twipsRect(120, 120, PageWidth, PageHeight));

    FrameIntro = page(pages_, "FrameIntro");
    RichTextBoxIdealPtTitle = named(new ResultsTextBox(FrameIntro), QStringLiteral("RichTextBoxIdealPtTitle"),
                                    twipsRect(InnerLeft, 240, InnerWidth, 915));
    QFont titleFont = RichTextBoxIdealPtTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(14);
    RichTextBoxIdealPtTitle->setFont(titleFont);
    RichTextBoxIdealPtTitle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichTextBoxIdealPtDefinition = named(new ResultsTextBox(FrameIntro), QStringLiteral("RichTextBoxIdealPtDefinition"),
                                         twipsRect(InnerLeft, 1320, InnerWidth, 4095));

    FramePValue = page(pages_, "FramePValue");
    pageTitle(FramePValue, QStringLiteral("LabelPValueTitle"), QStringLiteral("Set Compensatory Level"));
    LabelPValue =
        named(new QLabel(QStringLiteral("Please enter the P Value that you would like to use : "), FramePValue),
              QStringLiteral("LabelPValue"), twipsRect(InnerLeft, 885, 4920, 285));
    TextPValue = named(new QLineEdit(FramePValue), QStringLiteral("TextPValue"), twipsRect(5280, 840, 855, 345));
    RichTextBoxExplainP = named(new ResultsTextBox(FramePValue), QStringLiteral("RichTextBoxExplainP"),
                                twipsRect(InnerLeft, 1440, InnerWidth, 3975));

    FrameObjectives = page(pages_, "FrameObjectives");
    pageTitle(FrameObjectives, QStringLiteral("LabelObjectivesTitle"), QStringLiteral("Set Criteria Objectives"));
    for (int k = 0; k < Rows; ++k) {
        const int top = RowTop + k * RowStep;
        LabelCriteriaObjective[k] =
            named(new QLabel(FrameObjectives), QStringLiteral("LabelCriteria%1Objective").arg(k),
                  twipsRect(InnerLeft, top + 45, InputLeft - InnerLeft - 120, 255));
        ComboCriteria[k] = named(new QComboBox(FrameObjectives), QStringLiteral("ComboCriteria%1").arg(k),
                                 twipsRect(InputLeft, top, InnerLeft + InnerWidth - InputLeft, 345));
    }
    CommandResetObjectives = button(FrameObjectives, "CommandResetObjectives", QStringLiteral("Reset &Objectives"),
                                    twipsRect(InnerLeft, ResetTop, 1935, 375));

    FrameWeights = page(pages_, "FrameWeights");
    pageTitle(FrameWeights, QStringLiteral("LabelWeightsTitle"), QStringLiteral("Set Criteria Weights"));
    const int sliderWidth = InnerLeft + InnerWidth - InputLeft;
    named(new QLabel(QStringLiteral("Low"), FrameWeights), QStringLiteral("LabelLow"),
          twipsRect(InputLeft, 600, 900, 255));
    auto* high = named(new QLabel(QStringLiteral("High"), FrameWeights), QStringLiteral("LabelHigh"),
                       twipsRect(InputLeft + sliderWidth - 900, 600, 900, 255));
    high->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int k = 0; k < Rows; ++k) {
        const int top = RowTop + k * RowStep;
        LabelCriteria[k] = named(new QLabel(FrameWeights), QStringLiteral("LabelCriteria%1").arg(k),
                                 twipsRect(InnerLeft, top + 45, InputLeft - InnerLeft - 120, 255));
        QSlider* slider = named(new QSlider(Qt::Horizontal, FrameWeights), QString::fromLatin1(SliderNames[k]),
                                twipsRect(InputLeft, top, sliderWidth, 375));
        slider->setRange(LowestWeight, HighestWeight);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        slider->setValue(StartWeight);
        Sliders[k] = slider;
    }
    CommandReset = button(FrameWeights, "CommandReset", QStringLiteral(" Reset &Weights"),
                          twipsRect(InnerLeft, ResetTop, 1935, 375));

    FrameFinalScores = page(pages_, "FrameFinalScores");
    LabelFinalScreen = named(new QLabel(QStringLiteral("Countermeasures Ranked by Suitability"), FrameFinalScores),
                             QStringLiteral("LabelFinalScreen"), twipsRect(InnerLeft, 120, InnerWidth, 375));
    QFont finalFont = LabelFinalScreen->font();
    finalFont.setBold(true);
    finalFont.setPointSizeF(12);
    LabelFinalScreen->setFont(finalFont);
    RichTextBoxFinalRank = named(new ResultsTextBox(FrameFinalScores), QStringLiteral("RichTextBoxFinalRank"),
                                 twipsRect(InnerLeft, 600, InnerWidth, 4215));
    LabelRankingNote =
        named(new QLabel(QStringLiteral("Note: Countermeasures are listed in order of greatest  to least suitability."),
                         FrameFinalScores),
              QStringLiteral("LabelRankingNote"), twipsRect(InnerLeft, 4935, InnerWidth, 495));
    LabelRankingNote->setWordWrap(true);

    const int buttonTop = 120 + PageHeight + 180;
    CommandBack = button(this, "CommandBack", QStringLiteral("<< &Back"), twipsRect(120, buttonTop, 1335, 375));
    CommandNext = button(this, "CommandNext", QStringLiteral("&Next >>"), twipsRect(1560, buttonTop, 1335, 375));
    CommandFinish = button(this, "CommandFinish", QStringLiteral("&Finish"), twipsRect(4560, buttonTop, 1335, 375));
    CommandCancel = button(this, "CommandCancel", QStringLiteral("&Cancel"), twipsRect(6000, buttonTop, 1335, 375));
}

} // namespace talvo
