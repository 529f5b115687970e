#include "casefile/core/EvaluationFile.h"

#include "platform/core/NumberForms.h"

#include <optional>
#include <utility>
#include <vector>

namespace talvo {

const std::array<int, 33>& LimitationAnswerOrder()
{
    static const std::array<int, 33> order{0,  1,  2,  3,  4,  5,  6,  7,  9,  8,  10, 11, 12, 13, 14, 15, 18,
                                           20, 19, 16, 17, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    return order;
}

const std::array<int, 43>& EconomicAnswerOrder()
{
    static const std::array<int, 43> order{0,  1,  2,  3,  4,  5,  6,  8,  7,  8,  9,  10, 11, 12, 13,
                                           14, 16, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                                           29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41};
    return order;
}

namespace {

// Why a text cannot be stored, or nothing: the file is one item a line in Latin-1, so a line end would shift
// every later item and a character beyond Latin-1 (a pasted answer) would not read back as it was.
std::optional<QString> unstorable(const QString& text)
{
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return QStringLiteral("a line break");
    for (const char32_t c : text.toUcs4()) {
        if (c > 0xFF)
            return QStringLiteral("the character \"%1\" (U+%2)")
                .arg(QString::fromUcs4(&c, 1), QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return std::nullopt;
}

} // namespace

bool ContentFromState(const AssessmentState& state, EvaluationFileContent& content, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const int nc = state.NumberOfCountermeasures;
    const int nk = state.NumberOfCriteria;
    if (nc < 0 || nc > EvaluationFileContent::MaxCountermeasures)
        return fail(QStringLiteral("The number of countermeasures (%1) is outside 0 to 19.").arg(nc));
    if (nk != EvaluationFileContent::StoredCriteria)
        return fail(QStringLiteral("The number of criteria (%1) is not 10.").arg(nk));

    content = EvaluationFileContent();
    content.DepositionScenario = state.DepositionScenario;
    content.AgricultureType = state.AgricultureType;
    content.NumberOfCountermeasures = nc;
    content.NumberOfCriteria = nk;
    for (int i = 0; i < nc; ++i) {
        content.FinalCountermeasures.push_back(state.FinalCountermeasures(i));
        std::vector<Single> row;
        for (int j = 0; j < nk; ++j)
            row.push_back(state.ScoreMatrix(i, j));
        content.Scores.push_back(std::move(row));
    }
    for (int r = 0; r < 33; ++r)
        content.LimitationAnswers[static_cast<std::size_t>(r)] = state.LimitationQuestions(r).AnswerText;
    content.MCDMDone = state.MCDMDone;
    content.EconomicDone = state.EconomicDone;
    if (content.MCDMDone) {
        for (int j = 0; j < nk; ++j) {
            content.Weights.push_back(state.Criteria(j).Weight);
            content.IdealValues.push_back(state.IdealValues(j));
        }
        for (int i = 0; i < nc; ++i)
            content.FinalScores.push_back(state.FinalScores(i));
        content.PValue = state.PValue;
    }
    if (content.EconomicDone) {
        for (int i = 0; i < nc; ++i)
            content.EconomicResults.push_back(state.EconomicResults(i));
        for (int r = 0; r < 42; ++r)
            content.EconomicAnswers[static_cast<std::size_t>(r)] = state.EconomicQuestions(r).AnswerText;
        for (int r = 42; r <= 136; ++r)
            content.EconomicValues[static_cast<std::size_t>(r - 42)] = state.EconomicQuestions(r).AnswerValue;
    }

    // Each text with the item it is, as the user knows it.
    std::vector<std::pair<QString, QString>> texts{
        {QStringLiteral("The deposition scenario"), content.DepositionScenario},
        {QStringLiteral("The farm type"), content.AgricultureType}};
    for (const QString& name : content.FinalCountermeasures)
        texts.emplace_back(QStringLiteral("The countermeasure \"%1\"").arg(name.simplified()), name);
    for (int r = 0; r < 33; ++r)
        texts.emplace_back(QStringLiteral("The answer to \"%1\"").arg(state.LimitationQuestions(r).QuestionText),
                           content.LimitationAnswers[static_cast<std::size_t>(r)]);
    if (content.EconomicDone) {
        for (int r = 0; r < 42; ++r)
            texts.emplace_back(QStringLiteral("The answer to \"%1\"").arg(state.EconomicQuestions(r).QuestionText),
                               content.EconomicAnswers[static_cast<std::size_t>(r)]);
    }
    for (const auto& [item, text] : texts) {
        if (const auto why = unstorable(text))
            return fail(QStringLiteral("%1 holds %2, which the evaluation file cannot keep.").arg(item, *why));
    }
    return true;
}

QStringList EvaluationFileLines(const EvaluationFileContent& content)
{
    QStringList lines;
    lines << FormatItem(content.DepositionScenario) << FormatItem(content.AgricultureType)
          << FormatItem(content.NumberOfCountermeasures) << FormatItem(content.NumberOfCriteria);
    for (const QString& name : content.FinalCountermeasures)
        lines << FormatItem(name);
    for (const auto& row : content.Scores) {
        for (Single score : row)
            lines << FormatItem(score);
    }
    for (int r : LimitationAnswerOrder())
        lines << FormatItem(content.LimitationAnswers[static_cast<std::size_t>(r)]);
    lines << FormatItem(content.MCDMDone) << FormatItem(content.EconomicDone);
    if (content.MCDMDone) {
        for (Single weight : content.Weights)
            lines << FormatItem(weight);
        for (const FinalScoreRecord& entry : content.FinalScores)
            lines << FormatItem(int{entry.CountermeasureIndex}) << FormatItem(entry.Score);
        for (Single ideal : content.IdealValues)
            lines << FormatItem(ideal);
        lines << FormatItem(int{content.PValue});
    }
    if (content.EconomicDone) {
        for (const EconomicResultRecord& result : content.EconomicResults)
            lines << FormatItem(int{result.CountermeasureIndex}) << FormatItem(result.Cost)
                  << FormatItem(result.Benefit);
        for (int r : EconomicAnswerOrder())
            lines << FormatItem(content.EconomicAnswers[static_cast<std::size_t>(r)]);
        for (Double value : content.EconomicValues)
            lines << FormatItem(value);
    }
    return lines;
}

QByteArray EncodeEvaluationFile(const EvaluationFileContent& content)
{
    QString text;
    for (const QString& line : EvaluationFileLines(content))
        text += line + QStringLiteral("\r\n");
    return text.toLatin1();
}

} // namespace talvo
