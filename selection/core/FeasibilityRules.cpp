#include "selection/core/FeasibilityRules.h"

#include "selection/core/LimitationAnswers.h"

#include <algorithm>
#include <initializer_list>

namespace talvo {
namespace {

using Group = std::initializer_list<int>;

constexpr Group ShallowPloughing = {56, 57, 61};
constexpr Group DeepPloughing = {54, 55};
constexpr Group Potassium = {14, 19, 29, 36, 40, 48, 56, 61};
constexpr Group Lime = {9, 18, 32, 41, 57, 61};
constexpr Group LandImprovement = {16, 30, 38, 46, 50};
constexpr Group Intensification = {17, 28, 39, 47};
constexpr Group Afforestation = {4, 12, 22, 34, 44, 51, 59};
constexpr Group CleanRoughageUpland = {23, 26};
constexpr Group OilseedRape = {58};
constexpr Group CleanRoughageLowland = {11, 13};
constexpr Group CleanConcentrateDairy = {2, 6};
constexpr Group CleanConcentrateSheep = {8, 24};
constexpr Group CleanFeedUplandCattle = {45};
constexpr Group CleanFeedLowlandCattle = {33};
constexpr Group HomeGrownConcentrate = {5};
constexpr Group PloughLimeAndPotassium = {61};

// The numbers of one call, read before any rule is tested.
struct Numbers
{
    Double Slope, CEC, Elev, GrazingN, GrazingP, MowingP, MowingN, StockDensity, EnrgyConcentrate, Kstatus, pH;

    explicit Numbers(const AssessmentState& state)
        : Slope(LimitationNumber(state, lq::Slope)), CEC(LimitationNumber(state, lq::CEC)),
          Elev(LimitationNumber(state, lq::Elev)), GrazingN(LimitationNumber(state, lq::GrazingN)),
          GrazingP(LimitationNumber(state, lq::GrazingP)), MowingP(LimitationNumber(state, lq::MowingP)),
          MowingN(LimitationNumber(state, lq::MowingN)), StockDensity(LimitationNumber(state, lq::StockDensity)),
          EnrgyConcentrate(LimitationNumber(state, lq::EnrgyConcentrate)),
          Kstatus(LimitationNumber(state, lq::Kstatus)), pH(LimitationNumber(state, lq::pH))
    {
    }
};

class Rules
{
public:
    Rules(const AssessmentState& state, const QString& name) : state_(state), name_(name) {}

    bool in(Group group) const
    {
        return std::any_of(group.begin(), group.end(),
                           [&](int index) { return state_.Countermeasures(index).Name == name_; });
    }

