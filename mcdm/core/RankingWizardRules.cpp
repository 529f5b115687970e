#include "mcdm/core/RankingWizardRules.h"

#include "platform/core/NumberForms.h"
#include "platform/core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace talvo {
namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

QString IdealPtTitleText()
{
    return QStringLiteral("Rank Countermeasures Using") + CrLf + QStringLiteral("Ideal Point Analysis");
}

QString IdealPtDefinitionText()
{
    // The two sentences follow each other without a blank, as the wizard has always shown them.
    return QStringLiteral("Ideal Point Analysis was chosen as the Multicriteria Decision Making (MCDM) technique for "
                          "ranking the countermeasures according to their suitabilty as definied by the "
                          "decision-makers own objectives.") +
           CrLf +
           QStringLiteral("Ideal point analysis (also called Goal Programming) measures the deviation between the "
                          "scores for each set of 'alternative' solutions and the 'ideal' set of solutions (Romero "
                          "and Rehman, 1989).") +
           QStringLiteral("The alternative which minimises the distance between itself and the ideal is deemed the "
                          "optimal solution (Zeleny, 1982).") +
           CrLf + CrLf + QStringLiteral("This wizard will step you through defining : ") + CrLf +
           QStringLiteral("     (1.) how compensatory the assessment is going to be,") + CrLf +
           QStringLiteral("     (2.) what the ideal values for each criteria should be and") + CrLf +
           QStringLiteral("     (3.) weighting the assessment criteria according to the your own objectives.") + CrLf +
           CrLf + QStringLiteral("Press the 'Next' button to proceed. ");
}

QString ExplainPText()
{
    return QStringLiteral("In the Ideal Point Analysis equation, the variable 'p' symbolises the metric") +
           QStringLiteral(" parameter.  This value varies according to the compensatory level of the") +
           QStringLiteral(" assessment. A value of one will make the assessment fully compensatory (i.e.") +
           QStringLiteral(" a poor performances on criteria can be compensated for by good") +
           QStringLiteral(" performance on other criteria), while p values set to a number greater than one make "
                          "the assessment") +
           QStringLiteral(" progressively less compensatory.") + CrLf + CrLf + QStringLiteral("Note: Only p values") +
           QStringLiteral(" ranging from one (compensatory) to ten (uncompensatory) are available for use in this "
                          "assessment.") +
           CrLf + QStringLiteral(" For more information see  'Ideal Point Analysis' ") +
           QStringLiteral(" in help files.");
}

std::optional<Integer> PValueFromText(const QString& text)
{
    // Typed text is digits only, but pasted text may be anything.
    const std::optional<Double> number = ParseTypedNumber(text);
    if (!number)
        return std::nullopt;
    const double whole = RoundHalfEven(*number);
    if (whole < LowestPValue || whole > HighestPValue)
        return std::nullopt;
    return static_cast<Integer>(whole);
}

int DefaultObjectiveIndex(int k)
{
    constexpr int GreatlyIncreases = 0;
    constexpr int GreatlyDecreases = 6;
    switch (k) {
    case 0:
    case 2:
    case 3:
    case 7:
        return GreatlyDecreases;
    default:
        return GreatlyIncreases;
    }
}

int WeightToSliderValue(Single weight)
{
    const double whole = RoundHalfEven(static_cast<double>(weight));
    if (std::isnan(whole))
        return StartWeight;
    return static_cast<int>(std::clamp(whole, static_cast<double>(LowestWeight), static_cast<double>(HighestWeight)));
}

} // namespace talvo
