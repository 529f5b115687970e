#include "tables/core/ReferenceTables.h"

namespace talvo {

void InitialiseLimitationQuestions(AssessmentState& state)
{
    auto set = [&state](int index, const QString& progID, const QString& controlName, const QString& text) {
        auto& question = state.LimitationQuestions(index);
        question.ProgID = progID;
        question.ControlName = controlName;
        question.QuestionText = text;
    };
    // The index is the question's identity in the rules and in the evaluation file; the texts keep their
    // stored blanks (the leading blank of 5, the ": " endings).
    set(0, ProgIDTextBox, QStringLiteral("ctlSlope"), QStringLiteral("What is the average slope (in degrees) on your land?"));
    set(1, ProgIDList, QStringLiteral("ctlSoilDepth"), QStringLiteral("What is the total depth of topsoil and subsoil (cm)?"));
    set(2, ProgIDList, QStringLiteral("ctlStoniness30"), QStringLiteral("How stoney is the soil to a 30 cm depth?"));
    set(3, ProgIDList, QStringLiteral("ctlStoniness60"), QStringLiteral("How stoney is the soil to a 60 cm depth?"));
    set(4, ProgIDList, QStringLiteral("ctlRocks"), QStringLiteral("At what depth are rocks found in the soil (cm)?"));
    set(5, ProgIDList, QStringLiteral("ctlDrainDepth"), QStringLiteral(" At what depth is the field drainage system (cm)?"));
    set(6, ProgIDList, QStringLiteral("ctlSoilWetness"), QStringLiteral("What is the soil wetness class?"));
    set(7, ProgIDList, QStringLiteral("ctlDrainage"), QStringLiteral("What is the drainage status of the soil?"));
    set(8, ProgIDTextBox, QStringLiteral("ctlCEC"), QStringLiteral("What is the cation exchange capacity of the soil (meq/100g)?"));
    set(9, ProgIDYesNo, QStringLiteral("ctlKnowCEC"), QStringLiteral("Do you know the cation exchange capacity of the soil?"));
    set(10, ProgIDList, QStringLiteral("ctlSoilType"), QStringLiteral("What is the soil type?"));
    set(11, ProgIDYesNo, QStringLiteral("ctlFertilise"), QStringLiteral("Do you apply fertiliser to the area?"));
    set(12, ProgIDYesNo, QStringLiteral("ctlHousingAvail"), QStringLiteral("Is there housing available for the animals?"));
    set(13, ProgIDYesNo, QStringLiteral("ctlCleanFeedAvail"), QStringLiteral("Is clean roughage available for purchase?"));
    set(14, ProgIDYesNo, QStringLiteral("ctlFeedFacAvail"), QStringLiteral("Can the animals be fed indoors or outdoors?"));
    set(15, ProgIDTextBox, QStringLiteral("ctlElev"), QStringLiteral("What is the average elevation on the site (m)?"));
    set(16, ProgIDTextBox, QStringLiteral("ctlGrazingN"), QStringLiteral("Nitrogen(N) in kg/ha/year on Grazing Grass: "));
    set(17, ProgIDTextBox, QStringLiteral("ctlGrazingP"), QStringLiteral("Phosphorus(P205) in kg/ha/year on Grazing Grass: "));
    set(18, ProgIDList, QStringLiteral("ctlPercentGrassMowed"), QStringLiteral("% improved pasture used to make hay/silage?"));
    set(19, ProgIDTextBox, QStringLiteral("ctlMowingP"), QStringLiteral("Phosphorus(P205) in kg/ha/year on Mowing Grass: "));
    set(20, ProgIDTextBox, QStringLiteral("ctlMowingN"), QStringLiteral("Nitrogen(N) in kg/ha/year on Mowing Grass: "));
    set(21, ProgIDList, QStringLiteral("ctlFertiliseFrequency"), QStringLiteral("What is the frequency of fertiliser application?"));
    set(22, ProgIDTextBox, QStringLiteral("ctlStockDensity"), QStringLiteral("What is the stocking density in livestock units per hectare (LU/ha)?"));
    set(23, ProgIDYesNo, QStringLiteral("ctlHouseCapacity"), QStringLiteral("Do you have suitable housing to accomodate all of your lambs for 3 months?"));
    set(24, ProgIDTextBox, QStringLiteral("ctlNumDaysHoused"), QStringLiteral("How many days per year are animals currently housed?"));
    set(25, ProgIDTextBox, QStringLiteral("ctlEnrgyConcentrate"), QStringLiteral("% of energy intake cows currently recieve from concentrate?"));
    set(26, ProgIDTextBox, QStringLiteral("ctlKstatus"), QStringLiteral("What is the available potassium in the soil (mg/kg)?"));
    set(27, ProgIDList, QStringLiteral("ctlLandSuitabilityClass"), QStringLiteral("The Land Capability Class of your land is: "));
    set(28, ProgIDTextBox, QStringLiteral("ctlpH"), QStringLiteral("What is the pH of the soil?"));
    set(29, ProgIDList, QStringLiteral("ctlAnimalSell"), QStringLiteral("How do you mainly sell your animals?"));
    set(30, ProgIDList, QStringLiteral("ctlRoughGrazing"), QStringLiteral("What is your rough grazing land predominantly?"));
    set(31, ProgIDYesNo, QStringLiteral("ctlCleanConcAvailable"), QStringLiteral("Is clean concentrate available for purchase?"));
    set(32, ProgIDYesNo, QStringLiteral("ctlPeatySurfaceDepth"), QStringLiteral("Does the soil have a peaty surface layer greater than 20cm in depth?"));
    set(33, ProgIDList, QStringLiteral("ctlExistCrop"), QStringLiteral("What is the crop?"));
}

} // namespace talvo
