#include "selection/core/SelectionTexts.h"

#include "tables/core/ReferenceTables.h"

#include <array>
#include <utility>

namespace talvo {

const QStringList& DepositionScenarios()
{
    static const QStringList list = {ScenarioLow, ScenarioLowSr, ScenarioClose, ScenarioVeryClose, ScenarioAll};
    return list;
}

const QStringList& AgricultureTypes()
{
    static const QStringList list = {FarmSheepLowland, FarmSheepUpland, FarmBeefLowland, FarmBeefUpland,
                                     FarmDairy,        FarmArable,      FarmDeer};
    return list;
}

std::optional<QString> ScenarioDefinition(const QString& scenario)
{
    static const std::array<std::pair<QString, QString>, 5> definitions = {{
        {ScenarioAll, QStringLiteral("Consider ALL of the Deposition Scenarios.\r\n\r\n\r\n"
                                     "Note:  If 'Consider All Scenarios' is selected, you will not have the option "
                                     "of doing a cost/benefit analysis on the outcome of the assessment.")},
        {ScenarioLow, QStringLiteral("Far-field of Chernobyl-like source term")},
        {ScenarioLowSr, QStringLiteral("Far-field of source term with higher Sr fraction")},
        {ScenarioClose, QStringLiteral("Close to site of accident")},
        {ScenarioVeryClose, QStringLiteral("Very close to site of accident")},
    }};
    for (const auto& [text, definition] : definitions) {
        if (scenario == text)
            return definition;
    }
    return std::nullopt;
}

QString AgricultureDefinition(const QString& agricultureType)
{
    // Texts kept exactly as the users know them, double blanks and the blank before a comma included.
    static const std::array<std::pair<QString, QString>, 7> definitions = {{
        {FarmSheepLowland,
         QStringLiteral("Sheep farms that breed and fatten lambs, and don't receive payments for being in a "
                        "'less-favoured area'. Soils are assumed to be predominately mineral.")},
        {FarmSheepUpland,
         QStringLiteral("Sheep farms that breed lambs, and either fatten them or sell as store lambs, and receive "
                        "payments for being in a 'less-favoured area'.  It is assumed that a significant proportion "
                        "of soils are organic or podsolic.")},
        {FarmBeefLowland,
         QStringLiteral("Beef farms that breed and fatten calves ,and don't receive payments for being in a "
                        "'less-favoured area'. Soils are assumed to be predominately mineral.")},
        {FarmBeefUpland,
         QStringLiteral("Beef farms that breed calves and either fatten them or sell as store cattle, and receive "
                        "payments for being in a 'less-favoured area'. It is assumed that a significant proportion "
                        "of soils are organic or podsolic.")},
        {FarmDairy, QStringLiteral("Farms producing milk from dairy cows.  No distinction between farms in non-LFA "
                                   "and LFA areas is made.  Soils are assumed to be predominately mineral.")},
        {FarmDeer,
         QStringLiteral("Land managed for the hunting of wild red deer. The number of red deer in Scotland is "
                        "estimated at 300 000. Generally deer hunting takes place on large privately owned sporting "
                        "estates in upland areas. Income is derived from the sale of venison and fees for hunting "
                        "(mainly stags).")},
        {FarmArable, QStringLiteral("Farms growing wheat, barley, oilseed rape, potatoes, swedes or similar crops. "
                                    "Soils are assumed to be exclusively mineral.")},
    }};
    QString definition;
    for (const auto& [text, meaning] : definitions) {
        if (agricultureType == text)
            definition = meaning;
    }
    return definition;
}

QString DepositSelectedCaption(const QString& scenario)
{
    return QStringLiteral("Deposition Scenario Selected : ") + scenario;
}

QString AgSelectedCaption(const QString& agricultureType)
{
    return QStringLiteral("Type of Agriculture Selected : ") + agricultureType;
}

std::optional<QString> CountermeasureDefinition(const AssessmentState& state, const QString& currentText)
{
    std::optional<QString> caption;
    for (int i = state.Countermeasures.LBound; i <= state.Countermeasures.UBound; ++i) {
        if (i != EmptyCountermeasureSlot && currentText == state.Countermeasures(i).Name)
            caption = state.Countermeasures(i).Description;
    }
    if (currentText.isEmpty())
        caption = CountermeasureDefinitionPlaceholder;
    return caption;
}

} // namespace talvo
