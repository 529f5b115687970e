#include "mcdm/ui/frmMCDM.h"

#include "casefile/ui/ResultsTextBox.h"
#include "casefile/ui/frmTALVOfile.h"
#include "mcdm/core/IdealPointRanking.h"
#include "mcdm/core/RankingSession.h"
#include "mcdm/core/RankingWizardRules.h"
#include "platform/core/NumberForms.h"
#include "platform/core/Seams.h"
#include "platform/ui/WizardPages.h"
#include "tables/core/AssessmentState.h"
#include "tables/core/ScoreScale.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>

namespace talvo {
namespace {

constexpr int KeyEnter = 13;
constexpr int KeyBackspace = 8;

} // namespace

frmMCDM::frmMCDM(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMCDM"));
    setWindowTitle(QStringLiteral("MCDM Wizard"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();

    connect(CommandNext, &QPushButton::clicked, this, &frmMCDM::CommandNext_Click);
    connect(CommandBack, &QPushButton::clicked, this, &frmMCDM::CommandBack_Click);
    connect(CommandFinish, &QPushButton::clicked, this, &frmMCDM::CommandFinish_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &frmMCDM::CommandCancel_Click);
    connect(CommandReset, &QPushButton::clicked, this, &frmMCDM::CommandReset_Click);
    connect(CommandResetObjectives, &QPushButton::clicked, this, &frmMCDM::CommandResetObjectives_Click);
    TextPValue->installEventFilter(this);

    // Form_Load.
    showPage(Page::FrameIntro);
    CommandBack->setEnabled(false);
    CommandFinish->setEnabled(false);
    CommandNext->setEnabled(true);
    CommandCancel->setEnabled(true);
    SetWizardTexts();
    for (QComboBox* list : ComboCriteria)
        FillEffectCombo(list);
    const AssessmentState& s = TheAssessment();
    for (int k = 0; k < Rows; ++k) {
        LabelCriteria[k]->setText(s.Criteria(k).Name);
        LabelCriteriaObjective[k]->setText(s.Criteria(k).Name);
    }
    if (!s.MCDMDone) {
        SetDefaultObjectives();
    } else {
        for (int k = 0; k < Rows; ++k) {
            Sliders[k]->setValue(WeightToSliderValue(s.Criteria(k).Weight));
            ComboCriteria[k]->setCurrentIndex(IdealToListIndex(s.IdealValues(k)));
        }
    }
    TextPValue->setText(FormatStandard(static_cast<int>(s.PValue)));
    EnterWizardPage(FrameIntro, CommandBack, CommandNext, CommandFinish, CommandCancel);
}

void frmMCDM::showPage(Page page)
{
    currentPage_ = page;
    QFrame* frames[] = {FrameIntro, FramePValue, FrameObjectives, FrameWeights, FrameFinalScores};
    pages_->setCurrentWidget(frames[static_cast<int>(page)]);
}

void frmMCDM::enterPageIfNew(Page before)
{
    // Once the buttons are set for the page: a page the user stays on keeps the focus where it was.
    if (currentPage_ != before)
        EnterWizardPage(pages_->currentWidget(), CommandBack, CommandNext, CommandFinish, CommandCancel);
}

void frmMCDM::SetWizardTexts()
{
    RichTextBoxIdealPtTitle->setText(IdealPtTitleText());
    RichTextBoxIdealPtDefinition->setText(IdealPtDefinitionText());
    RichTextBoxExplainP->setText(ExplainPText());
}

void frmMCDM::FillEffectCombo(QComboBox* list)
{
    list->addItems(ScoreWordsForLists());
}

void frmMCDM::SetDefaultObjectives()
{
    for (int k = 0; k < Rows; ++k)
        ComboCriteria[k]->setCurrentIndex(DefaultObjectiveIndex(k));
}

QStringList frmMCDM::selectedIdealWords() const
{
    QStringList words;
    for (const QComboBox* list : ComboCriteria)
        words << (list->currentIndex() >= 0 ? list->currentText() : QString());
    return words;
}

void frmMCDM::GenerateIdeals(int /*count*/)
{
    talvo::GenerateIdeals(TheAssessment(), selectedIdealWords());
}

void frmMCDM::SetWeights()
{
    AssessmentState& s = TheAssessment();
    for (int k = 0; k < Rows; ++k)
        s.Criteria(k).Weight = static_cast<Single>(Sliders[k]->value());
}

void frmMCDM::ValidatePValue(bool& accepted)
{
    const std::optional<Integer> p = PValueFromText(TextPValue->text());
    if (p) {
        TheAssessment().PValue = *p;
        accepted = true;
        return;
    }
    TextPValue->setText(QStringLiteral("0"));
    MsgBox(PValueRangeMessage);
    accepted = false;
}

void frmMCDM::ClearMCDMResults()
{
    TheAssessment().MCDMDone = false;
    frmTALVOfile& results = forms::frmTALVOfile.get();
    results.SetCriteriaWeightsText(QString());
    results.SetIdealPtIdealsText(QString());
    results.SetIdealPtResultsText(QString());
    results.SetPUsedCaption(QString());
}

void frmMCDM::RunMCDM()
{
    AssessmentState& s = TheAssessment();
    ClearMCDMResults();
    SetWeights();
    const int count = s.NumberOfCountermeasures;
    if (count < 2) {
        MsgBox(TooFewCountermeasuresMessage);
        return;
    }
    // A p read from a file after the p page was left has not been checked; 0 would divide by zero in the root.
    if (s.PValue < LowestPValue || s.PValue > HighestPValue) {
        MsgBox(PValueRangeMessage);
        return;
    }
    s.MCDMDone = true;
    RankingTable& table = TheRankingSession().Workspace.RankingTable;
    IdealPointAnalysis(s, table, count, selectedIdealWords());
    const RankingTexts texts = WriteFinalScoresFile(s, table, count, forms::frmTALVOfile.Visible());
    // Writing the weights creates the results window, hidden, when there is none.
    frmTALVOfile& results = forms::frmTALVOfile.get();
    if (texts.IdealPtIdeals)
        results.SetIdealPtIdealsText(*texts.IdealPtIdeals);
    if (texts.PUsed)
        results.SetPUsedCaption(*texts.PUsed);
    if (texts.IdealPtResults) {
        results.SetIdealPtResultsText(*texts.IdealPtResults);
        RichTextBoxFinalRank->setText(*texts.IdealPtResults);
    } else {
        // Nothing was ranked into FinalScores: a save must not write the old scores as this ranking.
        s.MCDMDone = false;
    }
    results.SetCriteriaWeightsText(texts.CriteriaWeights);
}

void frmMCDM::CommandNext_Click()
{
    // The p message is about the p box; the ranking's messages leave the focus on Finish.
    const FocusAfterMessages focus(CommandNext, CommandFinish, [this]() -> QWidget* {
        return currentPage_ == Page::FramePValue ? TextPValue : nullptr;
    });
    const Page before = currentPage_;
    switch (currentPage_) {
    case Page::FrameIntro:
        showPage(Page::FramePValue);
        CommandBack->setEnabled(true);
        break;
    case Page::FramePValue: {
        bool accepted = false;
        ValidatePValue(accepted);
        if (accepted)
            showPage(Page::FrameObjectives);
        break;
    }
    case Page::FrameObjectives:
        showPage(Page::FrameWeights);
        break;
    case Page::FrameWeights:
        showPage(Page::FrameFinalScores);
        CommandNext->setEnabled(false);
        CommandFinish->setEnabled(true);
        RunMCDM();
        break;
    case Page::FrameFinalScores:
        break;
    }
    enterPageIfNew(before);
}

void frmMCDM::CommandBack_Click()
{
    const Page before = currentPage_;
    switch (currentPage_) {
    case Page::FrameIntro:
        break;
    case Page::FramePValue:
        showPage(Page::FrameIntro);
        CommandBack->setEnabled(false);
        break;
    case Page::FrameObjectives:
        showPage(Page::FramePValue);
        break;
    case Page::FrameWeights:
        showPage(Page::FrameObjectives);
        break;
    case Page::FrameFinalScores:
        showPage(Page::FrameWeights);
        CommandNext->setEnabled(true);
        CommandFinish->setEnabled(false);
        break;
    }
    enterPageIfNew(before);
}

void frmMCDM::CommandFinish_Click()
{
    forms::frmMCDM.Unload();
}

void frmMCDM::CommandCancel_Click()
{
    forms::frmMCDM.Unload();
}

void frmMCDM::CommandReset_Click()
{
    for (QSlider* slider : Sliders)
        slider->setValue(StartWeight);
}

void frmMCDM::CommandResetObjectives_Click()
{
    SetDefaultObjectives();
}

void frmMCDM::TextPValue_Click()
{
    TextPValue->clear();
}

bool frmMCDM::TextPValue_KeyPress(int KeyAscii)
{
    if (KeyAscii == KeyEnter) {
        if (TextPValue->text().isEmpty())
            TextPValue->setText(QStringLiteral("1"));
        else if (currentPage_ == Page::FramePValue)
            CommandNext_Click();
        return false;
    }
    if (KeyAscii >= '0' && KeyAscii <= '9')
        return true;
    MsgBox(PValueKeyMessage);
    TextPValue->clear();
    TextPValue->setFocus();
    return false;
}

bool frmMCDM::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != TextPValue)
        return QWidget::eventFilter(watched, event);
    // A Click is the left button's; the right one opens the context menu and leaves the text.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        TextPValue_Click();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return !TextPValue_KeyPress(KeyEnter);
    if (key->key() == Qt::Key_Backspace)
        return !TextPValue_KeyPress(KeyBackspace);
    // Keys that type no character (arrows, Delete, Tab between controls) are not typed characters.
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Escape ||
        key->key() == Qt::Key_Delete)
        return false;
    return !TextPValue_KeyPress(text.at(0).unicode());
}

} // namespace talvo
