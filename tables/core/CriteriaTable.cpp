#include "tables/core/ReferenceTables.h"

namespace talvo {

void InitialiseCriteria(AssessmentState& state)
{
    state.PValue = 1;
    state.NumberOfCriteria = 10;
    auto set = [&state](int index, const QString& name, const QString& direction) {
        state.Criteria(index).Name = name;
        state.Criteria(index).Direction = direction;
    };
    const QString minimize = QStringLiteral("Minimize");
    const QString maximize = QStringLiteral("Maximize");
    set(0, QStringLiteral("Soil Erosion and Sedimentation"), minimize);
    set(1, QStringLiteral("Soil Organic Matter"), maximize);
    set(2, QStringLiteral("Soil Nutrient Transport to Water"), minimize);
    set(3, QStringLiteral("Soil Pollutant Transport to Water"), minimize);
    set(4, QStringLiteral("Animal Welfare"), maximize);
    set(5, QStringLiteral("Product Quality"), maximize);
    set(6, QStringLiteral("Product Quantity"), maximize);
    set(7, QStringLiteral("Ammonia Emissions"), maximize); // as stored, though fewer emissions are better
    set(8, QStringLiteral("Biodiversity"), maximize);
    set(9, QStringLiteral("Landscape Quality"), maximize);
}

void InitialiseChartColours(AssessmentState& state)
{
    static constexpr Integer colours[10][3] = {{20, 255, 12}, {67, 251, 163}, {253, 120, 41}, {240, 70, 70},
                                               {128, 8, 74},  {10, 92, 22},   {0, 1, 238},    {230, 0, 125},
                                               {4, 135, 78},  {141, 57, 7}};
    for (int i = 0; i < 10; ++i)
        state.ChartColours(i) = ChartColourRecord{colours[i][0], colours[i][1], colours[i][2]};
}

} // namespace talvo
