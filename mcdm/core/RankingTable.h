#pragma once

#include "platform/core/BasicTypes.h"
#include "platform/core/BoundedArray.h"

namespace talvo {

// One alternative position of the ranking wizard's working table: a countermeasure position and a score for each
// of the three ranking methods. Each method writes only its own pair.
struct RankingEntry
{
    Integer SumIndex = 0; // weighted summation
    Single SumScore = 0;
    Integer IdealIndex = 0; // ideal-point analysis
    Single IdealScore = 0;
    Integer OutrankIndex = 0; // outranking
    Single OutrankScore = 0;
};

// 19 entries, one per final countermeasure an assessment can hold. Not cleared between runs: a run writes only
// entries 0 .. count-1.
using RankingTable = BoundedArray<RankingEntry, 0, 18>;

// Concordance or discordance index of alternative i over alternative k, sized for 19 alternatives both ways.
using IndexMatrix = BoundedMatrix<Single, 0, 18, 0, 18>;

// The ranking wizard's own variables. They live as long as the program, not as long as the wizard's widgets.
struct RankingWorkspace
{
    talvo::RankingTable RankingTable;
    IndexMatrix ConcordanceMatrix;
    IndexMatrix DiscordanceMatrix;
};

} // namespace talvo
