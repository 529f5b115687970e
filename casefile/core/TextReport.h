#pragma once

#include "casefile/core/CaseFileCallbacks.h"

#include <QByteArray>
#include <QString>

namespace talvo {

// The results window's texts that the report prints as they stand.
struct ReportWindowTexts
{
    QString CountermeasureList;     // RichTextBoxCountermeasureList
    QString IdealPtIdeals;          // RichTextBoxIdealPtIdeals
    QString CriteriaWeights;        // RichTextBoxCriteriaWeights
    QString IdealPtResults;         // RichTextBoxIdealPtResults
    QString LimitationsInformation; // RichTextBoxLimitationsInformation
};

// The report as text, every write ended by CR LF: banners of 43 stars around the section titles; the ranking
// section only when MCDMDone, the economic sections only when EconomicDone (their texts read through the
// callbacks, in the order costs, benefits, summary, variables).
QString BuildTextReport(const AssessmentState& state, const ReportWindowTexts& window,
                        const CaseFileCallbacks& callbacks);

// UTF-8: the economic texts hold the pound sign.
QByteArray EncodeTextReport(const QString& report);

} // namespace talvo
