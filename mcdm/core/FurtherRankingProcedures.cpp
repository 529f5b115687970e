#include "mcdm/core/FurtherRankingProcedures.h"

#include "platform/core/Rounding.h"
#include "platform/core/TempFolder.h"

namespace talvo {
namespace {

const QString Stars5 = QStringLiteral("*****");
const QString Stars11 = QStringLiteral("***********");

// Mean of the non-zero entries; with none there is nothing to average.
Single meanOfNonZero(const IndexMatrix& matrix, int count)
{
    Single sum = 0;
    int entries = 0;
    for (int i = 0; i < count; ++i) {
        for (int k = 0; k < count; ++k) {
            if (matrix(i, k) != 0) {
                sum += matrix(i, k);
                ++entries;
            }
        }
    }
    return entries == 0 ? Single(0) : sum / static_cast<Single>(entries);
}

} // namespace

bool NormalizeWeights(AssessmentState& state)
{
    PrintFile trace(JoinPath(state.TempFolder, NormalizeWeightsFileName));
    Single total = 0;
    for (int j = 0; j < state.NumberOfCriteria; ++j) {
        trace.print(PrintLine().append(state.Criteria(j).Weight));
        total += state.Criteria(j).Weight;
    }
    trace.print(PrintLine().append(QStringLiteral("Total Weight is  ")).append(total));
    trace.print(QStringLiteral("******"));
    for (int j = 0; j < state.NumberOfCriteria; ++j) {
        Single& weight = state.Criteria(j).Weight;
        if (total != 0)
            weight /= total;
        trace.print(PrintLine()
                        .append(QStringLiteral("Standardised Weight for Criteria "))
                        .append(j)
                        .append(QStringLiteral(" is "))
                        .append(RoundHalfEven(static_cast<double>(weight), 2)));
    }
    return trace.save();
}

Single FindMaxMatrix(int j, int count, const ScoreMatrixTable& Matrix)
{
    Single max = 0;
    for (int i = 0; i < count; ++i) {
        if (Matrix(i, j) > max)
            max = Matrix(i, j);
    }
    return max;
}

Single FindMinMatrix(int j, int count, const ScoreMatrixTable& Matrix)
{
    Single min = 1000;
    for (int i = 0; i < count; ++i) {
        if (Matrix(i, j) < min)
            min = Matrix(i, j);
    }
    return min;
}

void NormalizeMatrix(AssessmentState& state, int count)
{
    ScoreMatrixTable& M = state.ScoreMatrix;
    for (int j = 0; j < state.NumberOfCriteria; ++j) {
        const Single max = FindMaxMatrix(j, count, M);
        const Single min = FindMinMatrix(j, count, M);
        for (int i = 0; i < count; ++i)
            M(i, j) = max == min ? Single(0) : (M(i, j) - min) / (max - min);
    }
}

bool WeightedSummation(AssessmentState& state, RankingTable& table, int count)
{
    PrintFile trace(JoinPath(state.TempFolder, WeightedSummationFileName));
    for (int i = 0; i < count; ++i) {
        Single sum = 0;
        for (int j = 0; j < state.NumberOfCriteria; ++j) {
            const Single weight = state.Criteria(j).Weight;
            const Single term = state.ScoreMatrix(i, j) * weight;
            sum += term;
            trace.print(PrintLine()
                            .append(term)
                            .append(QStringLiteral("="))
                            .append(weight)
                            .append(QStringLiteral("*"))
                            .append(state.ScoreMatrix(i, j)));
        }
        table(i).SumScore = sum;
        table(i).SumIndex = static_cast<Integer>(i);
        trace.print(PrintLine()
                        .append(QStringLiteral("Final Score for "))
                        .nextZone()
                        .append(state.FinalCountermeasures(i))
                        .append(i + 1)
                        .append(QStringLiteral(" is"))
                        .append(RoundHalfEven(static_cast<double>(sum), 2)));
        trace.print();
    }
    return trace.save();
}

namespace {

// The index of every ordered pair of distinct alternatives, built criterion by criterion by step, with one trace
// line per criterion (the pair, the criterion and both scores, then what step adds) and one per pair.
template <typename Step>
void fillPairIndexes(const AssessmentState& state, IndexMatrix& matrix, int count, PrintFile& trace,
                     const QString& label, Step step)
{
    const ScoreMatrixTable& M = state.ScoreMatrix;
    matrix.fill(0);
    for (int i = 0; i < count; ++i) {
        for (int k = 0; k < count; ++k) {
            if (k == i)
                continue;
            Single index = 0;
            for (int j = 0; j < state.NumberOfCriteria; ++j) {
                PrintLine line;
                line.append(i).nextZone().append(k).nextZone().append(j).nextZone().append(M(i, j)).append(M(k, j));
                step(i, k, j, index, line);
                trace.print(line);
            }
            matrix(i, k) = index;
            trace.print(PrintLine()
                            .append(label)
                            .nextZone()
                            .append(i)
                            .nextZone()
                            .append(k)
                            .nextZone()
                            .append(QStringLiteral("is"))
                            .nextZone()
                            .append(index)
                            .append(Stars5));
        }
        trace.print(Stars11);
    }
}

} // namespace

void DetermineConcordance(const AssessmentState& state, IndexMatrix& ConcordanceMatrix, int count, PrintFile& trace)
{
    const ScoreMatrixTable& M = state.ScoreMatrix;
    fillPairIndexes(state, ConcordanceMatrix, count, trace, QStringLiteral("*****Concordance Index"),
                    [&](int i, int k, int j, Single& conc, PrintLine& line) {
                        const Single contribution = M(i, j) >= M(k, j) ? state.Criteria(j).Weight : Single(0);
                        conc += contribution;
                        line.append(state.Criteria(j).Weight).append(contribution).append(conc);
                    });
}

void DetermineDiscordance(const AssessmentState& state, IndexMatrix& DiscordanceMatrix, int count, PrintFile& trace)
{
    const ScoreMatrixTable& M = state.ScoreMatrix;
    fillPairIndexes(state, DiscordanceMatrix, count, trace, QStringLiteral("*****Discordance Index for"),
                    [&](int i, int k, int j, Single& disc, PrintLine& line) {
                        // A raw score difference: not divided by the criterion's range.
                        const Single deviation = M(i, j) <= M(k, j) ? M(k, j) - M(i, j) : Single(0);
                        if (deviation > disc)
                            disc = deviation;
                        line.append(deviation).append(disc);
                    });
}

Single CalculatenThreshold(const IndexMatrix& ConcordanceMatrix, int count)
{
    return meanOfNonZero(ConcordanceMatrix, count);
}

Single CalculateuThreshold(const IndexMatrix& DiscordanceMatrix, int count)
{
    return meanOfNonZero(DiscordanceMatrix, count);
}

void WhatOutranksWhat(const IndexMatrix& ConcordanceMatrix, const IndexMatrix& DiscordanceMatrix, RankingTable& table,
                      int count, Single nThreshold, Single uThreshold, PrintFile& trace)
{
    BoundedMatrix<bool, 0, 18, 0, 18> outranks;
    outranks.fill(false);
    for (int i = 0; i < count; ++i) {
        for (int k = 0; k < count; ++k) {
            const Single conc = ConcordanceMatrix(i, k);
            const Single disc = DiscordanceMatrix(i, k);
            // A zero index (even a dominating alternative's discordance of 0) never outranks.
            if (conc != 0 && disc != 0)
                outranks(i, k) = conc >= nThreshold && disc <= uThreshold;
        }
    }
    BoundedArray<int, 0, 18> out;
    BoundedArray<int, 0, 18> in;
    for (int i = 0; i < count; ++i) {
        for (int k = 0; k < count; ++k) {
            out(i) += outranks(i, k) ? 1 : 0;
            in(i) += outranks(k, i) ? 1 : 0;
        }
    }
    for (int i = 0; i < count; ++i) {
        const int score = out(i) - in(i);
        table(i).OutrankScore = static_cast<Single>(score);
        table(i).OutrankIndex = static_cast<Integer>(i);
        trace.print(PrintLine()
                        .append(Stars5)
                        .nextZone()
                        .append(score)
                        .nextZone()
                        .append(QStringLiteral("i="))
                        .nextZone()
                        .append(out(i))
                        .nextZone()
                        .append(QStringLiteral("-"))
                        .nextZone()
                        .append(in(i))
                        .nextZone()
                        .append(Stars5));
        trace.print(PrintLine()
                        .append(QStringLiteral("*****Final Score"))
                        .nextZone()
                        .append(i)
                        .nextZone()
                        .append(QStringLiteral("is"))
                        .nextZone()
                        .append(score)
                        .append(Stars5));
    }
}

bool ConcordanceDiscordance(AssessmentState& state, RankingWorkspace& workspace, int count,
                            const std::optional<ThresholdLevels>& levels)
{
    PrintFile trace(JoinPath(state.TempFolder, ConcDiscFileName));
    DetermineConcordance(state, workspace.ConcordanceMatrix, count, trace);
    DetermineDiscordance(state, workspace.DiscordanceMatrix, count, trace);

    const Single nThreshold =
        levels ? levels->ConcordanceLevel : CalculatenThreshold(workspace.ConcordanceMatrix, count);
    const Single uThreshold =
        levels ? levels->DiscordanceLevel : CalculateuThreshold(workspace.DiscordanceMatrix, count);
    state.ConcordanceThreshold = nThreshold;
    state.DiscordanceThreshold = uThreshold;
    trace.print(PrintLine().append(QStringLiteral("nThreshold = ")).nextZone().append(nThreshold));
    trace.print(PrintLine().append(QStringLiteral("uThreshold = ")).nextZone().append(uThreshold));

    WhatOutranksWhat(workspace.ConcordanceMatrix, workspace.DiscordanceMatrix, workspace.RankingTable, count,
                     nThreshold, uThreshold, trace);
    return trace.save();
}

} // namespace talvo
