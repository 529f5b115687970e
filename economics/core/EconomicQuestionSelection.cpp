#include "economics/core/EconomicQuestionSelection.h"

#include "tables/core/ReferenceTables.h"

#include <initializer_list>

namespace talvo {
namespace {

struct SelectionRule
{
    const char* farmType;
    std::initializer_list<const char*> countermeasures;
    std::initializer_list<int> records; // farm data first, then economic variables
};

const char* const Dairy = "Dairy Production";
const char* const LowlandSheep = "Sheep on Lowland Farm";
const char* const UplandSheep = "Sheep on Upland/Hill Farm";
const char* const LowlandBeef = "Beef Production on Lowland Farm";
const char* const UplandBeef = "Beef Production on Upland/Hill Farm";
const char* const Deer = "Management for Deer";
const char* const Arable = "Arable Production";

// The names are keys: their odd blanks (the trailing blank, the two blanks after "&") are part of them.
const SelectionRule Rules[] = {
    {Dairy, {"Administer AFCF to dairy cows."}, {0, 42, 48, 65}},
    {Dairy, {"Supply Ca."}, {0, 33, 46, 47, 48, 65}},
    {Dairy,
     {"Feed dairy cows clean concentrate."},
     {0, 48, 49, 50, 51, 52, 53, 54, 55, 58, 59, 60, 61, 62, 63, 64, 65}},
    {Dairy, {"Exclude production of dairy cows."}, {0, 3, 48, 65, 67}},
    {Dairy, {"Afforestation of area where dairy cows are."}, {0, 3, 4, 48, 66, 67, 69}},
    {Dairy,
     {"Feed dairy cows concentrate grown on the farm."},
     {0, 1, 2, 5, 25, 48, 49, 50, 51, 52, 53, 56, 57, 62, 63, 65, 70, 71}},
    {Dairy,
     {"Supply Ca & feed clean concentrate."},
     {0, 33, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 58, 59, 60, 61, 62, 63, 64}},

    {LowlandSheep, {"Administer AFCF to lowland sheep."}, {6, 72, 73}},
    {LowlandSheep, {"Fatten lowland lambs on clean concentrate."}, {6, 73, 83, 85, 86}},
    {LowlandSheep, {"Lime the soil of the lowland sheep farm."}, {6, 26, 73, 89, 91, 92}},
    {LowlandSheep, {"Exclude production of lowland sheep."}, {39, 67, 93}},
    {LowlandSheep, {"Fatten lowland lambs on clean roughage."}, {6, 11, 73, 99, 100, 101, 107}},
    {LowlandSheep, {"Afforestation of area where lowland sheep are."}, {4, 39, 41, 67, 69, 94}},
    {LowlandSheep,
     {"Administer AFCF to lowland sheep and fatten on clean roughage "},
     {6, 11, 72, 73, 99, 100, 101, 107}},
    {LowlandSheep,
     {"Apply K fertiliser to area where lowland sheep graze."},
     {6, 9, 27, 73, 90, 93, 119, 120, 121, 122}},

    {UplandSheep, {"Administer AFCF to upland sheep."}, {6, 72, 74}},
    {UplandSheep, {"Improve land where upland sheep are."}, {17, 28, 40, 70, 95, 121, 122, 123, 124, 125, 127, 128}},
    {UplandSheep,
     {"Intensify the use of improved land where upland sheep are."},
     {29, 40, 95, 121, 122, 123, 124, 128}},
    {UplandSheep, {"Lime the soil where upland sheep are."}, {6, 26, 89, 91, 92, 95}},
    {UplandSheep, {"Apply K fertiliser to area where upland sheep graze."}, {6, 9, 27, 90, 95, 119, 120, 121, 122}},
    {UplandSheep, {"Sell upland lambs early for fattening."}, {6, 30, 31, 74, 75, 79, 80, 136}},
    {UplandSheep, {"Exclude production of upland sheep."}, {40, 41, 67, 95}},
    {UplandSheep, {"Afforestation of area where upland sheep are."}, {4, 40, 41, 67, 68, 96}},
    {UplandSheep, {"Fatten upland sheep on clean roughage."}, {6, 11, 74, 99, 102, 103, 104, 107}},
    {UplandSheep, {"Fatten upland sheep on clean concentrate."}, {6, 74, 84, 85, 86}},
    {UplandSheep, {"Sell upland lambs for fattening."}, {6, 74, 75, 81}},
    {UplandSheep,
     {"Administer AFCF to upland sheep & fatten on clean roughage."},
     {6, 11, 72, 74, 99, 102, 103, 104, 107}},
    {UplandSheep, {"Administer AFCF to upland sheep &  sell for fattening."}, {6, 72, 74, 75, 81}},
    {UplandSheep,
     {"Administer AFCF to upland sheep & intensify improved land."},
     {6, 29, 40, 72, 95, 121, 122, 123, 124, 128}},
    {UplandSheep,
     {"Administer AFCF to upland sheep & apply K fertiliser."},
     {6, 9, 27, 72, 90, 95, 119, 120, 121, 122}},
    {UplandSheep,
     {"Administer AFCF to upland sheep & improve land."},
     {6, 17, 28, 40, 70, 72, 95, 121, 122, 123, 124, 125}},

    {LowlandBeef, {"Administer AFCF to lowland cattle."}, {13, 43, 45, 97}},
    {LowlandBeef, {"Lime the soil where lowland beef cattle are."}, {13, 26, 89, 91, 92, 97}},
    {LowlandBeef, {"Fatten lowland cattle on clean feed."}, {11, 13, 97, 99, 105, 106}},
    {LowlandBeef, {"Afforestation of area where lowland beef cattle are."}, {4, 13, 15, 67, 69, 97}},
    {LowlandBeef, {"Exclude production of lowland beef."}, {13, 15, 67, 97}},
    {LowlandBeef,
     {"Apply K fertiliser to area where lowland beef cattle are."},
     {9, 13, 27, 90, 97, 119, 120, 121, 122}},

    {UplandBeef, {"Administer AFCF to upland cattle."}, {16, 44, 98}},
    {UplandBeef, {"Improve land where upland beef cattle graze."}, {16, 17, 28, 70, 98, 121, 123, 124, 125, 127, 128}},
    {UplandBeef,
     {"Intensify the use of improved land where upland beef cattle graze."},
     {16, 29, 98, 121, 122, 123, 124, 128}},
    {UplandBeef, {"Apply K fertiliser to where upland beef cattle graze."}, {9, 16, 27, 90, 98, 119, 120, 121, 122}},
    {UplandBeef, {"Lime the soil where upland beef cattle graze."}, {16, 26, 89, 91, 92, 98}},
    {UplandBeef, {"Sell upland cattle for fattening."}, {16, 76, 77, 82}},
    {UplandBeef, {"Exclude production of upland cattle."}, {15, 16, 67, 98}},
    {UplandBeef, {"Afforestation of area where upland beef cattle are."}, {4, 15, 16, 67, 68, 98}},
    {UplandBeef, {"Fatten upland cattle on clean feed."}, {11, 12, 16, 87, 98, 99, 108, 109, 110, 111}},
    {UplandBeef,
     {"Administer AFCF to upland cattle & improve land."},
     {16, 17, 28, 44, 70, 98, 121, 122, 123, 124, 125}},
    {UplandBeef,
     {"Administer AFCF to upland cattle & intensify improved land."},
     {16, 29, 44, 98, 121, 122, 123, 124, 128}},
    {UplandBeef,
     {"Administer AFCF to upland cattle & apply K fertiliser."},
     {9, 16, 27, 44, 90, 98, 119, 120, 121, 122}},

    {Deer, {"Supply hay and AFCF."}, {32, 34, 35, 36, 37, 43, 45, 99, 114, 115, 116, 117, 118}},
    {Deer, {"Improve grassland and supply hay & AFCF."}, {17,  28,  32,  34,  35,  36,  37,  43,  45,  70,  99, 114,
                                                          115, 116, 117, 118, 121, 122, 123, 124, 125, 127, 128}},
    {Deer, {"Afforestation of area where deer are."}, {4, 32, 34, 35, 36, 37, 68, 116, 117, 118}},
    {Deer, {"Cease hunting of deer."}, {32, 34, 35, 36, 37, 116, 117, 118}},

    {Arable, {"Deep plough.", "Skim & bury."}, {19, 126, 129, 130, 131, 132, 133, 134, 135}},
    {Arable,
     {"Shallow plough & apply K fertiliser."},
     {9, 19, 27, 90, 119, 120, 121, 122, 123, 129, 130, 131, 132, 133, 134, 135}},
    {Arable, {"Shallow plough & apply lime."}, {19, 89, 91, 92, 121, 122, 123, 129, 130, 131, 132, 133, 134, 135}},
    {Arable,
     {"Grow oilseed rape instead of cereal or root crops.", "Leave arable land fallow."},
     {19, 129, 130, 131, 132, 133, 134, 135}},
    {Arable, {"Afforestation of arable land."}, {19, 69, 129, 130, 131, 132, 133, 134, 135}},
    {Arable,
     {"Shallow plough & apply lime and K fertiliser."},
     {9, 19, 27, 89, 90, 91, 92, 119, 120, 121, 122, 123, 129, 130, 131, 132, 133, 134, 135}},
};

} // namespace

void WhichCosts(AssessmentState& state, const QString& countermeasure)
{
    for (const SelectionRule& rule : Rules) {
        if (state.AgricultureType != QLatin1String(rule.farmType))
            continue;
        for (const char* name : rule.countermeasures) {
            if (countermeasure != QLatin1String(name))
                continue;
            for (int record : rule.records)
                state.EconomicQuestions(record).Needed = true;
        }
    }
}

void DisableAllCosts(AssessmentState& state)
{
    for (int r = FirstFarmDataQuestion; r <= LastFarmDataQuestion; ++r)
        state.EconomicQuestions(r).Needed = false;
}

void DisableAllEconomicVars(AssessmentState& state)
{
    for (int r = FirstEconomicVariable; r <= LastEconomicVariable; ++r)
        state.EconomicQuestions(r).Needed = false;
}

} // namespace talvo
