#include "casefile/ui/frmTALVOfile.h"

#include "casefile/core/EvaluationFileApply.h"
#include "casefile/core/ResultsGrids.h"
#include "casefile/core/TextReport.h"
#include "casefile/ui/ResultsTextBox.h"
#include "casefile/ui/TextGrid.h"
#include "casefile/ui/frmEditScores.h"

#include "platform/core/RegularFile.h"
#include "platform/core/Seams.h"
#include "platform/core/Twips.h"
#include "platform/core/WholeFile.h"
#include "platform/ui/WindowPlacement.h"
#include "tables/core/ScoreScale.h"

#include <QDateTime>
#include <QFile>
#include <QLabel>

#include <cerrno>

#include <sys/stat.h>

namespace talvo {

frmTALVOfile::frmTALVOfile(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmTALVOfile"));
    buildControls();
    resize(TwipsToPixels(7830), TwipsToPixels(8160));
    applySizes(true, true);
}

bool frmTALVOfile::SaveTALVOfile(const QString& FileName)
{
    return saveFile(FileName, SaveRole::UserFile, nullptr);
}

bool frmTALVOfile::SaveWorkingFile(const QString& FileName, FileDescriptor* written)
{
    return saveFile(FileName, SaveRole::WorkingFile, written);
}

bool frmTALVOfile::saveFile(const QString& FileName, SaveRole role, FileDescriptor* written)
{
    EvaluationFileContent content;
    QString error;
    if (!ContentFromState(TheAssessment(), content, &error)) {
        reportFailure(QStringLiteral("The evaluation file \"%1\" could not be written.").arg(FileName), error);
        return false;
    }
    const QByteArray bytes = EncodeEvaluationFile(content);
    if (bytes.size() > EvaluationFileContent::MaxFileSize) {
        reportFailure(QStringLiteral("The evaluation file \"%1\" could not be written.").arg(FileName),
                      QStringLiteral("It would be larger than %1 MiB, the most an evaluation file may hold.")
                          .arg(EvaluationFileContent::MaxFileSize >> 20));
        return false;
    }
    return SaveWholeFile(FileName, bytes, EvaluationFileKind, role, written);
}

bool frmTALVOfile::OpenTALVOfile(const QString& FileName)
{
    return openFile(FileName, OpenPurpose::UserOpen);
}

bool frmTALVOfile::ReadBackWorkingFile(const QString& FileName, FileDescriptor written)
{
    return openFile(FileName, OpenPurpose::WorkingFileReadBack, std::move(written));
}

// A file opened by name, or the handle of a working file just written.
bool frmTALVOfile::openFile(const QString& FileName, OpenPurpose purpose, FileDescriptor written)
{
    QFile file(FileName);
    QString reason;
    constexpr qint64 bound = EvaluationFileContent::MaxFileSize;
    const bool opened = written.valid() ? file.open(written.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)
                                        : OpenRegularFile(file, &reason, bound, EvaluationFileKind);
    if (!opened) {
        reportFailure(QStringLiteral("The evaluation file \"%1\" could not be opened.").arg(FileName),
                      reason.isEmpty() ? file.errorString() : reason);
        return false;
    }
    // Never more than the bound: a file that grew since it was opened would otherwise be read whole.
    const std::optional<QByteArray> read = ReadAtMost(file, bound, EvaluationFileKind, &reason);
    struct stat info
    {
    };
    if (!read || ::fstat(file.handle(), &info) != 0) {
        reportFailure(QStringLiteral("The evaluation file \"%1\" could not be read.").arg(FileName),
                      read ? qt_error_string(errno) : reason);
        return false;
    }
    const QByteArray& bytes = *read;
    // From the handle: the name may lead elsewhere by now.
    const QDateTime modified =
        QDateTime::fromMSecsSinceEpoch(qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000);
    file.close();

    if (!LooksLikeEvaluationFile(bytes)) {
        reportFailure(NotAnEvaluationFileText(FileName));
        return false;
    }
    // Checked whole before anything changes, so a bad file leaves the assessment and this window as they were.
    QString error;
    const auto content = ParseEvaluationFile(bytes, &error);
    if (!content) {
        reportFailure(QStringLiteral("The evaluation file \"%1\" could not be read.").arg(FileName), error);
        return false;
    }
    showUpdate(ApplyEvaluationFile(*content, TheAssessment(), TheCaseFileCallbacks(), purpose, modified));
    return true;
}

void frmTALVOfile::showUpdate(const ResultsWindowUpdate& update)
{
    RichTextBoxAssessmentCriteria->setText(update.AssessmentCriteria);
    LabelLastModified->setText(update.LastModified);
    LabelDepositionSelectedName->setText(update.DepositionSelectedName);
    LabelFarmTypeSelectedName->setText(update.FarmTypeSelectedName);
    RichTextBoxCountermeasureList->setText(update.CountermeasureList);
    if (update.FillScoreGrid)
        FillScoreGrid();
    RichTextBoxLimitationsInformation->setText(update.LimitationsInformation);
    if (update.CriteriaWeights)
        RichTextBoxCriteriaWeights->setText(*update.CriteriaWeights);
    if (update.IdealPtResults)
        RichTextBoxIdealPtResults->setText(*update.IdealPtResults);
    if (update.IdealPtIdeals)
        RichTextBoxIdealPtIdeals->setText(*update.IdealPtIdeals);
    if (update.PUsed)
        LabelPUsed->setText(*update.PUsed);
    if (update.FillCostBenefitGrid)
        FillCostBenefitGrid();
    if (update.EconomicInformation)
        RichTextBoxEconomicInformation->setText(*update.EconomicInformation);
}

void frmTALVOfile::FillScoreGrid()
{
    MSFlexGridCountermeasureScores->setVisible(true);
    MSFlexGridCountermeasureScores->setEnabled(true);
    MSFlexGridCountermeasureScores->showContent(ScoreGridContent(TheAssessment()));
}

void frmTALVOfile::FillCostBenefitGrid()
{
    MSFlexGridCostBenefit->setVisible(true);
    MSFlexGridCostBenefit->setEnabled(true);
    MSFlexGridCostBenefit->showContent(CostBenefitGridContent(TheAssessment()));
}

void frmTALVOfile::HideCostBenefitGrid()
{
    MSFlexGridCostBenefit->setVisible(false);
    MSFlexGridCostBenefit->setEnabled(false);
}

bool frmTALVOfile::ExportTALVOfileAsText(const QString& FileName)
{
    ReportWindowTexts texts;
    texts.CountermeasureList = RichTextBoxCountermeasureList->text();
    texts.IdealPtIdeals = RichTextBoxIdealPtIdeals->text();
    texts.CriteriaWeights = RichTextBoxCriteriaWeights->text();
    texts.IdealPtResults = RichTextBoxIdealPtResults->text();
    texts.LimitationsInformation = RichTextBoxLimitationsInformation->text();
    const QString report = BuildTextReport(TheAssessment(), texts, TheCaseFileCallbacks());
    return SaveWholeFile(FileName, EncodeTextReport(report), TextReportKind);
}

void frmTALVOfile::MSFlexGridCountermeasureScores_DblClick(int row, int col)
{
    // A header cell is not remembered: an editor already open must still write to the score cell it was
    // opened on, not lose the user's choice to a header.
    if (row < 1 || col < 1)
        return;
    editRow_ = row;
    editCol_ = col;
    PlaceOverMainWindow(forms::frmEditScores.get());
    forms::frmEditScores.Show();
}

void frmTALVOfile::WriteNewScore(const QString& NewScoreString)
{
    // The editor is not modal: the grid may have been refilled since, so the cell must still be a score cell.
    AssessmentState& state = TheAssessment();
    const int r = editRow_;
    const int k = editCol_;
    if (r < 1 || k < 1 || r >= MSFlexGridCountermeasureScores->rows() || k >= MSFlexGridCountermeasureScores->cols() ||
        k > state.NumberOfCountermeasures || r > state.NumberOfCriteria)
        return;
    state.ScoreMatrix(k - 1, r - 1) = ConvertScoreNametoNum(NewScoreString);
    MSFlexGridCountermeasureScores->setCellText(r, k, NewScoreString);
}

void frmTALVOfile::SetLimitationsInformationText(const QString& text)
{
    RichTextBoxLimitationsInformation->setText(text);
}
void frmTALVOfile::SetEconomicInformationText(const QString& text)
{
    RichTextBoxEconomicInformation->setText(text);
}
void frmTALVOfile::SetCriteriaWeightsText(const QString& text)
{
    RichTextBoxCriteriaWeights->setText(text);
}
void frmTALVOfile::SetIdealPtIdealsText(const QString& text)
{
    RichTextBoxIdealPtIdeals->setText(text);
}
void frmTALVOfile::SetIdealPtResultsText(const QString& text)
{
    RichTextBoxIdealPtResults->setText(text);
}
void frmTALVOfile::SetPUsedCaption(const QString& caption)
{
    LabelPUsed->setText(caption);
}

} // namespace talvo
