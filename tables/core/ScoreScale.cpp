#include "tables/core/ScoreScale.h"

#include <array>

namespace talvo {
namespace {

struct Step
{
    const char16_t* word;
    double value;
};

// Lowest to highest.
const std::array<Step, 7> scale = {{{u"Greatly Decreases", -1.0},
                                    {u"Moderately Decreases", -2.0 / 3.0},
                                    {u"Slightly Decreases", -1.0 / 3.0},
                                    {u"No Effect", 0.0},
                                    {u"Slightly Increases", 1.0 / 3.0},
                                    {u"Moderately Increases", 2.0 / 3.0},
                                    {u"Greatly Increases", 1.0}}};

Single asSingle(double value) { return static_cast<Single>(value); }

// The value written with the pattern "#.0000" and read back, as the ranking wizard stores its ideals.
Single fourDecimals(double value)
{
    return asSingle(QString::number(static_cast<double>(asSingle(value)), 'f', 4).toDouble());
}

} // namespace

Single ConvertScoreNametoNum(const QString& Name)
{
    Single result = 0;
    for (const Step& step : scale) {
        if (Name == QString::fromUtf16(step.word))
            result = asSingle(step.value);
    }
    return result;
}

QString ConvertScoretoText(Single Score)
{
    const Single third = asSingle(1.0 / 3.0);
    const Single twoThirds = asSingle(2.0 / 3.0);
    const Single minusThird = asSingle(-1.0 / 3.0);
    const Single minusTwoThirds = asSingle(-2.0 / 3.0);
    QString word;
    if (Score >= -1.0f && Score < minusTwoThirds)
        word = QStringLiteral("Greatly Decreases");
    if (Score >= minusTwoThirds && Score < minusThird)
        word = QStringLiteral("Moderately Decreases");
    if (Score >= minusThird && Score < 0.0f)
        word = QStringLiteral("Slightly Decreases");
    if (Score == 0.0f)
        word = QStringLiteral("No Effect");
    if (Score > 0.0f && Score <= third)
        word = QStringLiteral("Slightly Increases");
    if (Score > third && Score <= twoThirds)
        word = QStringLiteral("Moderately Increases");
    if (Score > twoThirds && Score <= 1.0f)
        word = QStringLiteral("Greatly Increases");
    return word;
}

const QStringList& ScoreWordsForLists()
{
    static const QStringList words = [] {
        QStringList list;
        for (auto step = scale.rbegin(); step != scale.rend(); ++step)
            list << QString::fromUtf16(step->word);
        return list;
    }();
    return words;
}

Single IdealForWord(const QString& word)
{
    for (const Step& step : scale) {
        if (word == QString::fromUtf16(step.word))
            return fourDecimals(step.value);
    }
    return fourDecimals(0.0);
}

Single IdealAtListIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(scale.size()))
        return 0;
    return fourDecimals(scale[scale.size() - 1 - static_cast<std::size_t>(index)].value);
}

int IdealToListIndex(Single value)
{
    for (int index = 0; index < static_cast<int>(scale.size()); ++index) {
        if (value == IdealAtListIndex(index))
            return index;
    }
    return 0;
}

} // namespace talvo
