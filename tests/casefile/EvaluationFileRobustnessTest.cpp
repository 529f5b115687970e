#include "casefile/core/EvaluationFile.h"
#include "tests/casefile/CaseFileTestSupport.h"

#include <gtest/gtest.h>

using namespace talvo;
using namespace talvo::test;

namespace {

QStringList goldenLines(const char* name)
{
    return SplitFileLines(DecodeFileText(ReadTestData(QString::fromLatin1(name))));
}

QByteArray joined(const QStringList& lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

QByteArray withLine(const char* golden, int lineNumber, const QString& text)
{
    QStringList lines = goldenLines(golden);
    lines[lineNumber - 1] = text;
    return joined(lines);
}

struct BadFile
{
    const char* what;
    QByteArray bytes;
    QString expected; // the part of the message that names the line
};

constexpr int Item7 = 4 + 3 + 30 + 1;   // first limitation answer
constexpr int Item8 = Item7 + 33;       // MCDMDone
constexpr int Item11 = Item8 + 2 + 10;  // first ranking index
constexpr int Item13 = Item11 + 6 + 10; // p
constexpr int Item14 = Item8 + 2;       // first cost entry, economics only

std::vector<BadFile> badFiles()
{
    QStringList truncated = goldenLines("both.tlv");
    truncated = truncated.mid(0, 150);
    QByteArray binary;
    for (int i = 0; i < 512; ++i)
        binary.append(static_cast<char>((i * 37 + 11) % 256));
    return {
        {"empty file", QByteArray(), QStringLiteral("line 1 should hold the deposition scenario")},
        {"truncated", joined(truncated), QStringLiteral("line 151 should hold")},
        {"count of 25", withLine("neither.tlv", 3, QStringLiteral("25")),
         QStringLiteral("Line 3 should hold the number of countermeasures (a whole number from 0 to 19), but it holds "
                        "\"25\"")},
        {"negative count", withLine("neither.tlv", 3, QStringLiteral("-1")), QStringLiteral("Line 3")},
        {"nine criteria", withLine("neither.tlv", 4, QStringLiteral("9")),
         QStringLiteral("Line 4 should hold the number of criteria")},
        {"word for a number", withLine("neither.tlv", 9, QStringLiteral("Greatly Increases")),
         QStringLiteral("Line 9 should hold the score of countermeasure 1 against criterion 2 (a number)")},
        {"text without quotes", withLine("neither.tlv", 1, QStringLiteral("100 Cs137")),
         QStringLiteral("Line 1 should hold the deposition scenario (a text in double quotes)")},
        {"answer without closing quote", withLine("neither.tlv", Item7 + 2, QStringLiteral("\"Greater Than 60 cm")),
         QStringLiteral("Line %1").arg(Item7 + 2)},
        {"boolean of another form", withLine("neither.tlv", Item8, QStringLiteral("TRUE")),
         QStringLiteral("Line %1 should hold whether the ranking was done (#TRUE# or #FALSE#)").arg(Item8)},
        {"ranking index 19", withLine("ranking.tlv", Item11, QStringLiteral("19")),
         QStringLiteral("Line %1 should hold the countermeasure of ranking entry 1 (a whole number from 0 to 18)")
             .arg(Item11)},
        {"p that is no number", withLine("ranking.tlv", Item13, QStringLiteral("two")),
         QStringLiteral("Line %1 should hold the value of p").arg(Item13)},
        {"cost that is no number", withLine("economics.tlv", Item14 + 1, QStringLiteral("\"876\"")),
         QStringLiteral("Line %1 should hold the cost of entry 1").arg(Item14 + 1)},
        {"binary file", binary, QStringLiteral("Line 1 should hold the deposition scenario")},
        {"last number cut, 1E-05 to 1E-0", ReadTestData(QStringLiteral("both.tlv")).chopped(3),
         QStringLiteral(
             "Line 246 should hold the value of economic variable 136 (a number), but the file ends inside")},
        {"ranking section missing", joined(goldenLines("ranking.tlv").mid(0, Item8 + 1)),
         QStringLiteral("The file ends after line %1, where line %2 should hold the weight of criterion 1")
             .arg(Item8 + 1)
             .arg(Item8 + 2)},
    };
}

// Every bad file is refused as a whole with a message that names the line.
TEST(EvaluationFileRobustness, BadFilesAreRefusedNamingTheLine)
{
    for (const BadFile& bad : badFiles()) {
        QString error;
        const auto content = ParseEvaluationFile(bad.bytes, &error);
        EXPECT_FALSE(content.has_value()) << bad.what;
        EXPECT_TRUE(error.contains(bad.expected, Qt::CaseInsensitive))
            << bad.what << ": " << error.toStdString() << "\n  expected: " << bad.expected.toStdString();
    }
}

TEST(EvaluationFileRobustness, GoodVariantsAreAccepted)
{
    const std::pair<const char*, QByteArray> good[] = {
        {"count 0", joined(QStringList{QStringLiteral("\"a\""), QStringLiteral("\"b\""), QStringLiteral("0"),
                                       QStringLiteral("10")} +
                           QStringList(33, QStringLiteral("\"\"")) +
                           QStringList{QStringLiteral("#FALSE#"), QStringLiteral("#FALSE#")})},
        {"number with blanks", withLine("neither.tlv", 8, QStringLiteral(" .5 "))},
        {"quote inside a text", withLine("neither.tlv", 1, QStringLiteral("\"say \"hi\"\""))},
        {"trailing lines ignored", joined(goldenLines("neither.tlv") << QStringLiteral("extra"))},
    };
    for (const auto& [what, bytes] : good) {
        QString error;
        EXPECT_TRUE(ParseEvaluationFile(bytes, &error).has_value()) << what << ": " << error.toStdString();
    }
    const auto quoted = ParseEvaluationFile(withLine("neither.tlv", 1, QStringLiteral("\"say \"hi\"\"")), nullptr);
    EXPECT_EQ(quoted->DepositionScenario, QStringLiteral("say \"hi\""));
}

} // namespace
