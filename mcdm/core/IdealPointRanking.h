#pragma once

#include "mcdm/core/RankingTable.h"
#include "tables/core/AssessmentState.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace talvo {

inline const QString IdealPointFileName = QStringLiteral("IdealPoint.txt");
inline const QString FinalResultsFileName = QStringLiteral("FinalResultsFile.txt");
inline const QString NoFileOpenForMCDMMessage =
    QStringLiteral("You must have a file open before you can run an MCDM assessment!");

// IdealValues(k) := the four-decimal ideal of the word selected in effect list k (0 when the text is no word or
// nothing is selected).
void ComboToIdeal(AssessmentState& state, const QString& selectedWord, int k);
// ComboToIdeal for the ten effect lists; selectedWords(k) is the text selected in list k, a missing entry counts
// as no selection.
void GenerateIdeals(AssessmentState& state, const QStringList& selectedWords);

// The distance of each of the first count final countermeasures from the ideals, weighted by Criteria(j).Weight
// raised to PValue (1 to 10): S = (sum over j of w^p * |IdealValues(j) - ScoreMatrix(i, j)|)^(1/p).
// With selectedIdealWords, GenerateIdeals runs first; otherwise IdealValues are used as they stand.
// Writes RankingTable(i).IdealScore/IdealIndex for i < count and the trace file IdealPoint.txt in TempFolder.
// Returns false when the trace file could not be written (already reported); the distances are set anyway.
// A count or NumberOfCriteria beyond the tables throws SubscriptOutOfRange.
bool IdealPointAnalysis(AssessmentState& state, RankingTable& table, int count,
                        const std::optional<QStringList>& selectedIdealWords = std::nullopt);

// What the ranking puts into the windows. The first three are set only when the results window was open.
struct RankingTexts
{
    std::optional<QString> IdealPtResults; // RichTextBoxIdealPtResults and the wizard's RichTextBoxFinalRank
    std::optional<QString> IdealPtIdeals;  // RichTextBoxIdealPtIdeals
    std::optional<QString> PUsed;          // caption of LabelPUsed
    QString CriteriaWeights;               // RichTextBoxCriteriaWeights, always
    bool ResultsFileWritten = false;       // FinalResultsFile.txt; a failure has been reported
};

// Sorts RankingTable entries 0 .. count-1 by IdealScore, largest first (equal scores keep their order), fills
// FinalScores(0 .. count-1) in that order and writes FinalResultsFile.txt in TempFolder, best first.
// When the results window is not open it shows NoFileOpenForMCDMMessage instead, leaves the results file empty
// and the table, FinalScores and the first three texts alone; the weights text is produced either way.
RankingTexts WriteFinalScoresFile(AssessmentState& state, RankingTable& table, int count, bool resultsWindowVisible);

} // namespace talvo
