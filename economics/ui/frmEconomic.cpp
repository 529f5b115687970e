#include "economics/ui/frmEconomic.h"

#include "casefile/ui/ResultsTextBox.h"
#include "casefile/ui/TextGrid.h"
#include "casefile/ui/frmTALVOfile.h"
#include "economics/core/CalculateEconomics.h"
#include "economics/core/EconomicAnswers.h"
#include "economics/core/EconomicQuestionSelection.h"
#include "economics/core/EconomicSession.h"
#include "economics/core/EconomicSummary.h"
#include "platform/core/Twips.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/WizardPages.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace talvo {
namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

template <typename Control> Control* named(Control* control, const char* name, const QRect& place)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(place);
    return control;
}

// Each page: its heading at 240, 240 in bold Arial 9.75 point, a rule under it at 600 twips.
QLabel* heading(QWidget* page, const char* name, const char* caption, int width, int height)
{
    auto* label = named(new QLabel(QString::fromLatin1(caption), page), name, twipsRect(240, 240, width, height));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSizeF(9.75);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* rule = new QFrame(page);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(twipsRect(240, 585, 5640, 30));
    return label;
}

QFrame* page(QWidget* window, const char* name)
{
    auto* frame = named(new QFrame(window), name, twipsRect(120, 120, 6135, 5295));
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

QPushButton* button(QWidget* window, const char* name, const char* caption, int left, int width)
{
    return named(new QPushButton(QString::fromLatin1(caption), window), name, twipsRect(left, 5640, width, 375));
}

const QString IntroTitle = QStringLiteral("Final Countermeasures for Economic Assessment");
const QString CrLf = QStringLiteral("\r\n");

} // namespace

frmEconomic::frmEconomic(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmEconomic"));
    setWindowTitle(QStringLiteral("Farm Level Cost/Benefit Wizard"));
    // The question widgets take their container's font; the long questions were worded for a narrow 8 point face.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    setFont(font);
    buildControls();
    setFixedSize(TwipsToPixels(6375), TwipsToPixels(6090));
    ShowNoMaximiseButton(*this);
}

void frmEconomic::buildControls()
{
    FrameIntro = page(this, "FrameIntro");
    LabelIntro = heading(FrameIntro, "LabelIntro", "Farm Level Costs and Benefits Assessment Wizard", 5055, 255);
    RichTextBoxIntro = named(new ResultsTextBox(FrameIntro), "RichTextBoxIntro", twipsRect(240, 840, 5655, 4215));

    FrameEcQuestions1 = page(this, "FrameEcQuestions1");
    ScrollEcQuestions1 =
        named(new QScrollArea(FrameEcQuestions1), "ScrollEcQuestions1", QRect(QPoint(0, 0), FrameEcQuestions1->size()));
    ScrollEcQuestions1->setFrameShape(QFrame::NoFrame);
    ScrollEcQuestions1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollEcQuestions1->setWidgetResizable(true);
    SurfaceEcQuestions1 = new QWidget();
    SurfaceEcQuestions1->setObjectName(QStringLiteral("SurfaceEcQuestions1"));
    ScrollEcQuestions1->setWidget(SurfaceEcQuestions1);
    LabelQuestions =
        heading(SurfaceEcQuestions1, "LabelQuestions", "Please answer the following questions:", 5175, 255);

    FrameEcQuestions2 = page(this, "FrameEcQuestions2");
    LabelChangeVariables1 = heading(FrameEcQuestions2, "LabelChangeVariables1", "Economic Variables ", 4095, 375);
    FrameEcQuestions3 = page(this, "FrameEcQuestions3");
    LabelChangeVariables2 =
        heading(FrameEcQuestions3, "LabelChangeVariables2", "Economic Variables (cont.)", 5175, 255);
    FrameEcQuestions4 = page(this, "FrameEcQuestions4");
    Label1 = heading(FrameEcQuestions4, "Label1", "Economic Variables (cont.)", 3735, 255);

    FrameFinal = page(this, "FrameFinal");
    LabelSummary = heading(FrameFinal, "LabelSummary", "Summary of Economic Costs and Benefits:", 4935, 255);
    MSFlexGridSummary = named(new TextGrid(FrameFinal), "MSFlexGridSummary", twipsRect(120, 720, 5895, 4455));

    CommandBack = button(this, "CommandBack", "<< &Back", 120, 1335);
    CommandNext = button(this, "CommandNext", "&Next >>", 1680, 1335);
    CommandFinish = button(this, "CommandFinish", "&Finish", 3240, 1335);
    CommandCancel = button(this, "CommandCancel", "&Cancel", 4800, 1455);
    connect(CommandBack, &QPushButton::clicked, this, &frmEconomic::CommandBack_Click);
    connect(CommandNext, &QPushButton::clicked, this, &frmEconomic::CommandNext_Click);
    connect(CommandFinish, &QPushButton::clicked, this, &frmEconomic::CommandFinish_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &frmEconomic::CommandCancel_Click);
    showFrame(EconomicFrame::FrameIntro);
}