    // The stored text answer equals one of the texts.
    bool is(int question, std::initializer_list<QString> texts) const
    {
        const QString& stored = state_.LimitationQuestions(question).AnswerText;
        return std::find(texts.begin(), texts.end(), stored) != texts.end();
    }

private:
    const AssessmentState& state_;
    const QString& name_;
};

} // namespace

bool IsCountermeasureFeasible(const AssessmentState& state, const SelectionSession& session,
                              const QString& Countermeasure)
{
    using namespace answer;
    const Numbers n(state);
    const Rules r(state, Countermeasure);
    const bool poorDrainage = r.is(lq::Drainage, {Poor, VeryPoor});
    const bool wet = r.is(lq::SoilWetness, {WetnessHigh});
    bool infeasible = false;

    if (r.in(ShallowPloughing)) {
        infeasible |= n.Slope > 25 || r.is(lq::SoilDepth, {Below30cm}) || r.is(lq::Rocks, {Below30cm}) ||
                      r.is(lq::DrainDepth, {Below30cm}) || wet || poorDrainage;
    }
    if (r.in(DeepPloughing)) {
        infeasible |= n.Slope > 25 || r.is(lq::SoilDepth, {Below30cm, From30To60cm}) ||
                      r.is(lq::Rocks, {Below30cm, From30To60cm}) || r.is(lq::DrainDepth, {Below30cm, From30To60cm}) ||
                      r.is(lq::Stoniness60, {StonesOver35}) || wet || poorDrainage ||
                      r.is(lq::SoilType, {OrganicWaterlogged, Clay});
    }
    if (r.in(Potassium)) {
        infeasible |= n.Slope > 15 || r.is(lq::SoilType, {OrganicWaterlogged, Clay});
        // The CEC and pH decide when the CEC is known (or asked directly under lime); else the soil potassium.
        if (r.is(lq::KnowCEC, {Yes}) || session.LimeAssessed) {
            if (r.is(lq::SoilType, {Podsolic}))
                infeasible |= !((n.pH < 4.4 && n.CEC < 30) || (n.pH < 5.2 && n.CEC < 15));
            if (r.is(lq::SoilType, {OrganicNotWaterlogged}))
                infeasible |= n.pH >= 4.5 || n.CEC >= 130;
            if (r.is(lq::SoilType, {Sandy, Loamy}))
                infeasible |= n.pH >= 6.2 || n.CEC >= 15;
        } else if (r.is(lq::KnowCEC, {No})) {
            if (r.is(lq::SoilType, {Podsolic, Loamy, Sandy}))
                infeasible |= n.Kstatus > 120;
            if (r.is(lq::SoilType, {Clay, OrganicWaterlogged}))
                infeasible = true;
            if (r.is(lq::SoilType, {OrganicNotWaterlogged}))
                infeasible |= n.pH >= 4.5;
        }
    }
    if (r.in(Lime)) {
        infeasible |= n.Slope > 15 || r.is(lq::SoilType, {OrganicWaterlogged, Sandy, Clay, Loamy});
        if (r.is(lq::SoilType, {Podsolic}))
            infeasible |= !(n.pH < 4.4 && n.CEC < 20) || n.CEC == 0;
        if (r.is(lq::SoilType, {OrganicNotWaterlogged}))
            infeasible |= !((n.pH < 4.5 && n.CEC < 100) || (n.pH < 5.4 && n.CEC < 70));
    }
    if (r.in(LandImprovement)) {
        infeasible |=
            n.Slope > 15 || r.is(lq::SoilDepth, {Below30cm}) || r.is(lq::Stoniness30, {StonesOver35}) ||
            r.is(lq::Rocks, {Below30cm}) || wet || poorDrainage || r.is(lq::PeatySurfaceDepth, {Yes}) ||
            (r.is(lq::Fertilise, {Yes}) && r.is(lq::FertiliseFrequency, {Annually, BiAnnually, Every3To5Years}));
    }
    if (r.in(Intensification)) {
        infeasible |= r.is(lq::Fertilise, {No}) ||
                      (r.is(lq::Fertilise, {Yes}) && r.is(lq::FertiliseFrequency, {LessFrequently})) ||
                      n.StockDensity > 1.5;
        if (r.is(lq::PercentGrassMowed, {MowedOver10}))
            infeasible |= n.MowingN > 130 || n.MowingP > 100;
        if (r.is(lq::Fertilise, {Yes}))
            infeasible |= n.GrazingN > 90 || n.GrazingP > 70;
    }
    if (r.in(CleanRoughageUpland))
        infeasible |= r.is(lq::CleanFeedAvail, {No}) || r.is(lq::FeedFacAvail, {No});
    if (r.in(OilseedRape))
        infeasible |= r.is(lq::ExistCrop, {SpringOilseedRape, WinterOilseedRape});
    if (r.in(CleanRoughageLowland))
        infeasible |= r.is(lq::CleanFeedAvail, {No});
    if (r.in(CleanConcentrateDairy))
        infeasible |= n.EnrgyConcentrate > 65 || r.is(lq::CleanConcAvailable, {No});
    if (r.in(CleanConcentrateSheep)) {
        infeasible |= r.is(lq::HousingAvail, {No}) ||
                      (r.is(lq::HousingAvail, {Yes}) && r.is(lq::HouseCapacity, {No})) ||
                      r.is(lq::CleanConcAvailable, {No});
    }
    if (r.in(CleanFeedUplandCattle)) {
        infeasible |=
            r.is(lq::CleanConcAvailable, {No}) || r.is(lq::FeedFacAvail, {No}) || r.is(lq::CleanFeedAvail, {No});
    }
    if (r.in(CleanFeedLowlandCattle))
        infeasible |= r.is(lq::CleanFeedAvail, {No}) || r.is(lq::CleanConcAvailable, {No});
    if (r.in(Afforestation))
        infeasible |= wet || n.Slope > 25 || poorDrainage || r.is(lq::SoilDepth, {Below30cm});
    if (r.in(HomeGrownConcentrate)) {
        infeasible |= n.Slope > 11 || r.is(lq::SoilDepth, {Below30cm}) || r.is(lq::Rocks, {Below30cm}) ||
                      r.is(lq::DrainDepth, {Below30cm}) || r.is(lq::Stoniness30, {StonesOver35}) || wet ||
                      poorDrainage || n.Elev > 220 || r.is(lq::LandSuitabilityClass, {WorseThanClass41});
    }
    if (r.in(PloughLimeAndPotassium)) {
        infeasible |= n.Slope > 15 || r.is(lq::SoilType, {Sandy, Clay, Loamy, OrganicWaterlogged}) ||
                      (r.is(lq::SoilType, {Podsolic}) && (n.pH > 4.4 || n.CEC > 20)) ||
                      (r.is(lq::SoilType, {OrganicNotWaterlogged}) && (n.pH >= 4.5 || n.CEC >= 100));
    }
    return !infeasible;
}

} // namespace talvo
