#pragma once

#include "platform/core/BasicTypes.h"

#include <QString>

#include <optional>

namespace talvo {

// The texts and small rules of the ranking wizard frmMCDM.

inline const QString PValueRangeMessage =
    QStringLiteral("The P value should be an integer between one and ten.  Please enter a new value.");
inline const QString PValueKeyMessage = QStringLiteral("The P value must be an integer between one and infinity.");
inline const QString TooFewCountermeasuresMessage = QStringLiteral(
    "You must have at least 2 countermeasures to run a MCDM assessment. Please select a new input file.");

// The three explanatory texts of the wizard, with CR LF line breaks.
QString IdealPtTitleText();
QString IdealPtDefinitionText();
QString ExplainPText();

constexpr Integer LowestPValue = 1;
constexpr Integer HighestPValue = 10;

// The p typed into the wizard: a number rounded to a whole one (halves to even) from 1 to 10; nothing for any
// other text, including one that is not a number at all.
std::optional<Integer> PValueFromText(const QString& text);

// The list position of the default ideal of criterion k: "Greatly Decreases" (6) for the erosion, nutrient,
// pollutant and ammonia criteria, "Greatly Increases" (0) for the rest.
int DefaultObjectiveIndex(int k);

constexpr int LowestWeight = 0;
constexpr int HighestWeight = 10;
constexpr int StartWeight = 5;

// The slider position that shows a stored weight: rounded to a whole number (halves to even) and kept within
// 0 to 10, since a weight read from a file may lie outside the slider's range.
int WeightToSliderValue(Single weight);

} // namespace talvo