void frmEconomic::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void frmEconomic::closeEvent(QCloseEvent* event)
{
    // Closed from its title bar: unloaded like any other window, so the next opening starts afresh.
    event->accept();
    unloadWindow();
}

void frmEconomic::unloadWindow()
{
    if (forms::frmEconomic.existing() == this) {
        forms::frmEconomic.Unload();
        return;
    }
    hide();
    deleteLater();
}

QWidget* frmEconomic::container(EconomicFrame frame) const
{
    switch (frame) {
    case EconomicFrame::FrameIntro:
        return FrameIntro;
    case EconomicFrame::FrameEcQuestions1:
        return SurfaceEcQuestions1;
    case EconomicFrame::FrameEcQuestions2:
        return FrameEcQuestions2;
    case EconomicFrame::FrameEcQuestions3:
        return FrameEcQuestions3;
    case EconomicFrame::FrameEcQuestions4:
        return FrameEcQuestions4;
    case EconomicFrame::FrameFinal:
        return FrameFinal;
    }
    return nullptr;
}

void frmEconomic::showFrame(EconomicFrame frame)
{
    current_ = frame;
    FrameIntro->setVisible(frame == EconomicFrame::FrameIntro);
    FrameEcQuestions1->setVisible(frame == EconomicFrame::FrameEcQuestions1);
    FrameEcQuestions2->setVisible(frame == EconomicFrame::FrameEcQuestions2);
    FrameEcQuestions3->setVisible(frame == EconomicFrame::FrameEcQuestions3);
    FrameEcQuestions4->setVisible(frame == EconomicFrame::FrameEcQuestions4);
    FrameFinal->setVisible(frame == EconomicFrame::FrameFinal);
}

void frmEconomic::Form_Load()
{
    const AssessmentState& state = TheAssessment();
    QString names;
    for (int i = 0; i < state.NumberOfCountermeasures; ++i)
        names += CrLf + state.FinalCountermeasures(i);
    RichTextBoxIntro->setText(IntroTitle + CrLf + names);
    askCrop_ = CropQuestionNeeded(state);
    showFrame(EconomicFrame::FrameIntro);
    CommandFinish->setEnabled(false);
    CommandBack->setEnabled(false);
    CommandCancel->setEnabled(true);
    CommandNext->setEnabled(true);
    enterPage(FrameIntro);
}

void frmEconomic::enterPage(QWidget* page)
{
    EnterWizardPage(page, CommandBack, CommandNext, CommandFinish, CommandCancel,
                    WizardButtonOrder::NextFinishCancelBack);
}

void frmEconomic::enterFrameIfNew(EconomicFrame before)
{
    // Once the buttons are set for the page: a page the user stays on keeps the focus where it was.
    if (current_ != before)
        enterPage(container(current_));
}

std::vector<int> frmEconomic::variableRecordsOn(EconomicFrame frame) const
{
    std::vector<int> records;
    for (const EconomicQuestionPlacement& place : variablePlaces_) {
        if (place.Frame == frame)
            records.push_back(place.Record);
    }
    return records;
}

std::vector<UnansweredQuestion> frmEconomic::unansweredOnPage() const
{
    if (current_ == EconomicFrame::FrameEcQuestions1)
        return UnansweredCostQuestions(TheAssessment(), askCrop_);
    return UnansweredEconomicVariables(TheAssessment(), variableRecordsOn(current_));
}

QWidget* frmEconomic::messageSubject() const
{
    QList<QWidget*> questions;
    for (const UnansweredQuestion& question : unansweredOnPage())
        questions << host_.Find(question.ControlName).Widget();
    return TopmostShownQuestion(questions, container(current_));
}

