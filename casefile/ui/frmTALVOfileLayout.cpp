// The results window's controls and their sizes.
#include "casefile/ui/ResultsTextBox.h"
#include "casefile/ui/TextGrid.h"
#include "casefile/ui/frmTALVOfile.h"

#include "platform/core/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QResizeEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

namespace talvo {
namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(std::max(width, 0)),
                 TwipsToPixels(std::max(height, 0)));
}

template <typename Control> Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* control = named(new QLabel(caption, parent), name);
    // Some show what a file holds: text that looks like markup must not load pictures or files.
    control->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    font.setPointSizeF(8.25);
    control->setFont(font);
    control->setGeometry(place);
    return control;
}

QFrame* line(QWidget* parent, const char* name)
{
    auto* control = named(new QFrame(parent), name);
    control->setFrameShape(QFrame::HLine);
    control->setFrameShadow(QFrame::Sunken);
    return control;
}

// Where the controls stand on their tab pages.
constexpr int PageLeft = 120;
constexpr int PageTop = 120;
constexpr int LineLeft = 360;

} // namespace

void frmTALVOfile::buildControls()
{
    LabelResultsFileTitle =
        label(this, "LabelResultsFileTitle", QStringLiteral("TALVO Results File"), twipsRect(LineLeft, 240, 6000, 480));
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setBold(true);
    titleFont.setPointSizeF(14.25);
    LabelResultsFileTitle->setFont(titleFont);
    Line1 = line(this, "Line1");
    LabelDepositionSelected = label(this, "LabelDepositionSelected", QStringLiteral("Deposition Scenario Modelled:"),
                                    twipsRect(LineLeft, 1080, 3000, 255));
    LabelDepositionSelectedName =
        label(this, "LabelDepositionSelectedName", QString(), twipsRect(3480, 1080, 4000, 255));
    LabelFarmType =
        label(this, "LabelFarmType", QStringLiteral("Farm Type Modelled:"), twipsRect(LineLeft, 1440, 3000, 255));
    LabelFarmTypeSelectedName = label(this, "LabelFarmTypeSelectedName", QString(), twipsRect(3480, 1440, 4000, 255));
    Line2 = line(this, "Line2");
    LabelLastModified =
        label(this, "LabelLastModified", QStringLiteral("Last Modified: "), twipsRect(LineLeft, 1920, 6000, 255));

    SSTabResultsFile = named(new QTabWidget(this), "SSTabResultsFile");
    auto page = [this](const char* caption) {
        auto* tab = new QWidget();
        SSTabResultsFile->addTab(tab, QString::fromLatin1(caption));
        return tab;
    };
    auto box = [](QWidget* parent, const char* name) {
        auto* control = named(new ResultsTextBox(parent), name);
        control->move(TwipsToPixels(PageLeft), TwipsToPixels(PageTop));
        return control;
    };
    auto grid = [](QWidget* parent, const char* name) {
        auto* control = named(new TextGrid(parent), name);
        control->move(TwipsToPixels(PageLeft), TwipsToPixels(PageTop));
        // Hidden and disabled until filled.
        control->setVisible(false);
        control->setEnabled(false);
        return control;
    };
    // The captions keep their blanks: a leading one on tab 2, a trailing one on tab 8.
    RichTextBoxCountermeasureList = box(page("Available Countermeasures"), "RichTextBoxCountermeasureList");
    RichTextBoxAssessmentCriteria = box(page("Assessment Criteria"), "RichTextBoxAssessmentCriteria");
    RichTextBoxLimitationsInformation = box(page(" Limitation Information"), "RichTextBoxLimitationsInformation");
    MSFlexGridCountermeasureScores = grid(page("Countermeasure Scores"), "MSFlexGridCountermeasureScores");
    RichTextBoxCriteriaWeights = box(page("Assessment Criteria Weights"), "RichTextBoxCriteriaWeights");
    RichTextBoxIdealPtIdeals = box(page("Ideal Values"), "RichTextBoxIdealPtIdeals");
    RichTextBoxIdealPtResults = box(page("Ideal Point Analysis Results"), "RichTextBoxIdealPtResults");
    QWidget* economicPage = page("Economic Information");
    LabelPUsed = label(economicPage, "LabelPUsed", QStringLiteral("P Used = "), twipsRect(PageLeft, 60, 3000, 255));
    RichTextBoxEconomicInformation = box(economicPage, "RichTextBoxEconomicInformation");
    RichTextBoxEconomicInformation->move(TwipsToPixels(PageLeft), TwipsToPixels(PageTop + 300));
    MSFlexGridCostBenefit = grid(page("Farm Level Cost Benefit Analysis Results "), "MSFlexGridCostBenefit");

    // The strip is wider than the window. Its scroll arrows step the selection, so the tab of the page on show
    // never scrolls out of sight.
    for (QToolButton* arrow : SSTabResultsFile->tabBar()->findChildren<QToolButton*>()) {
        connect(arrow, &QToolButton::clicked, SSTabResultsFile, [tabs = SSTabResultsFile, arrow] {
            const int step = arrow->arrowType() == Qt::LeftArrow ? -1 : 1;
            tabs->setCurrentIndex(std::clamp(tabs->currentIndex() + step, 0, tabs->count() - 1));
        });
    }

    connect(MSFlexGridCountermeasureScores, &TextGrid::cellDoubleClicked, this,
            &frmTALVOfile::MSFlexGridCountermeasureScores_DblClick);
}

void frmTALVOfile::applySizes(bool widths, bool heights)
{
    const int w = PixelsToTwips(width());
    const int h = PixelsToTwips(height());
    auto size = [&](QWidget* control, int controlWidth, int controlHeight) {
        const int newWidth = widths ? TwipsToPixels(std::max(controlWidth, 0)) : control->width();
        const int newHeight = heights ? TwipsToPixels(std::max(controlHeight, 0)) : control->height();
        control->resize(newWidth, newHeight);
    };
    SSTabResultsFile->move(TwipsToPixels(LineLeft), TwipsToPixels(2280));
    size(SSTabResultsFile, w - 750, h - 2700);
    if (widths) {
        Line1->setGeometry(twipsRect(LineLeft, 960, w - 750 - LineLeft, 30));
        Line2->setGeometry(twipsRect(LineLeft, 1800, w - 750 - LineLeft, 30));
    }
    size(MSFlexGridCountermeasureScores, w - 1550, h - 5000);
    size(MSFlexGridCostBenefit, w - 1550, h - 5000);
    for (QWidget* control :
         {static_cast<QWidget*>(RichTextBoxCriteriaWeights), static_cast<QWidget*>(RichTextBoxIdealPtIdeals),
          static_cast<QWidget*>(RichTextBoxIdealPtResults)})
        size(control, w - 1800, h - 5700);
    for (QWidget* control :
         {static_cast<QWidget*>(RichTextBoxLimitationsInformation),
          static_cast<QWidget*>(RichTextBoxCountermeasureList), static_cast<QWidget*>(RichTextBoxEconomicInformation),
          static_cast<QWidget*>(RichTextBoxAssessmentCriteria)})
        size(control, w - 1450, h - 5700);
}

void frmTALVOfile::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Narrow or low windows keep the sizes they had in that direction.
    applySizes(PixelsToTwips(width()) > 5000, PixelsToTwips(height()) > 7000);
}

} // namespace talvo
