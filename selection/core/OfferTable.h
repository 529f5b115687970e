#pragma once

#include "tables/core/AssessmentState.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace talvo {

// The catalogue indexes offered for a farm type and a scenario, in list order, both compared as exact text.
// Nothing when either text matches no row or column; an empty list for the pairs that need no countermeasure.
std::optional<std::vector<int>> OfferedCountermeasureIndexes(const QString& agricultureType, const QString& scenario);

struct CountermeasureOffer
{
    QStringList Names;       // the items of ListCountermeasures, in order
    bool NoneNeeded = false; // the pair needs nothing: the wizard goes on to the final page
};

// Fills the offer for AgricultureType x DepositionScenario from the catalogue names and sets
// NoCountermeasuresNeeded.IsSet (False, or True for a pair that needs nothing). A text that matches no row or
// column gives an empty offer and leaves the flag False.
CountermeasureOffer OfferCountermeasures(AssessmentState& state);

} // namespace talvo
