#include "casefile/core/EvaluationFile.h"

#include "platform/core/NumberForms.h"

#include <cmath>

namespace talvo {

QString DecodeFileText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes);
}

QStringList SplitFileLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

namespace {

// A carriage return inside a text could not be written back as one line.
std::optional<QString> parseTextLine(const QString& line)
{
    return line.contains(QLatin1Char('\r')) ? std::nullopt : ParseFileString(line);
}

// Walks the lines in item order; the first line of a wrong form stops the walk with a message naming it.
class LineReader
{
public:
    // lastLineEnded: whether the file's last line has its line end; a line without one was cut short.
    LineReader(QStringList lines, bool lastLineEnded) : lines_(std::move(lines)), lastLineEnded_(lastLineEnded) {}

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

    std::optional<QString> text(const QString& what)
    {
        return take<QString>(what, QStringLiteral("a text in double quotes"), parseTextLine);
    }
    std::optional<Integer> integer(const QString& what)
    {
        return take<Integer>(what, QStringLiteral("a whole number"), ParseFileInteger);
    }
    std::optional<Single> single(const QString& what)
    {
        return take<Single>(what, QStringLiteral("a number"), ParseFileSingle);
    }
    std::optional<Double> dbl(const QString& what)
    {
        return take<Double>(what, QStringLiteral("a number"), ParseFileNumber);
    }
    std::optional<bool> boolean(const QString& what)
    {
        return take<bool>(what, QStringLiteral("#TRUE# or #FALSE#"), ParseFileBoolean);
    }
    // A number that the reader converts to an Integer, rounding half to even.
    std::optional<Integer> integerFromNumber(const QString& what)
    {
        auto value = take<Double>(what, QStringLiteral("a whole number"), ParseFileNumber);
        if (!value)
            return std::nullopt;
        const double rounded = std::nearbyint(*value);
        if (rounded < -32768.0 || rounded > 32767.0)
            return reject<Integer>(what, QStringLiteral("a whole number from -32768 to 32767"));
        return static_cast<Integer>(rounded);
    }

    // The value last read lies outside what the arrays hold.
    template <typename T> std::optional<T> reject(const QString& what, const QString& form)
    {
        error_ = QStringLiteral("Line %1 should hold %2 (%3), but it holds %4.")
                     .arg(index_)
                     .arg(what, form, quoted(lines_.at(index_ - 1)));
        return std::nullopt;
    }

private:
    template <typename T, typename Parse> std::optional<T> take(const QString& what, const QString& form, Parse parse)
    {
        if (failed())
            return std::nullopt;
        if (index_ >= lines_.size()) {
            error_ = QStringLiteral("The file ends after line %1, where line %2 should hold %3 (%4).")
                         .arg(index_)
                         .arg(index_ + 1)
                         .arg(what, form);
            return std::nullopt;
        }
        ++index_;
        if (index_ == lines_.size() && !lastLineEnded_) {
            error_ = QStringLiteral("Line %1 should hold %2 (%3), but the file ends inside it, after %4.")
                         .arg(index_)
                         .arg(what, form, quoted(lines_.at(index_ - 1)));
            return std::nullopt;
        }
        std::optional<T> value = parse(lines_.at(index_ - 1));
        if (!value)
            return reject<T>(what, form);
        return value;
    }

    static QString quoted(const QString& line)
    {
        if (line.isEmpty())
            return QStringLiteral("nothing");
        // A control character is shown by its code ("\x89PNG"), so the message stays one readable line.
        QString shown;
        for (const QChar c : line.left(60)) {
            const ushort code = c.unicode();
            if (code < 32 || (code >= 127 && code <= 159))
                shown += QStringLiteral("\\x") + QString::number(code, 16).toUpper().rightJustified(2, u'0');
            else
                shown += c;
        }
        return QLatin1Char('"') + shown + (line.size() > 60 ? QStringLiteral("...\"") : QStringLiteral("\""));
    }

    QStringList lines_;
    bool lastLineEnded_;
    int index_ = 0; // lines read so far; the 1-based number of the last line read
    QString error_;
};

} // namespace

bool LooksLikeEvaluationFile(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.contains('\0'))
        return false;
    QByteArray first = bytes.left(bytes.indexOf('\n'));
    if (first.endsWith('\r'))
        first.chop(1);
    return parseTextLine(DecodeFileText(first)).has_value();
}

QString NotAnEvaluationFileText(const QString& path)
{
    return QStringLiteral("\"%1\" is not a TalvoDSS evaluation file.").arg(path);
}

