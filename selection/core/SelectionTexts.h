#pragma once

#include "tables/core/AssessmentState.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace talvo {

// The deposition scenarios as ListDeposition holds them. The first two begin with a blank: the blank is part of
// the key that the offer table, the evaluation file and the menu gating compare.
inline const QString ScenarioLow = QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241");
inline const QString ScenarioLowSr = QStringLiteral(" 100 Cs137 / 100 Sr90 / 1 Pu241");
inline const QString ScenarioClose = QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241");
inline const QString ScenarioVeryClose = QStringLiteral("5000 Cs137 / 500 Sr90 / 50 Pu241");
inline const QString ScenarioAll = QStringLiteral("Consider All Scenarios");

// The farm types.
inline const QString FarmSheepLowland = QStringLiteral("Sheep on Lowland Farm");
inline const QString FarmSheepUpland = QStringLiteral("Sheep on Upland/Hill Farm");
inline const QString FarmBeefLowland = QStringLiteral("Beef Production on Lowland Farm");
inline const QString FarmBeefUpland = QStringLiteral("Beef Production on Upland/Hill Farm");
inline const QString FarmDairy = QStringLiteral("Dairy Production");
inline const QString FarmArable = QStringLiteral("Arable Production");
inline const QString FarmDeer = QStringLiteral("Management for Deer");

// ListDeposition's items, in list order.
const QStringList& DepositionScenarios();
// ListAgricultureType's items, in list order.
const QStringList& AgricultureTypes();

// LabelDepoDefinition for a scenario text; nothing when no scenario equals it (the label keeps its caption).
std::optional<QString> ScenarioDefinition(const QString& scenario);
// LabelAgricultureDefinition for a farm-type text; empty when none equals it.
QString AgricultureDefinition(const QString& agricultureType);

// The left panel's captions.
QString DepositSelectedCaption(const QString& scenario);
QString AgSelectedCaption(const QString& agricultureType);

// LabelCountermeasureDefinition for the list's current text: the description of the catalogue record whose name
// equals it; the placeholder when the text is empty; nothing when it matches no record (the caption stays).
std::optional<QString> CountermeasureDefinition(const AssessmentState& state, const QString& currentText);
inline const QString CountermeasureDefinitionPlaceholder = QStringLiteral("Countermeasure defintion is to go here.");

} // namespace talvo
