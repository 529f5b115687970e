#include "selection/ui/frmDepoAndAg.h"

#include "casefile/ui/frmTALVOfile.h"
#include "platform/core/Seams.h"
#include "platform/core/TempFolder.h"
#include "platform/ui/WizardPages.h"
#include "selection/core/FeasibilityRules.h"
#include "selection/core/LimitationAssessment.h"
#include "selection/core/LimitationCompleteness.h"
#include "selection/core/OfferTable.h"
#include "selection/core/ScoreMatrixRules.h"
#include "selection/core/SelectionTexts.h"
#include "tables/core/AssessmentState.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace talvo {
namespace {

const QString NoFarmTypeText = QStringLiteral("You must select an agricultural type.");
const QString NoCountermeasureText = QStringLiteral("You must select at least one countermeasure.");
const QString WorkingFileName = QStringLiteral("tmp.txt");
constexpr int FirstFarmPicture = 11;

// The text of a single-choice list: its chosen item, or nothing.
QString chosenText(const QListWidget* list)
{
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

} // namespace

// One Next or Back, however often it calls itself.
class NavigationStep
{
public:
    explicit NavigationStep(frmDepoAndAg& wizard) : wizard_(wizard) { ++wizard_.navigationDepth_; }
    ~NavigationStep()
    {
        if (--wizard_.navigationDepth_ == 0)
            wizard_.applyShownPage();
    }
    NavigationStep(const NavigationStep&) = delete;
    NavigationStep& operator=(const NavigationStep&) = delete;

private:
    frmDepoAndAg& wizard_;
};

frmDepoAndAg::frmDepoAndAg(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmDepoAndAg"));
    setWindowTitle(QStringLiteral("TALVO Selection Wizard"));
    // Kept before Form_Load changes the status flags; the main window keeps it before it empties the answers.
    std::optional<SelectionCancelPoint>& pending = PendingSelectionCancelPoint();
    cancelPoint_ = pending ? std::move(*pending) : KeepSelectionCancelPoint(TheAssessment(), TheSelectionSession());
    pending.reset();
    buildControls();
    Form_Load();
}

frmDepoAndAg::~frmDepoAndAg() = default;

void frmDepoAndAg::Form_Load()
{
    AssessmentState& s = TheAssessment();
    PictureBoxFarmPix->setPixmap(PictureClip1.GraphicCell(FirstFarmPicture));
    farmPictureIndex_ = FirstFarmPicture;
    Timer1->start();

    s.NoSuitableCountermeasures.IsSet = false;
    s.NoCountermeasuresNeeded.IsSet = false;
    // The window's own flags start False with each new window.
    TheSelectionSession().CECRequired = false;
    TheSelectionSession().KStatusRequired = false;

    showPage(Page::FrameDeposition);
    CommandNext->setEnabled(false);
    CommandBack->setEnabled(false);
    CommandFinish->setEnabled(false);
    CommandCancel->setEnabled(true);

    fillingLists_ = true;
    ListDeposition->addItems(DepositionScenarios());
    ListAgricultureType->addItems(AgricultureTypes());
    fillingLists_ = false;
}

void frmDepoAndAg::ShowNextFarmPicture()
{
    farmPictureIndex_ = (farmPictureIndex_ + 1) % FarmPictureClip::CellCount;
    PictureBoxFarmPix->setPixmap(PictureClip1.GraphicCell(farmPictureIndex_));
}

void frmDepoAndAg::ListDeposition_Click()
{
    AssessmentState& s = TheAssessment();
    CommandNext->setEnabled(true);
    s.DepositionScenario = chosenText(ListDeposition);
    if (const auto definition = ScenarioDefinition(s.DepositionScenario))
        LabelDepoDefinition->setText(*definition);
    LabelDepositSelected->setText(DepositSelectedCaption(s.DepositionScenario));
}

void frmDepoAndAg::ListAgricultureType_Click()
{
    AssessmentState& s = TheAssessment();
    const QString current = chosenText(ListAgricultureType);
    LabelAgricultureDefinition->setText(AgricultureDefinition(current));
    s.AgricultureType = current;
    LabelAgSelected->setText(AgSelectedCaption(s.AgricultureType));
}

void frmDepoAndAg::ListCountermeasures_Click()
{
    const QListWidgetItem* focused = ListCountermeasures->currentItem();
    if (const auto definition = CountermeasureDefinition(TheAssessment(), focused ? focused->text() : QString()))
        LabelCountermeasureDefinition->setText(*definition);
}

void frmDepoAndAg::ListDeposition_DblClick()
{
    ListDeposition_Click();
    CommandNext_Click();
}

void frmDepoAndAg::ListAgricultureType_DblClick()
{
    ListAgricultureType_Click();
    CommandNext_Click();
}

bool frmDepoAndAg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListCountermeasures && event->type() == QEvent::FocusIn)
        countermeasureKeys_ = false;
    else if (watched == ListCountermeasures && event->type() == QEvent::KeyPress)
        countermeasureKeys_ = true;
    // Enter in one of the three lists moves on, whatever the state of the Next button.
    if (event->type() == QEvent::KeyPress &&
        (watched == ListDeposition || watched == ListAgricultureType || watched == ListCountermeasures)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CommandNext_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int frmDepoAndAg::selectedCountermeasureCount() const
{
    // The count of the selection as NumberOfCountermeasures holds it: no more than the 19 slots.
    const int slotCount = TheAssessment().SelectedCountermeasures.UBound + 1;
    return std::min(static_cast<int>(ListCountermeasures->selectedItems().size()), slotCount);
}

QStringList frmDepoAndAg::selectedCountermeasureItems() const
{
    QStringList items;
    for (int i = 0; i < ListCountermeasures->count(); ++i) {
        if (ListCountermeasures->item(i)->isSelected())
            items << ListCountermeasures->item(i)->text();
    }
    return items;
}

void frmDepoAndAg::collectSelection()
{
    AssessmentState& s = TheAssessment();
    s.NumberOfCountermeasures = 0;
    for (const QString& item : selectedCountermeasureItems()) {
        // The offer never holds more than the 19 slots, but a selection must not run past them.
        if (s.NumberOfCountermeasures > s.SelectedCountermeasures.UBound)
            break;
        s.SelectedCountermeasures(s.NumberOfCountermeasures) = item;
        ++s.NumberOfCountermeasures;
    }
}

void frmDepoAndAg::buildFinalList()
{
    AssessmentState& s = TheAssessment();
    ListFinalCounter->clear();
    s.NoSuitableCountermeasures.IsSet = false;
    Integer j = 0;
    for (int i = 0; i < s.NumberOfCountermeasures; ++i) {
        if (IsCountermeasureFeasible(s, TheSelectionSession(), s.SelectedCountermeasures(i))) {
            s.FinalCountermeasures(j) = s.SelectedCountermeasures(i);
            ListOfFinalCountermeasures(s.FinalCountermeasures(j));
            ++j;
        }
    }
    s.NumberOfCountermeasures = j;
    if (j == 0) {
        if (!s.NoCountermeasuresNeeded.IsSet) {
            s.NoSuitableCountermeasures.IsSet = true;
            ListOfFinalCountermeasures(s.NoSuitableCountermeasures.Message);
        } else {
            ListOfFinalCountermeasures(s.NoCountermeasuresNeeded.Message);
        }
    }
}

bool frmDepoAndAg::checkAllQuestionsAnswered()
{
    // One box per missing answer, not only the first.
    const std::vector<MessageRequest> missing = CheckAllQuestionsAnswered(TheAssessment(), TheSelectionSession());
    for (const MessageRequest& box : missing)
        ShowMessage(box);
    return missing.empty();
}

void frmDepoAndAg::fillOfferList()
{
    const CountermeasureOffer offer = OfferCountermeasures(TheAssessment());
    fillingLists_ = true;
    ListCountermeasures->clear();
    ListCountermeasures->addItems(offer.Names);
    fillingLists_ = false;
}

void frmDepoAndAg::ListOfFinalCountermeasures(const QString& Countermeasure)
{
    ListFinalCounter->addItem(Countermeasure);
}

void frmDepoAndAg::ClearFinalCountermList()
{
    ListFinalCounter->clear();
    CommandNext->setEnabled(false);
    CommandFinish->setEnabled(true);
}

QWidget* frmDepoAndAg::messageSubject() const
{
    switch (currentPage_) {
    case Page::FrameAgriculture:
        return ListAgricultureType;
    case Page::FrameCounterm:
        return ListCountermeasures;
    case Page::FrameLimitations1:
    case Page::FrameLimitations2:
    case Page::FrameLimitations3: {
        QList<QWidget*> missing;
        for (int index : MissingLimitationAnswers(TheAssessment(), TheSelectionSession()))
            missing << questionWidgets_.at(static_cast<std::size_t>(index)).Widget();
        return TopmostShownQuestion(missing, frameOf(currentPage_));
    }
    case Page::FrameDeposition:
    case Page::FrameFinalCounterm:
        break;
    }
    return nullptr;
}

void frmDepoAndAg::CommandNext_Click()
{
    // Left after the step, once the page it ends on is on screen.
    const FocusAfterMessages focus(CommandNext, CommandFinish, [this] { return messageSubject(); });
    const NavigationStep step(*this);
    AssessmentState& s = TheAssessment();
    const SelectionSession& session = TheSelectionSession();

    if (currentPage_ == Page::FrameDeposition)
        CommandBack->setEnabled(true);
    if (currentPage_ == Page::FrameLimitations3) {
        CommandFinish->setEnabled(true);
        CommandNext->setEnabled(false);
    }
    if (currentPage_ == Page::FrameCounterm)
        collectSelection();
    if (currentPage_ == Page::FrameLimitations3)
        buildFinalList();

    switch (currentPage_) {
    case Page::FrameLimitations3:
        if (!checkAllQuestionsAnswered()) {
            // No final list stands, so no status of one either: Back must not pass the countermeasure page.
            s.NoSuitableCountermeasures.IsSet = false;
            CommandNext->setEnabled(true);
            CommandFinish->setEnabled(false);
            s.NumberOfCountermeasures = static_cast<Integer>(selectedCountermeasureCount());
            if (!session.FrameLimitations3Used)
                CommandBack_Click();
        } else {
            showPage(Page::FrameFinalCounterm);
        }
        break;
    case Page::FrameLimitations2:
        showPage(Page::FrameLimitations3);
        if (!session.FrameLimitations3Used)
            CommandNext_Click();
        break;
    case Page::FrameLimitations1:
        showPage(Page::FrameLimitations2);
        if (!session.FrameLimitations2Used)
            CommandNext_Click();
        break;
    case Page::FrameCounterm:
        if (selectedCountermeasureCount() > 0 || s.NoCountermeasuresNeeded.IsSet || s.NoSuitableCountermeasures.IsSet) {
            TheSelectionSession().FrameLimitations2Used = false;
            DisableAllLimitationQuestions(s, TheSelectionSession());
            AssessSelectedCountermeasures();
            showPage(Page::FrameLimitations1);
            if (session.QuestionCount == 0)
                CommandNext_Click();
        } else {
            MsgBox(NoCountermeasureText);
        }
        break;
    case Page::FrameAgriculture:
        if (!chosenText(ListAgricultureType).isEmpty()) {
            LabelCountermeasureDefinition->setText(QString());
            showPage(Page::FrameCounterm);
            s.NoSuitableCountermeasures.IsSet = false;
            s.NoCountermeasuresNeeded.IsSet = false;
        } else {
            MsgBox(NoFarmTypeText);
        }
        break;
    case Page::FrameDeposition:
        showPage(Page::FrameAgriculture);
        break;
    case Page::FrameFinalCounterm:
        break;
    }

    if (currentPage_ == Page::FrameCounterm) {
        fillOfferList();
        // A pair that needs nothing goes on through the empty pages to the final page.
        if (s.NoCountermeasuresNeeded.IsSet)
            CommandNext_Click();
    }
}

void frmDepoAndAg::CommandBack_Click()
{
    const NavigationStep step(*this);
    AssessmentState& s = TheAssessment();
    const SelectionSession& session = TheSelectionSession();

    switch (currentPage_) {
    case Page::FrameAgriculture:
        CommandNext->setEnabled(true);
        showPage(Page::FrameDeposition);
        break;
    case Page::FrameCounterm:
        showPage(Page::FrameAgriculture);
        break;
    case Page::FrameLimitations1:
        EmptyLimitationsFrame();
        DisableAllLimitationQuestions(s, TheSelectionSession());
        showPage(Page::FrameCounterm);
        if (s.NoSuitableCountermeasures.IsSet || s.NoCountermeasuresNeeded.IsSet)
            CommandBack_Click();
        break;
    case Page::FrameLimitations2:
        showPage(Page::FrameLimitations1);
        if (session.QuestionCount == 0)
            CommandBack_Click();
        break;
    case Page::FrameLimitations3:
        showPage(Page::FrameLimitations2);
        if (!session.FrameLimitations2Used)
            CommandBack_Click();
        break;
    case Page::FrameFinalCounterm:
        s.NumberOfCountermeasures = static_cast<Integer>(selectedCountermeasureCount());
        // The entries no longer name a final list; emptied, so a wizard cancelled here leaves no stale names.
        for (int i = 0; i < s.NumberOfCountermeasures; ++i)
            s.FinalCountermeasures(i).clear();
        CommandNext->setEnabled(true);
        CommandFinish->setEnabled(false);
        showPage(Page::FrameLimitations3);
        if (!session.FrameLimitations3Used)
            CommandBack_Click();
        break;
    case Page::FrameDeposition:
        break;
    }

    if (currentPage_ == Page::FrameDeposition)
        CommandBack->setEnabled(false);
    if (currentPage_ == Page::FrameAgriculture)
        CommandNext->setEnabled(true);
}

void frmDepoAndAg::CommandFinish_Click()
{
    const FocusAfterMessages focus(CommandNext, CommandFinish, [this] { return messageSubject(); });
    AssessmentState& s = TheAssessment();
    workingFilePath_ = JoinPath(s.TempFolder, WorkingFileName);
    const auto scoresBefore = s.ScoreMatrix;
    const bool rankedBefore = s.MCDMDone;
    const bool costedBefore = s.EconomicDone;
    // A new list has been neither ranked nor costed: the old results index countermeasures it may not hold.
    s.MCDMDone = false;
    s.EconomicDone = false;
    // One score row per final countermeasure; a status message in the list is no countermeasure.
    for (int Row = 0; Row < s.NumberOfCountermeasures; ++Row)
        FillScoreMatrix(s, s.FinalCountermeasures(Row), Row);

    frmTALVOfile& results = forms::frmTALVOfile.get();
    // Each reports its own failure; the wizard then stays on its final page as it was before Finish, so Finish
    // can be tried again and Cancel still leaves the old assessment whole.
    FileDescriptor written;
    if (!results.SaveWorkingFile(workingFilePath_, &written) ||
        !results.ReadBackWorkingFile(workingFilePath_, std::move(written))) {
        s.ScoreMatrix = scoresBefore;
        s.MCDMDone = rankedBefore;
        s.EconomicDone = costedBefore;
        return;
    }
    results.SetCriteriaWeightsText(QString());
    results.SetIdealPtResultsText(QString());
    results.SetIdealPtIdealsText(QString());
    results.SetPUsedCaption(QString());
    results.SetEconomicInformationText(QString());
    results.HideCostBenefitGrid();
    results.SetLimitationsInformationText(SetLimitationInformation(s));
    unloadWizard();
}

void frmDepoAndAg::CommandCancel_Click()
{
    DisableAllLimitationQuestions(TheAssessment(), TheSelectionSession());
    RestoreSelectionCancelPoint(cancelPoint_, TheAssessment(), TheSelectionSession());
    unloadWizard();
}

void frmDepoAndAg::unloadWizard()
{
    Timer1->stop();
    if (forms::frmDepoAndAg.existing() == this)
        forms::frmDepoAndAg.Unload();
    else
        deleteLater();
}

void frmDepoAndAg::closeEvent(QCloseEvent* event)
{
    // The window's close box is the Cancel button.
    event->accept();
    CommandCancel_Click();
}

} // namespace talvo
