#include "casefile/core/EvaluationFile.h"
#include "tests/casefile/CaseFileTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

using namespace talvo;
using namespace talvo::test;

namespace {

// Mutates a golden file: byte flips, cut or doubled ranges, and swapped or replaced lines, so that most
// mutants are nearly well formed and reach deep into the reader.
QByteArray mutate(const QByteArray& seed, std::mt19937& random)
{
    QByteArray bytes = seed;
    const auto pick = [&random](qsizetype size) {
        return size <= 0 ? qsizetype{0} : static_cast<qsizetype>(random() % static_cast<unsigned>(size));
    };
    static const QByteArray tokens[] = {"19", "20",   "-1",     "10",     "9",     "#TRUE#", "#FALSE#",
                                        "\"", "\"\"", "1E+300", "-32769", "32767", ".",      "-",
                                        "\r", "\n",   "\r\n",   "18",     "0",     "nan",    "\xff"};
    const int steps = 1 + static_cast<int>(random() % 4);
    for (int step = 0; step < steps; ++step) {
        switch (random() % 5) {
        case 0:
            if (!bytes.isEmpty())
                bytes[pick(bytes.size())] = static_cast<char>(random() % 256);
            break;
        case 1: {
            const qsizetype at = pick(bytes.size());
            bytes.remove(at, pick(bytes.size() - at) % 64);
            break;
        }
        case 2: {
            const qsizetype at = pick(bytes.size());
            bytes.insert(at, bytes.mid(pick(bytes.size()), 40));
            break;
        }
        case 3: {
            QList<QByteArray> lines = bytes.split('\n');
            if (lines.size() > 1)
                lines[pick(lines.size())] = tokens[random() % std::size(tokens)] + "\r";
            bytes = lines.join('\n');
            break;
        }
        default:
            bytes.truncate(pick(bytes.size() + 1));
            break;
        }
    }
    return bytes;
}

// Whatever the bytes, the reader either refuses them with a message or gives content that survives the round
// trip: encoded, reopened and saved again, it gives the same bytes and texts.
TEST(EvaluationFileFuzz, MutatedFilesNeverBreakTheReader)
{
    const QByteArray seeds[] = {
        ReadTestData(QStringLiteral("neither.tlv")), ReadTestData(QStringLiteral("ranking.tlv")),
        ReadTestData(QStringLiteral("economics.tlv")), ReadTestData(QStringLiteral("both.tlv"))};
    std::mt19937 random(20240312u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(CASEFILE_FUZZ_SECONDS);
    const AssessmentState fresh = FreshState();
    RecordingCallbacks recorder;
    long runs = 0;
    long accepted = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        const QByteArray bytes = mutate(seeds[random() % std::size(seeds)], random);
        QString error;
        const auto content = ParseEvaluationFile(bytes, &error);
        ++runs;
        if (!content) {
            ASSERT_FALSE(error.isEmpty());
            continue;
        }
        ++accepted;
        ASSERT_EQ(RoundTripFault(*content, fresh, recorder.callbacks).toStdString(), "") << bytes.toStdString();
        recorder.calls.clear();
    }
    EXPECT_GT(runs, 100);
    EXPECT_GT(accepted, 0);
}

} // namespace
