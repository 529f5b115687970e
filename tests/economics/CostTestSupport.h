#pragma once

#include "economics/core/CalculateEconomics.h"
#include "tables/core/ReferenceTables.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

namespace talvo::test {

inline const QString S1 = QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241");
inline const QString S2 = QStringLiteral(" 100 Cs137 / 100 Sr90 / 1 Pu241");
inline const QString S3 = QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241");
inline const QString S4 = QStringLiteral("5000 Cs137 / 500 Sr90 / 50 Pu241");

// One countermeasure under one set of answers, with the default variables. Amounts are what Double arithmetic
// gives in the formulas' order; the three whole-pound texts are those of the appended lines.
struct CostCase
{
    const char* label;
    const char* countermeasure;
    std::function<void(AssessmentState&)> answers; // on top of the farm type's base answers
    double cost;
    double benefit;
    const char* costPounds;
    const char* benefitPounds;
    const char* netPounds;
};

inline std::ostream& operator<<(std::ostream& out, const CostCase& c)
{
    return out << c.label;
}

// Test names from the cases' labels.
struct LabelOfCase
{
    template <typename Info> std::string operator()(const Info& param) const { return param.param.label; }
};
inline constexpr LabelOfCase LabelOf{};

inline void SetValues(AssessmentState& state, std::initializer_list<std::pair<int, double>> values)
{
    for (const auto& [record, value] : values)
        state.EconomicQuestions(record).AnswerValue = value;
}

inline void SetText(AssessmentState& state, int record, const char* text)
{
    state.EconomicQuestions(record).AnswerText = QString::fromLatin1(text);
}

inline int CatalogueIndex(const AssessmentState& state, const QString& name)
{
    for (int k = 0; k <= 61; ++k) {
        if (state.Countermeasures(k).Name == name)
            return k;
    }
    return -1;
}

inline QString Line(const QString& name, const char* pounds)
{
    return name + QStringLiteral("=   ") + QChar(0x00A3) + QString::fromLatin1(pounds) + QStringLiteral("\r\n");
}

inline void ExpectAmount(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::fabs(expected)));
}

// Runs one case on a fresh state: base answers, the case's answers, one calculation, then every stored value
// and the three lines checked.
class CostCaseTest : public ::testing::TestWithParam<CostCase>
{
protected:
    void Check(const char* farmType, const QString& scenario, const std::function<void(AssessmentState&)>& base)
    {
        const CostCase& c = GetParam();
        AssessmentState state;
        InitialiseReferenceTables(state);
        state.AgricultureType = QString::fromLatin1(farmType);
        state.DepositionScenario = scenario;
        base(state);
        if (c.answers)
            c.answers(state);
        EconomicSession session;
        const QString name = QString::fromLatin1(c.countermeasure);
        const int k = CatalogueIndex(state, name);
        ASSERT_GE(k, 0) << "no such countermeasure";

        const auto message = CalculateEconomics(state, session, name);
        EXPECT_FALSE(message.has_value());
        const CountermeasureRecord& record = state.Countermeasures(k);
        ExpectAmount(record.Cost, c.cost);
        ExpectAmount(record.Benefit, c.benefit);
        EXPECT_EQ(record.NetBenefit, record.Benefit - record.Cost);
        EXPECT_EQ(session.CountermeasureCostsText, Line(name, c.costPounds));
        EXPECT_EQ(session.CountermeasureBenefitsText, Line(name, c.benefitPounds));
        EXPECT_EQ(session.CostBenefitSummaryText, Line(name, c.netPounds));
    }
};

} // namespace talvo::test
