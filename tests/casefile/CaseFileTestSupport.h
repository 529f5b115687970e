#pragma once

#include "casefile/core/CaseFileCallbacks.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talvo::test {

// A golden file of tests/casefile/data, as bytes.
QByteArray ReadTestData(const QString& name);
QString TestDataPath(const QString& name);

// The reference tables as start-up fills them.
AssessmentState FreshState();

// Stand-ins for the wizards' procedures that record each call with what the assessment held at that moment.
struct RecordingCallbacks
{
    QStringList calls;
    CaseFileCallbacks callbacks;

    RecordingCallbacks();
    RecordingCallbacks(const RecordingCallbacks&) = delete;
    RecordingCallbacks& operator=(const RecordingCallbacks&) = delete;
};

} // namespace talvo::test
