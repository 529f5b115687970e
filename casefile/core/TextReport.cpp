#include "casefile/core/TextReport.h"

#include "platform/core/NumberForms.h"

namespace talvo {
namespace {

const QString StarLine = QStringLiteral("*******************************************");

class Report
{
public:
    void write(const QString& text = {}) { text_ += text + QStringLiteral("\r\n"); }
    void banner(const QString& title)
    {
        write(StarLine);
        write(title);
        write(StarLine);
    }
    const QString& text() const { return text_; }

private:
    QString text_;
};

} // namespace

QString BuildTextReport(const AssessmentState& state, const ReportWindowTexts& window,
                        const CaseFileCallbacks& callbacks)
{
    const QString crLf = QStringLiteral("\r\n");
    Report out;

    out.banner(QStringLiteral("**         Deposition Scenario           **"));
    out.write();
    out.write(state.DepositionScenario);
    out.write();
    out.write();

    out.banner(QStringLiteral("**               Farm Type               **"));
    out.write();
    out.write(state.AgricultureType);
    out.write();
    out.write();

    out.banner(QStringLiteral("**       Available Countermeasures       **"));
    out.write();
    out.write(window.CountermeasureList);
    out.write();
    out.write();

    out.banner(QStringLiteral("**     Countermeasure/Criteria Scores    **"));
    out.write();
    for (int i = 0; i < state.NumberOfCountermeasures; ++i) {
        // One write a countermeasure: its name, then one line a criterion; the write's own line end leaves an
        // empty line after the block.
        QString block = state.FinalCountermeasures(i) + crLf;
        for (int j = 0; j < state.NumberOfCriteria; ++j)
            block += state.Criteria(j).Name + QStringLiteral(" = ") + FormatStandard(state.ScoreMatrix(i, j)) + crLf;
        out.write(block);
    }
    out.write();

    if (state.MCDMDone) {
        out.banner(QStringLiteral("**          Ideal Point Results          **"));
        out.write();
        out.write(QStringLiteral("P Value =   ") + FormatStandard(int{state.PValue}));
        out.write();
        out.write(QStringLiteral("Ideals Used"));
        out.write(window.IdealPtIdeals);
        out.write();
        out.write(QStringLiteral("Criteria Weights"));
        out.write(window.CriteriaWeights);
        out.write();
        out.write(window.IdealPtResults);
        out.write();
        out.write();
    }

    out.banner(QStringLiteral("**     Limitation Information            **"));
    out.write();
    out.write(window.LimitationsInformation);
    out.write();
    out.write();

    if (state.EconomicDone) {
        const QString costs = InvokeCallback(callbacks.CountermeasureCostsText);
        const QString benefits = InvokeCallback(callbacks.CountermeasureBenefitsText);
        const QString summary = InvokeCallback(callbacks.CostBenefitSummaryText);
        const QString variables = InvokeCallback(callbacks.EconomicVariablesText);
        out.banner(QStringLiteral("**   Economic Costs /Benefits            **"));
        out.write();
        out.write(QStringLiteral("COUTERMEASURE COSTS"));
        out.write(costs);
        out.write();
        out.write(QStringLiteral("COUTERMEASURE BENEFITS"));
        out.write(benefits);
        out.write();
        out.write(QStringLiteral("COUTERMEASURE COST/BENEFIT SUMMARY"));
        out.write(summary);
        out.write();
        out.write();
        out.write(StarLine);
        out.write(QStringLiteral("**      Economic Variables Used to       **"));
        out.write(QStringLiteral("**           Calculate Costs             **"));
        out.write(StarLine);
        out.write();
        out.write(variables);
        out.write();
        out.write();
    }
    return out.text();
}

QByteArray EncodeTextReport(const QString& report)
{
    return report.toUtf8();
}

} // namespace talvo
