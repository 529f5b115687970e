// The selection wizard's controls and their places.
#include "selection/ui/frmDepoAndAg.h"

#include "platform/core/Twips.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/WizardPages.h"
#include "selection/ui/SingleChoiceList.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace talvo {
namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

template <typename Control> Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QFont baseFont(bool bold)
{
    QFont font;
    // Where MS Sans Serif is missing, a face of its width, so the question texts fit their fixed labels.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans")});
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& place, bool bold = false)
{
    auto* control = named(new QLabel(caption, parent), name);
    control->setFont(baseFont(bold));
    control->setWordWrap(true);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control->setGeometry(place);
    return control;
}

QFrame* frame(QWidget* parent, const char* name, const QRect& place)
{
    auto* control = named(new QFrame(parent), name);
    control->setFrameShape(QFrame::Box);
    control->setFrameShadow(QFrame::Sunken);
    control->setGeometry(place);
    return control;
}

QListWidget* list(QWidget* parent, const char* name, const QRect& place)
{
    auto* control = named(new QListWidget(parent), name);
    control->setSortingEnabled(false);
    control->setGeometry(place);
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* control = named(new QPushButton(caption, parent), name);
    // A plain window has no default button; Enter stays with the control that has the focus.
    control->setAutoDefault(false);
    control->setGeometry(place);
    return control;
}

// Every page frame stands at the same place.
const QRect PageRect = twipsRect(1920, 120, 5775, 4935);
constexpr int InnerLeft = 120;
constexpr int InnerWidth = 5535;

} // namespace

void frmDepoAndAg::buildControls()
{
    setFont(baseFont(false));
    setFixedSize(TwipsToPixels(7815), TwipsToPixels(5610));
    ShowNoMaximiseButton(*this);

    FrameVariablesSelected = frame(this, "FrameVariablesSelected", twipsRect(120, 120, 1455, 3855));
    LabelSelected = label(FrameVariablesSelected, "LabelSelected", QStringLiteral("Variables Selected:"),
                          twipsRect(120, 240, 1215, 495), true);
    LabelDepositSelected =
        label(FrameVariablesSelected, "LabelDepositSelected", QString(), twipsRect(120, 840, 1215, 1335));
    LabelAgSelected = label(FrameVariablesSelected, "LabelAgSelected", QString(), twipsRect(120, 2160, 1215, 1575));

    PictureBoxFarmPix = named(new QLabel(this), "PictureBoxFarmPix");
    PictureBoxFarmPix->setGeometry(twipsRect(120, 4080, 1455, 1455));
    PictureBoxFarmPix->setFrameShape(QFrame::Box);
    PictureBoxFarmPix->setAlignment(Qt::AlignCenter);
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(400);

    FrameDeposition = frame(this, "FrameDeposition", PageRect);
    LabelDepositionTitle =
        label(FrameDeposition, "LabelDepositionTitle", QStringLiteral("Select Deposition Level (kBq m^-2):"),
              twipsRect(InnerLeft, 240, InnerWidth, 495), true);
    ListDeposition = list(FrameDeposition, "ListDeposition", twipsRect(InnerLeft, 840, InnerWidth, 1455));
    LabelDepoDefinition =
        label(FrameDeposition, "LabelDepoDefinition", QString(), twipsRect(InnerLeft, 2520, InnerWidth, 2175));

    FrameAgriculture = frame(this, "FrameAgriculture", PageRect);
    Label1 =
        label(FrameAgriculture, "Label1",
              QStringLiteral("Select the type of agricultural system that you wish to apply the countermeasure to:"),
              twipsRect(InnerLeft, 240, InnerWidth, 495), true);
    ListAgricultureType = list(FrameAgriculture, "ListAgricultureType", twipsRect(InnerLeft, 840, InnerWidth, 1935));
    LabelAgricultureDefinition =
        label(FrameAgriculture, "LabelAgricultureDefinition", QString(), twipsRect(InnerLeft, 2880, InnerWidth, 1815));

    FrameCounterm = frame(this, "FrameCounterm", PageRect);
    LabelCountermeasures = label(FrameCounterm, "LabelCountermeasures",
                                 QStringLiteral("Select from the Available Countermeasures for Further Evaluation:"),
                                 twipsRect(InnerLeft, 240, InnerWidth, 495), true);
    ListCountermeasures = list(FrameCounterm, "ListCountermeasures", twipsRect(InnerLeft, 840, InnerWidth, 2775));
    // Each click toggles one item.
    ListCountermeasures->setSelectionMode(QAbstractItemView::MultiSelection);
    LabelCountermeasureDefinition =
        label(FrameCounterm, "LabelCountermeasureDefinition", QString(), twipsRect(InnerLeft, 3720, InnerWidth, 1095));

    FrameLimitations1 = frame(this, "FrameLimitations1", PageRect);
    FrameLimitations2 = frame(this, "FrameLimitations2", PageRect);
    FrameLimitations3 = frame(this, "FrameLimitations3", PageRect);

    FrameFinalCounterm = frame(this, "FrameFinalCounterm", PageRect);
    Label2 = label(FrameFinalCounterm, "Label2", QStringLiteral("Final Countermeasures Remaining for Your Site:"),
                   twipsRect(InnerLeft, 240, InnerWidth, 495), true);
    ListFinalCounter = list(FrameFinalCounterm, "ListFinalCounter", twipsRect(InnerLeft, 840, InnerWidth, 3975));
    ListFinalCounter->setSelectionMode(QAbstractItemView::SingleSelection);

    CommandBack = button(this, "CommandBack", QStringLiteral("<  &Back"), twipsRect(1920, 5160, 1335, 375));
    CommandNext = button(this, "CommandNext", QStringLiteral("&Next  >"), twipsRect(3480, 5160, 1335, 375));
    CommandFinish = button(this, "CommandFinish", QStringLiteral("Finish"), twipsRect(5040, 5160, 1215, 375));
    CommandCancel = button(this, "CommandCancel", QStringLiteral("&Cancel"), twipsRect(6480, 5160, 1215, 375));

    for (QListWidget* box : {ListDeposition, ListAgricultureType, ListCountermeasures})
        box->installEventFilter(this);
    KeepSingleChoice(*ListDeposition);
    KeepSingleChoice(*ListAgricultureType);

    // Filling a list from code is no click; only the user's choices are.
    connect(ListDeposition, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fillingLists_)
            ListDeposition_Click();
    });
    connect(ListAgricultureType, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fillingLists_)
            ListAgricultureType_Click();
    });
    connect(ListCountermeasures, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fillingLists_)
            ListCountermeasures_Click();
    });
    connect(ListCountermeasures, &QListWidget::currentItemChanged, this, [this] {
        if (!fillingLists_ && countermeasureKeys_)
            ListCountermeasures_Click();
    });
    connect(ListDeposition, &QListWidget::itemDoubleClicked, this, [this] { ListDeposition_DblClick(); });
    connect(ListAgricultureType, &QListWidget::itemDoubleClicked, this, [this] { ListAgricultureType_DblClick(); });

    connect(CommandNext, &QPushButton::clicked, this, [this] { CommandNext_Click(); });
    connect(CommandBack, &QPushButton::clicked, this, [this] { CommandBack_Click(); });
    connect(CommandFinish, &QPushButton::clicked, this, [this] { CommandFinish_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { ShowNextFarmPicture(); });
}

