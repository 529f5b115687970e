#include "platform/core/NumberForms.h"
#include "tables/core/ScoreScale.h"

#include <gtest/gtest.h>

using namespace talvo;

namespace {

const char* const words[] = {"Greatly Decreases", "Moderately Decreases", "Slightly Decreases", "No Effect",
                             "Slightly Increases", "Moderately Increases", "Greatly Increases"};

TEST(ScoreScale, EveryWordSurvivesValueAndFileRoundTrip)
{
    for (const char* word : words) {
        const QString text = QString::fromLatin1(word);
        const Single value = ConvertScoreNametoNum(text);
        EXPECT_EQ(ConvertScoretoText(value), text);
        const auto reread = ParseFileSingle(FormatItem(value));
        ASSERT_TRUE(reread.has_value());
        EXPECT_EQ(ConvertScoretoText(*reread), text) << FormatItem(value).toStdString();
    }
    EXPECT_EQ(ConvertScoreNametoNum(QStringLiteral("Moderately Increases")), static_cast<float>(2.0 / 3.0));
}

TEST(ScoreScale, OtherTextsAreZero)
{
    for (const char* text : {"greatly increases", " No Effect", "No Effect ", "", "Increases"})
        EXPECT_EQ(ConvertScoreNametoNum(QString::fromLatin1(text)), 0.0f) << text;
}

TEST(ScoreScale, BandEdges)
{
    const std::pair<float, const char*> cases[] = {
        {0.5f, "Moderately Increases"},   {-0.5f, "Moderately Decreases"},
        {0.1f, "Slightly Increases"},     {-0.9f, "Greatly Decreases"},
        {1.2f, ""},                       {-1.0001f, ""},
        {-1.0f, "Greatly Decreases"},     {1.0f, "Greatly Increases"},
        {0.0f, "No Effect"},              {-0.0f, "No Effect"},
        {1e-7f, "Slightly Increases"},    {-1e-7f, "Slightly Decreases"},
        {0.3333334f, "Moderately Increases"}, {0.6666668f, "Greatly Increases"},
        {-0.6666668f, "Greatly Decreases"}, {-0.3333334f, "Moderately Decreases"},
        {0.3333333f, "Slightly Increases"}, {-0.3333333f, "Slightly Decreases"}};
    for (const auto& [score, word] : cases)
        EXPECT_EQ(ConvertScoretoText(score), QString::fromLatin1(word)) << score;
}

TEST(ScoreScale, ListOrderIsHighestFirst)
{
    const QStringList& list = ScoreWordsForLists();
    ASSERT_EQ(list.size(), 7);
    EXPECT_EQ(list.front(), QStringLiteral("Greatly Increases"));
    EXPECT_EQ(list.back(), QStringLiteral("Greatly Decreases"));
    EXPECT_EQ(list.at(3), QStringLiteral("No Effect"));
}

TEST(Ideals, FourDecimalValuesAndListPositions)
{
    const float expected[] = {1.0f, 0.6667f, 0.3333f, 0.0f, -0.3333f, -0.6667f, -1.0f};
    const QStringList& list = ScoreWordsForLists();
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(IdealAtListIndex(i), expected[i]) << i;
        EXPECT_EQ(IdealForWord(list.at(i)), expected[i]) << i;
        EXPECT_EQ(IdealToListIndex(expected[i]), i) << i;
    }
    EXPECT_EQ(IdealForWord(QStringLiteral("")), 0.0f);
    EXPECT_EQ(IdealForWord(QStringLiteral("no effect")), 0.0f);
    // A full-precision third is not a four-decimal ideal: it falls back to position 0.
    EXPECT_EQ(IdealToListIndex(static_cast<float>(2.0 / 3.0)), 0);
    EXPECT_EQ(IdealToListIndex(0.5f), 0);
    EXPECT_EQ(IdealAtListIndex(7), 0.0f);
    EXPECT_EQ(IdealAtListIndex(-1), 0.0f);
}

} // namespace
