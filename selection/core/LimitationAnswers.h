#pragma once

#include "tables/core/AssessmentState.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace talvo {

// Record indexes of the limitation questions.
namespace lq {
constexpr int Slope = 0, SoilDepth = 1, Stoniness30 = 2, Stoniness60 = 3, Rocks = 4, DrainDepth = 5, SoilWetness = 6,
              Drainage = 7, CEC = 8, KnowCEC = 9, SoilType = 10, Fertilise = 11, HousingAvail = 12, CleanFeedAvail = 13,
              FeedFacAvail = 14, Elev = 15, GrazingN = 16, GrazingP = 17, PercentGrassMowed = 18, MowingP = 19,
              MowingN = 20, FertiliseFrequency = 21, StockDensity = 22, HouseCapacity = 23, NumDaysHoused = 24,
              EnrgyConcentrate = 25, Kstatus = 26, LandSuitabilityClass = 27, pH = 28, AnimalSell = 29,
              RoughGrazing = 30, CleanConcAvailable = 31, PeatySurfaceDepth = 32, ExistCrop = 33;
constexpr int First = 0;
constexpr int Last = 33;
} // namespace lq

// The answer texts as the widgets store them. The rules compare them character for character, so every blank
// counts ("Loamy  " has two).
namespace answer {
inline const QString Yes = QStringLiteral("Yes");
inline const QString No = QStringLiteral("No");
inline const QString Below30cm = QStringLiteral(" < 30cm ");
inline const QString From30To60cm = QStringLiteral(" 30cm - 60cm ");
inline const QString Over60cm = QStringLiteral(" > 60cm ");
inline const QString NoDrains = QStringLiteral("No Drains in Area ");
inline const QString StonesBelow35 = QStringLiteral(" < 35% by volume ");
inline const QString StonesOver35 = QStringLiteral(" > 35% by volume ");
inline const QString WetnessLow = QStringLiteral("Class I, II, III ");
inline const QString WetnessHigh = QStringLiteral("Class IV, V, VI ");
inline const QString Excessive = QStringLiteral("Excessive ");
inline const QString Free = QStringLiteral("Free ");
inline const QString Imperfect = QStringLiteral("Imperfect ");
inline const QString Poor = QStringLiteral("Poor ");
inline const QString VeryPoor = QStringLiteral("Very Poor ");
inline const QString Sandy = QStringLiteral("Sandy ");
inline const QString Loamy = QStringLiteral("Loamy  ");
inline const QString Podsolic = QStringLiteral("Podsolic ");
inline const QString OrganicNotWaterlogged = QStringLiteral("Organic not waterlogged");
inline const QString OrganicWaterlogged = QStringLiteral("Organic waterlogged");
inline const QString Clay = QStringLiteral("Clay ");
inline const QString MowedBelow10 = QStringLiteral("Less Than 10%");
inline const QString MowedOver10 = QStringLiteral("Greater Than 10%");
inline const QString Annually = QStringLiteral("Annually ");
inline const QString BiAnnually = QStringLiteral("Bi-Annually ");
inline const QString Every3To5Years = QStringLiteral("Every 3-5 years ");
inline const QString LessFrequently = QStringLiteral("Less Frequently ");
inline const QString Class41OrBetter = QStringLiteral(" Class 4.1 or Better");
inline const QString WorseThanClass41 = QStringLiteral(" Worse than Class 4.1 ");
inline const QString FinishedForSlaughter = QStringLiteral("Finished for slaughter ");
inline const QString ForFatteningElsewhere = QStringLiteral("For fattening elsewhere ");
inline const QString HeatherMoorland = QStringLiteral("Heather Moorland");
inline const QString RoughGrassland = QStringLiteral("Rough Grassland ");
inline const QString BlanketBog = QStringLiteral("Blanket Bog");
inline const QString SpringBarley = QStringLiteral("Spring Barley");
inline const QString WinterBarley = QStringLiteral("Winter Barley");
inline const QString WinterWheat = QStringLiteral("Winter Wheat");
inline const QString SpringOilseedRape = QStringLiteral("Spring Oilseed Rape");
inline const QString WinterOilseedRape = QStringLiteral("Winter Oilseed Rape");
inline const QString Swedes = QStringLiteral("Swedes");
inline const QString Potatoes = QStringLiteral("Potatoes");
} // namespace answer

enum class QuestionKind { Text, YesNo, List };

// The widget kind of a limitation question (Text for an index outside 0 to 33).
QuestionKind LimitationQuestionKind(int index);
// A text-box question: its answer is a typed number.
bool IsNumericLimitationQuestion(int index);

// The name of the window's widget reference for a question, which its handler bears (<reference>_ObjectEvent).
// It differs from the record's ControlName for ten questions ("ctlHousingAvailable" for "ctlHousingAvail" ...).
QString LimitationWidgetReference(int index);

// The question whose widget reference or ControlName equals name exactly; nothing when none does.
std::optional<int> LimitationQuestionForWidget(const AssessmentState& state, const QString& name);

// A list question's options in the order they are added; empty for other questions.
const QStringList& LimitationAnswerOptions(int index);

// A typed answer read as a number. A text that is not a number (empty, "-", ".", "1.2.3") reads as 0.
Double AnswerAsNumber(const QString& answerText);

// A numeric question's number as the feasibility rules read it: 0 when the question is not needed or its answer
// is empty or not a number.
Double LimitationNumber(const AssessmentState& state, int index);

} // namespace talvo
