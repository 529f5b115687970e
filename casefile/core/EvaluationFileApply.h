#pragma once

#include "casefile/core/CaseFileCallbacks.h"
#include "casefile/core/EvaluationFile.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace talvo {

// Why a file is read. A file the user opens starts a fresh assessment: the question flags, the two status
// flags and the crop answer of whatever was held before are cleared first. The read-back of the working file
// at the end of the selection wizard keeps them, since they describe the selection just assessed.
enum class OpenPurpose { UserOpen, WorkingFileReadBack };

// What reading a file writes into the results window. The grids are filled from the assessment afterwards;
// an empty optional leaves its control as it was.
struct ResultsWindowUpdate
{
    QString AssessmentCriteria;                 // RichTextBoxAssessmentCriteria
    QString LastModified;                       // LabelLastModified
    QString DepositionSelectedName;             // LabelDepositionSelectedName
    QString FarmTypeSelectedName;               // LabelFarmTypeSelectedName
    QString CountermeasureList;                 // RichTextBoxCountermeasureList
    bool FillScoreGrid = false;                 // MSFlexGridCountermeasureScores, unless a status flag is set
    QString LimitationsInformation;             // RichTextBoxLimitationsInformation
    std::optional<QString> CriteriaWeights;     // RichTextBoxCriteriaWeights, when the ranking was done
    std::optional<QString> IdealPtResults;      // RichTextBoxIdealPtResults
    std::optional<QString> IdealPtIdeals;       // RichTextBoxIdealPtIdeals
    std::optional<QString> PUsed;               // LabelPUsed
    bool FillCostBenefitGrid = false;           // MSFlexGridCostBenefit, when the costs were done
    std::optional<QString> EconomicInformation; // RichTextBoxEconomicInformation
};

// The caption of LabelLastModified for a file changed at `modified`, in the user's date and time form.
QString LastModifiedCaption(const QDateTime& modified);

// The reader's own texts (not those the ranking writes): per criterion CR LF, weight, four blanks, name; per
// entry name, "   (Score =  ", score, ")", CR LF, the file's last entry first; per criterion CR LF, name,
// "     Ideal Value = ", ideal.
QString ReaderWeightsText(const AssessmentState& state);
QString ReaderRankingText(const AssessmentState& state);
QString ReaderIdealsText(const AssessmentState& state);

// Writes a checked file into the assessment in the stored order, calling the wizards' procedures where the
// order needs them: each name with SetLimitationAssessment, then the answers (so a stored CEC-known answer
// replaces the lime preset), then SetLimitationInformation; the economic answers, then WhichCosts for each name,
// then WriteEconomicInformation. Never fails: everything that could go wrong was checked by the parser.
ResultsWindowUpdate ApplyEvaluationFile(const EvaluationFileContent& content, AssessmentState& state,
                                        const CaseFileCallbacks& callbacks, OpenPurpose purpose,
                                        const QDateTime& modified);

} // namespace talvo
