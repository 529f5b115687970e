#include "tests/casefile/CaseFileTestSupport.h"

#include <cstdio>
#include <cstdlib>

// Parses, opens and saves one input. A broken round trip aborts, so libFuzzer keeps the input as a crash.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    static const talvo::AssessmentState fresh = talvo::test::FreshState();
    const auto content = talvo::ParseEvaluationFile(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), nullptr);
    if (const QString fault = content ? talvo::test::RoundTripFault(*content, fresh) : QString(); !fault.isEmpty()) {
        std::fprintf(stderr, "round-trip failure: %s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
