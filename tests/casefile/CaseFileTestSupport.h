#pragma once

#include "casefile/core/CaseFileCallbacks.h"
#include "casefile/core/EvaluationFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talvo::test {

// A golden file of tests/casefile/data, as bytes.
QByteArray ReadTestData(const QString& name);
QString TestDataPath(const QString& name);

// The reference tables as start-up fills them.
AssessmentState FreshState();

// The round trip of a file the reader accepted: its encoding parses again and encodes to the same bytes (so every
// text reads back unchanged), and opening it into a copy of `fresh` and saving that gives those bytes too. Empty
// when it holds, otherwise what broke.
QString RoundTripFault(const EvaluationFileContent& parsed, const AssessmentState& fresh,
                       const CaseFileCallbacks& callbacks = {});

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
