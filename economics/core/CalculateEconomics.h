#pragma once

#include "economics/core/EconomicSession.h"
#include "platform/core/Seams.h"
#include "tables/core/AssessmentState.h"

#include <optional>
#include <vector>

namespace talvo {

// Money as shown and saved: rounded to whole pounds, an exact half to the even neighbour (never "-0").
Double WholePounds(Double value);
// The same written as a plain whole number: "876", "-1234".
QString WholePoundsText(Double value);

// Computes the cost, benefit and net benefit of one countermeasure of the current farm type from the answers and
// variables, stores them unrounded in its catalogue record and appends one line to each of the session's three
// calculation texts: Name & "=   £" & whole pounds & CR LF. A farm type outside the seven, or a name outside the
// farm type's countermeasures, does nothing.
//
// When a work rate or the barley yield that the formulas divide by is 0 (or a result is too large to hold), the
// countermeasure gets 0 for all three values and its lines show 0; the result is then a message, naming the
// questions, for the wizard to show. Otherwise the result is empty.
std::optional<MessageRequest> CalculateEconomics(AssessmentState& state, EconomicSession& session,
                                                 const QString& countermeasure);

// The step onto the summary page: empties the three calculation texts, then calculates every final
// countermeasure in list order. Returns the messages to show, in that order.
std::vector<MessageRequest> CalculateFinalEconomics(AssessmentState& state, EconomicSession& session);

// The title of the box that reports a countermeasure that could not be calculated.
inline const QString CostCalculationTitle = QStringLiteral("Cost Calculation");

} // namespace talvo
