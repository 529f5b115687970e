#include "mcdm/core/IdealPointRanking.h"

#include "mcdm/core/PrintFile.h"
#include "platform/core/NumberForms.h"
#include "platform/core/Rounding.h"
#include "platform/core/Seams.h"
#include "platform/core/TempFolder.h"
#include "tables/core/ScoreScale.h"

#include <cmath>
#include <utility>

namespace talvo {
namespace {

constexpr int EffectLists = 10;
const QString CrLf = QStringLiteral("\r\n");

} // namespace

void ComboToIdeal(AssessmentState& state, const QString& selectedWord, int k)
{
    state.IdealValues(k) = IdealForWord(selectedWord);
}

void GenerateIdeals(AssessmentState& state, const QStringList& selectedWords)
{
    for (int k = 0; k < EffectLists; ++k)
        ComboToIdeal(state, selectedWords.value(k), k);
}

bool IdealPointAnalysis(AssessmentState& state, RankingTable& table, int count,
                        const std::optional<QStringList>& selectedIdealWords)
{
    PrintFile trace(JoinPath(state.TempFolder, IdealPointFileName));
    const double p = static_cast<double>(state.PValue);
    if (selectedIdealWords)
        GenerateIdeals(state, *selectedIdealWords);

    for (int i = 0; i < count; ++i) {
        trace.print(PrintLine().append(QStringLiteral("*****")).append(i + 1).append(QStringLiteral("*****")));
        Single sum = 0;
        for (int j = 0; j < state.NumberOfCriteria; ++j) {
            const Single weight = state.Criteria(j).Weight;
            const Single score = state.ScoreMatrix(i, j);
            // Only the weight is raised to p; the deviation enters as it is.
            const double term = std::pow(static_cast<double>(weight), p) *
                                std::fabs(static_cast<double>(state.IdealValues(j)) - static_cast<double>(score));
            sum = static_cast<Single>(static_cast<double>(sum) + term);
            trace.print(PrintLine()
                            .append(term)
                            .append(QStringLiteral("="))
                            .append(weight)
                            .append(QStringLiteral("*"))
                            .append(score));
        }
        const auto distance = static_cast<Single>(std::pow(static_cast<double>(sum), 1.0 / p));
        table(i).IdealScore = distance;
        table(i).IdealIndex = static_cast<Integer>(i);
        trace.print(PrintLine()
                        .append(QStringLiteral("Final Score for "))
                        .nextZone()
                        .append(state.FinalCountermeasures(i))
                        .append(QStringLiteral(" is"))
                        .append(RoundHalfEven(static_cast<double>(distance), 2)));
        trace.print();
    }
    return trace.save();
}

RankingTexts WriteFinalScoresFile(AssessmentState& state, RankingTable& table, int count, bool resultsWindowVisible)
{
    RankingTexts texts;
    PrintFile results(JoinPath(state.TempFolder, FinalResultsFileName));

    if (!resultsWindowVisible) {
        MsgBox(NoFileOpenForMCDMMessage);
    } else {
        const QString stars(40, QLatin1Char('*'));
        results.print(CrLf + stars + CrLf + QStringLiteral("Ideal Point Results") + CrLf + stars + CrLf);

        // Exchange sort, largest first; only strictly greater scores move up, so equal ones keep list order.
        for (int pass = 0; pass < count; ++pass) {
            for (int j = count - 2; j >= 0; --j) {
                if (table(j + 1).IdealScore > table(j).IdealScore) {
                    std::swap(table(j).IdealScore, table(j + 1).IdealScore);
                    std::swap(table(j).IdealIndex, table(j + 1).IdealIndex);
                }
            }
        }

        QString ranking;
        for (int k = count - 1; k >= 0; --k) {
            const RankingEntry& entry = table(k);
            const QString& name = state.FinalCountermeasures(entry.IdealIndex);
            results.print(PrintLine().append(entry.IdealScore).append(static_cast<int>(entry.IdealIndex)).append(name));
            ranking += CrLf + QStringLiteral("   ") + name + QStringLiteral("  (Score =") +
                       FormatStandard(RoundHalfEven(static_cast<double>(entry.IdealScore), 2)) + QStringLiteral(")");
            state.FinalScores(k).Score = entry.IdealScore;
            state.FinalScores(k).CountermeasureIndex = entry.IdealIndex;
        }

        QString ideals;
        for (int j = 0; j < state.NumberOfCriteria; ++j) {
            ideals += CrLf + FormatStandard(RoundHalfEven(static_cast<double>(state.IdealValues(j)), 3)) +
                      QLatin1Char('\t') + state.Criteria(j).Name;
        }
        texts.IdealPtIdeals = ideals;
        texts.PUsed = QStringLiteral("P Used = ") + FormatStandard(static_cast<int>(state.PValue));
        texts.IdealPtResults = ranking;
    }
    texts.ResultsFileWritten = results.save();

    QString weights;
    for (int j = 0; j < state.NumberOfCriteria; ++j)
        weights += FormatStandard(state.Criteria(j).Weight) + QLatin1Char('\t') + state.Criteria(j).Name + CrLf;
    texts.CriteriaWeights = weights;
    return texts;
}

} // namespace talvo