void frmEconomic::CommandNext_Click()
{
    const FocusAfterMessages focus(CommandNext, CommandFinish, [this] { return messageSubject(); });
    AssessmentState& state = TheAssessment();
    EconomicSession& session = TheEconomicSession();
    const EconomicFrame before = current_;
    // Each question of the page left must hold an answer, and a variable one a number; the page stays otherwise,
    // with its buttons as they were.
    const std::vector<UnansweredQuestion> unanswered = unansweredOnPage();
    for (const UnansweredQuestion& question : unanswered)
        ShowMessage(question.Message);
    if (!unanswered.empty())
        return;
    if (current_ == EconomicFrame::FrameIntro)
        CommandBack->setEnabled(true);
    if (current_ == EconomicFrame::FrameEcQuestions4) {
        CommandFinish->setEnabled(true);
        CommandNext->setEnabled(false);
    }
    switch (current_) {
    case EconomicFrame::FrameEcQuestions4: {
        showFrame(EconomicFrame::FrameFinal);
        const std::vector<MessageRequest> messages = CalculateFinalEconomics(state, session);
        FillEcSpreadSheet(*MSFlexGridSummary);
        // The grid stands behind the boxes, so the user sees which amounts the messages speak of.
        for (const MessageRequest& message : messages)
            ShowMessage(message);
        break;
    }
    case EconomicFrame::FrameEcQuestions3:
        showFrame(EconomicFrame::FrameEcQuestions4);
        if (!session.FrameEcQuestions4Used)
            CommandNext_Click();
        break;
    case EconomicFrame::FrameEcQuestions2:
        showFrame(EconomicFrame::FrameEcQuestions3);
        if (!session.FrameEcQuestions3Used)
            CommandNext_Click();
        break;
    case EconomicFrame::FrameEcQuestions1: {
        showFrame(EconomicFrame::FrameEcQuestions2);
        session.FrameEcQuestions3Used = false;
        session.FrameEcQuestions4Used = false;
        if (!FillEconomicQuestionsFrames())
            showFrame(EconomicFrame::FrameEcQuestions1);
        break;
    }
    case EconomicFrame::FrameIntro:
        showFrame(EconomicFrame::FrameEcQuestions1);
        DisableAllCosts(state);
        DisableAllEconomicVars(state);
        for (int i = 0; i < state.NumberOfCountermeasures; ++i)
            WhichCosts(state, state.FinalCountermeasures(i));
        if (!FillCostQuestionsFrame()) {
            showFrame(EconomicFrame::FrameIntro);
            CommandBack->setEnabled(false);
        }
        break;
    case EconomicFrame::FrameFinal:
        break;
    }
    enterFrameIfNew(before);
}

void frmEconomic::CommandBack_Click()
{
    const EconomicSession& session = TheEconomicSession();
    const EconomicFrame before = current_;
    switch (current_) {
    case EconomicFrame::FrameEcQuestions1:
        CommandBack->setEnabled(false);
        showFrame(EconomicFrame::FrameIntro);
        EmptyCostQuestionsFrame();
        break;
    case EconomicFrame::FrameEcQuestions2:
        showFrame(EconomicFrame::FrameEcQuestions1);
        EmptyEconomicQuestionsFrames();
        break;
    case EconomicFrame::FrameEcQuestions3:
        showFrame(EconomicFrame::FrameEcQuestions2);
        break;
    case EconomicFrame::FrameEcQuestions4:
        showFrame(EconomicFrame::FrameEcQuestions3);
        break;
    case EconomicFrame::FrameFinal:
        CommandNext->setEnabled(true);
        CommandFinish->setEnabled(false);
        showFrame(EconomicFrame::FrameEcQuestions4);
        if (!session.FrameEcQuestions3Used)
            CommandBack_Click();
        if (!session.FrameEcQuestions4Used)
            CommandBack_Click();
        break;
    case EconomicFrame::FrameIntro:
        break;
    }
    if (current_ == EconomicFrame::FrameIntro)
        CommandBack->setEnabled(false);
    if (current_ == EconomicFrame::FrameEcQuestions1)
        CommandNext->setEnabled(true);
    enterFrameIfNew(before);
}

void frmEconomic::CommandCancel_Click()
{
    DisableAllCosts(TheAssessment());
    unloadWindow();
}

void frmEconomic::CommandFinish_Click()
{
    const EconomicFinish finish = FinishEconomicAssessment(TheAssessment(), TheEconomicSession());
    frmTALVOfile& results = forms::frmTALVOfile.get();
    results.FillCostBenefitGrid();
    results.SetEconomicInformationText(finish.InformationText);
    unloadWindow();
}

} // namespace talvo