QFrame* frmDepoAndAg::frameOf(Page page) const
{
    switch (page) {
    case Page::FrameDeposition:
        return FrameDeposition;
    case Page::FrameAgriculture:
        return FrameAgriculture;
    case Page::FrameCounterm:
        return FrameCounterm;
    case Page::FrameLimitations1:
        return FrameLimitations1;
    case Page::FrameLimitations2:
        return FrameLimitations2;
    case Page::FrameLimitations3:
        return FrameLimitations3;
    case Page::FrameFinalCounterm:
        return FrameFinalCounterm;
    }
    return FrameDeposition;
}

QFrame* frmDepoAndAg::frameOf(LimitationsFrame frame) const
{
    switch (frame) {
    case LimitationsFrame::FrameLimitations1:
        return FrameLimitations1;
    case LimitationsFrame::FrameLimitations2:
        return FrameLimitations2;
    case LimitationsFrame::FrameLimitations3:
        return FrameLimitations3;
    }
    return FrameLimitations1;
}

void frmDepoAndAg::showPage(Page page)
{
    currentPage_ = page;
    if (navigationDepth_ == 0)
        applyShownPage();
}

void frmDepoAndAg::applyShownPage()
{
    const Page page = currentPage_;
    const bool arriving = frameOf(page)->isHidden();
    for (Page each : {Page::FrameDeposition, Page::FrameAgriculture, Page::FrameCounterm, Page::FrameLimitations1,
                      Page::FrameLimitations2, Page::FrameLimitations3, Page::FrameFinalCounterm})
        frameOf(each)->setVisible(each == page);
    // A page the user stays on (a refused Next) keeps the focus where it was.
    if (arriving)
        EnterWizardPage(frameOf(page), CommandBack, CommandNext, CommandFinish, CommandCancel);
}

} // namespace talvo