std::optional<EvaluationFileContent> ParseEvaluationFile(const QByteArray& bytes, QString* error)
{
    const QString text = DecodeFileText(bytes);
    LineReader in(SplitFileLines(text), text.endsWith(QLatin1Char('\n')));
    EvaluationFileContent content;
    auto failed = [&]() -> std::optional<EvaluationFileContent> {
        if (error)
            *error = in.error();
        return std::nullopt;
    };

    const auto scenario = in.text(QStringLiteral("the deposition scenario"));
    const auto farmType = in.text(QStringLiteral("the farm type"));
    const auto nc = in.integer(QStringLiteral("the number of countermeasures"));
    if (in.failed())
        return failed();
    if (*nc < 0 || *nc > EvaluationFileContent::MaxCountermeasures) {
        in.reject<int>(QStringLiteral("the number of countermeasures"), QStringLiteral("a whole number from 0 to 19"));
        return failed();
    }
    const auto nk = in.integer(QStringLiteral("the number of criteria"));
    if (in.failed())
        return failed();
    if (*nk != EvaluationFileContent::StoredCriteria) {
        in.reject<int>(QStringLiteral("the number of criteria"), QStringLiteral("the number 10"));
        return failed();
    }
    content.DepositionScenario = *scenario;
    content.AgricultureType = *farmType;
    content.NumberOfCountermeasures = *nc;
    content.NumberOfCriteria = *nk;

    for (int i = 0; i < *nc; ++i)
        content.FinalCountermeasures.push_back(
            in.text(QStringLiteral("countermeasure %1").arg(i + 1)).value_or(QString()));
    for (int i = 0; i < *nc; ++i) {
        std::vector<Single> row;
        for (int j = 0; j < *nk; ++j)
            row.push_back(
                in.single(QStringLiteral("the score of countermeasure %1 against criterion %2").arg(i + 1).arg(j + 1))
                    .value_or(0));
        content.Scores.push_back(std::move(row));
    }
    for (int r : LimitationAnswerOrder())
        content.LimitationAnswers[static_cast<std::size_t>(r)] =
            in.text(QStringLiteral("the answer to site question %1").arg(r)).value_or(QString());
    content.MCDMDone = in.boolean(QStringLiteral("whether the ranking was done")).value_or(false);
    content.EconomicDone = in.boolean(QStringLiteral("whether the costs were done")).value_or(false);
    if (in.failed())
        return failed();

    if (content.MCDMDone) {
        for (int j = 0; j < *nk; ++j)
            content.Weights.push_back(in.single(QStringLiteral("the weight of criterion %1").arg(j + 1)).value_or(0));
        for (int i = 0; i < *nc; ++i) {
            FinalScoreRecord entry;
            const QString what = QStringLiteral("the countermeasure of ranking entry %1").arg(i + 1);
            const auto index = in.integer(what);
            if (index && (*index < 0 || *index >= EvaluationFileContent::MaxCountermeasures)) {
                in.reject<int>(what, QStringLiteral("a whole number from 0 to 18"));
                return failed();
            }
            entry.CountermeasureIndex = index.value_or(0);
            entry.Score = in.single(QStringLiteral("the score of ranking entry %1").arg(i + 1)).value_or(0);
            content.FinalScores.push_back(entry);
        }
        for (int j = 0; j < *nk; ++j)
            content.IdealValues.push_back(
                in.single(QStringLiteral("the ideal value of criterion %1").arg(j + 1)).value_or(0));
        content.PValue = in.integerFromNumber(QStringLiteral("the value of p")).value_or(0);
    }
    if (content.EconomicDone) {
        for (int i = 0; i < *nc; ++i) {
            EconomicResultRecord result;
            result.CountermeasureIndex =
                in.integer(QStringLiteral("the countermeasure of cost entry %1").arg(i + 1)).value_or(0);
            result.Cost = in.dbl(QStringLiteral("the cost of entry %1").arg(i + 1)).value_or(0);
            result.Benefit = in.dbl(QStringLiteral("the benefit of entry %1").arg(i + 1)).value_or(0);
            content.EconomicResults.push_back(result);
        }
        // Record 8 stands twice; the later line wins.
        for (int r : EconomicAnswerOrder())
            content.EconomicAnswers[static_cast<std::size_t>(r)] =
                in.text(QStringLiteral("the answer to farm question %1").arg(r)).value_or(QString());
        for (int r = 42; r <= 136; ++r)
            content.EconomicValues[static_cast<std::size_t>(r - 42)] =
                in.dbl(QStringLiteral("the value of economic variable %1").arg(r)).value_or(0);
    }
    if (in.failed())
        return failed();
    return content;
}

} // namespace talvo
