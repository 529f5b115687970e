#pragma once

#include "mcdm/core/PrintFile.h"
#include "mcdm/core/RankingTable.h"
#include "tables/core/AssessmentState.h"

#include <optional>

namespace talvo {

// Normalisation, weighted summation and concordance/discordance outranking. Throughout, count is the number of
// alternatives (rows 0 .. count-1 of ScoreMatrix), the criteria are 0 .. NumberOfCriteria-1 and the weights are
// Criteria(j).Weight. Each trace file goes into TempFolder; one that cannot be written is reported and the
// procedure's results stand.

inline const QString NormalizeWeightsFileName = QStringLiteral("TempFile.txt");
inline const QString WeightedSummationFileName = QStringLiteral("WeightedSummation.txt");
inline const QString ConcDiscFileName = QStringLiteral("ConcDisc.txt");

using ScoreMatrixTable = decltype(AssessmentState::ScoreMatrix);

// Divides every weight by their total and traces it in TempFile.txt. All weights 0 leaves them as they are.
bool NormalizeWeights(AssessmentState& state);

// The largest of Matrix(0 .. count-1, j), but never below 0.
Single FindMaxMatrix(int j, int count, const ScoreMatrixTable& Matrix);
// The smallest of Matrix(0 .. count-1, j), but never above 1000.
Single FindMinMatrix(int j, int count, const ScoreMatrixTable& Matrix);
// Rescales each column of ScoreMatrix rows 0 .. count-1 to (M - Min) / (Max - Min), in place. A column whose Max
// equals its Min becomes 0. No trace.
void NormalizeMatrix(AssessmentState& state, int count);

// RankingTable(i).SumScore := sum over j of M(i, j) * w_j (in Single), SumIndex := i; not sorted.
// Traced in WeightedSummation.txt.
bool WeightedSummation(AssessmentState& state, RankingTable& table, int count);

// ConcordanceMatrix(i, k) := the weight of the criteria on which i scores at least as well as k (i != k; the
// rest of the matrix is emptied). Traces into the given file.
void DetermineConcordance(const AssessmentState& state, IndexMatrix& ConcordanceMatrix, int count, PrintFile& trace);
// DiscordanceMatrix(i, k) := the largest raw amount by which k scores above i on a criterion (i != k; the rest
// of the matrix is emptied). Traces into the given file.
void DetermineDiscordance(const AssessmentState& state, IndexMatrix& DiscordanceMatrix, int count, PrintFile& trace);

// The mean of the non-zero entries of the count x count corner; 0 when there is none.
Single CalculatenThreshold(const IndexMatrix& ConcordanceMatrix, int count);
Single CalculateuThreshold(const IndexMatrix& DiscordanceMatrix, int count);

// i outranks k when both indexes are non-zero, the concordance reaches nThreshold and the discordance stays
// within uThreshold. RankingTable(i).OutrankScore := how many i outranks minus how many outrank i,
// OutrankIndex := i. Traces into the given file.
void WhatOutranksWhat(const IndexMatrix& ConcordanceMatrix, const IndexMatrix& DiscordanceMatrix, RankingTable& table,
                      int count, Single nThreshold, Single uThreshold, PrintFile& trace);

// The two levels chosen in the threshold dialog, each 0 to 1.
struct ThresholdLevels
{
    Single ConcordanceLevel = 0;
    Single DiscordanceLevel = 0;
};

// Concordance, discordance, the thresholds (the dialog's levels when given, else the automatic means) into
// ConcordanceThreshold and DiscordanceThreshold, and the outranking, all traced in ConcDisc.txt.
bool ConcordanceDiscordance(AssessmentState& state, RankingWorkspace& workspace, int count,
                            const std::optional<ThresholdLevels>& levels = std::nullopt);

} // namespace talvo
