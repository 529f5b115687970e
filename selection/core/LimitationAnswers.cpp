#include "selection/core/LimitationAnswers.h"

#include "platform/core/NumberForms.h"

#include <array>

namespace talvo {
namespace {

struct QuestionForm
{
    QuestionKind kind;
    const char16_t* reference;
};

constexpr std::array<QuestionForm, 34> forms = {{
    {QuestionKind::Text, u"ctlSlope"},
    {QuestionKind::List, u"ctlSoilDepth"},
    {QuestionKind::List, u"ctlStoniness30"},
    {QuestionKind::List, u"ctlStoniness60"},
    {QuestionKind::List, u"ctlRocks"},
    {QuestionKind::List, u"ctlDrainDepth"},
    {QuestionKind::List, u"ctlSoilWetness"},
    {QuestionKind::List, u"ctlDrainage"},
    {QuestionKind::Text, u"ctlCEC"},
    {QuestionKind::YesNo, u"ctlKnowCEC"},
    {QuestionKind::List, u"ctlSoilType"},
    {QuestionKind::YesNo, u"ctlFertilise"},
    {QuestionKind::YesNo, u"ctlHousingAvailable"},
    {QuestionKind::YesNo, u"ctlCleanFeedAvailable"},
    {QuestionKind::YesNo, u"ctlFeedFacAvailable"},
    {QuestionKind::Text, u"ctlElevation"},
    {QuestionKind::Text, u"ctlGrazingN"},
    {QuestionKind::Text, u"ctlGrazingP"},
    {QuestionKind::List, u"ctlPercentGrassMowed"},
    {QuestionKind::Text, u"ctlMowingP"},
    {QuestionKind::Text, u"ctlMowingN"},
    {QuestionKind::List, u"ctlFertiliserFrequency"},
    {QuestionKind::Text, u"ctlStockingDensity"},
    {QuestionKind::YesNo, u"ctlHousingCapacity"},
    {QuestionKind::Text, u"ctlNumDaysHoused"},
    {QuestionKind::Text, u"ctlPercentEnergyfromConcentrate"},
    {QuestionKind::Text, u"ctlKStatus"},
    {QuestionKind::List, u"ctlLandSuitabilityClass"},
    {QuestionKind::Text, u"ctlpH"},
    {QuestionKind::List, u"ctlAnimalSell"},
    {QuestionKind::List, u"ctlRoughGrazing"},
    {QuestionKind::YesNo, u"ctlCleanConcAvailable"},
    {QuestionKind::YesNo, u"ctlPeatySurfaceDepth"},
    {QuestionKind::List, u"ctlexistcrop"},
}};

bool validIndex(int index)
{
    return index >= lq::First && index <= lq::Last;
}

} // namespace

QuestionKind LimitationQuestionKind(int index)
{
    return validIndex(index) ? forms[static_cast<std::size_t>(index)].kind : QuestionKind::Text;
}

bool IsNumericLimitationQuestion(int index)
{
    return validIndex(index) && forms[static_cast<std::size_t>(index)].kind == QuestionKind::Text;
}

QString LimitationWidgetReference(int index)
{
    return validIndex(index) ? QString::fromUtf16(forms[static_cast<std::size_t>(index)].reference) : QString();
}

std::optional<int> LimitationQuestionForWidget(const AssessmentState& state, const QString& name)
{
    for (int index = lq::First; index <= lq::Last; ++index) {
        if (name == LimitationWidgetReference(index) || name == state.LimitationQuestions(index).ControlName)
            return index;
    }
    return std::nullopt;
}

const QStringList& LimitationAnswerOptions(int index)
{
    using namespace answer;
    static const QStringList none;
    static const QStringList depth = {Below30cm, From30To60cm, Over60cm};
    static const QStringList stoniness = {StonesBelow35, StonesOver35};
    static const QStringList drainDepth = {Below30cm, From30To60cm, Over60cm, NoDrains};
    static const QStringList wetness = {WetnessLow, WetnessHigh};
    static const QStringList drainage = {Excessive, Free, Imperfect, Poor, VeryPoor};
    static const QStringList soilType = {Sandy, Loamy, Podsolic, OrganicNotWaterlogged, OrganicWaterlogged, Clay};
    static const QStringList mowed = {MowedBelow10, MowedOver10};
    static const QStringList frequency = {Annually, BiAnnually, Every3To5Years, LessFrequently};
    static const QStringList suitability = {Class41OrBetter, WorseThanClass41};
    static const QStringList sell = {FinishedForSlaughter, ForFatteningElsewhere};
    static const QStringList grazing = {HeatherMoorland, RoughGrassland, BlanketBog};
    static const QStringList crop = {SpringBarley,      WinterBarley, WinterWheat, SpringOilseedRape,
                                     WinterOilseedRape, Swedes,       Potatoes};
    switch (index) {
    case lq::SoilDepth:
    case lq::Rocks:
        return depth;
    case lq::Stoniness30:
    case lq::Stoniness60:
        return stoniness;
    case lq::DrainDepth:
        return drainDepth;
    case lq::SoilWetness:
        return wetness;
    case lq::Drainage:
        return drainage;
    case lq::SoilType:
        return soilType;
    case lq::PercentGrassMowed:
        return mowed;
    case lq::FertiliseFrequency:
        return frequency;
    case lq::LandSuitabilityClass:
        return suitability;
    case lq::AnimalSell:
        return sell;
    case lq::RoughGrazing:
        return grazing;
    case lq::ExistCrop:
        return crop;
    default:
        return none;
    }
}

Double AnswerAsNumber(const QString& answerText)
{
    return ParseTypedNumber(answerText).value_or(0.0);
}

Double LimitationNumber(const AssessmentState& state, int index)
{
    const LimitationQuestionRecord& question = state.LimitationQuestions(index);
    if (!question.Needed || question.AnswerText.isEmpty())
        return 0.0;
    return AnswerAsNumber(question.AnswerText);
}

} // namespace talvo
