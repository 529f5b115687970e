#include "platform/core/NumberForms.h"
#include "platform/core/PrintLine.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

using namespace talvo;

namespace {

struct SingleCase
{
    float value;
    const char* standard;
    const char* item;
    const char* print;
};

class SingleForms : public ::testing::TestWithParam<SingleCase>
{
};

TEST_P(SingleForms, StandardItemAndPrint)
{
    const SingleCase& c = GetParam();
    EXPECT_EQ(FormatStandard(c.value), QString::fromLatin1(c.standard));
    EXPECT_EQ(FormatItem(c.value), QString::fromLatin1(c.item));
    EXPECT_EQ(FormatPrint(c.value), QString::fromLatin1(c.print));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, SingleForms,
    ::testing::Values(SingleCase{0.0f, "0", "0", " 0 "}, SingleCase{-1.0f, "-1", "-1", "-1 "},
                      SingleCase{0.57f, "0.57", ".57", " .57 "}, SingleCase{-0.57f, "-0.57", "-.57", "-.57 "},
                      SingleCase{static_cast<float>(2.0 / 3.0), "0.6666667", ".6666667", " .6666667 "},
                      SingleCase{static_cast<float>(1.0 / 3.0), "0.3333333", ".3333333", " .3333333 "},
                      SingleCase{static_cast<float>(-1.0 / 3.0), "-0.3333333", "-.3333333", "-.3333333 "},
                      SingleCase{12345678.0f, "1.234568E+07", "1.234568E+07", " 1.234568E+07 "},
                      SingleCase{1234567.0f, "1234567", "1234567", " 1234567 "},
                      SingleCase{0.0001f, "0.0001", ".0001", " .0001 "},
                      SingleCase{0.00001f, "1E-05", "1E-05", " 1E-05 "},
                      SingleCase{9.9999999f, "10", "10", " 10 "}, SingleCase{2.5f, "2.5", "2.5", " 2.5 "},
                      SingleCase{0.1f, "0.1", ".1", " .1 "}));

TEST(DoubleForms, FifteenDigits)
{
    EXPECT_EQ(FormatStandard(2.0 / 3.0), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(FormatItem(2.0 / 3.0), QStringLiteral(".666666666666667"));
    EXPECT_EQ(FormatItem(0.1 + 0.2), QStringLiteral(".3"));
    EXPECT_EQ(FormatItem(3931.0), QStringLiteral("3931"));
    EXPECT_EQ(FormatItem(-1234.5), QStringLiteral("-1234.5"));
    EXPECT_EQ(FormatItem(1e15), QStringLiteral("1E+15"));
    EXPECT_EQ(FormatItem(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(FormatStandard(1.5e-10), QStringLiteral("1.5E-10"));
    EXPECT_EQ(FormatStandard(1e100), QStringLiteral("1E+100"));
    EXPECT_EQ(FormatPrint(0.024), QStringLiteral(" .024 "));
}

TEST(OtherItems, BooleansStringsIntegers)
{
    EXPECT_EQ(FormatItem(true), QStringLiteral("#TRUE#"));
    EXPECT_EQ(FormatItem(false), QStringLiteral("#FALSE#"));
    EXPECT_EQ(FormatItem(QStringLiteral(" 100 Cs137")), QStringLiteral("\" 100 Cs137\""));
    EXPECT_EQ(FormatItem(QStringLiteral("say \"hi\"")), QStringLiteral("\"say \"hi\"\""));
    EXPECT_EQ(FormatItem(-7), QStringLiteral("-7"));
    EXPECT_EQ(FormatPrint(-7), QStringLiteral("-7 "));
    EXPECT_EQ(FormatPrint(12), QStringLiteral(" 12 "));
    EXPECT_EQ(FormatStandard(12), QStringLiteral("12"));
}

TEST(TypedNumbers, AcceptsOnlyDigitsWithOptionalMinusAndPoint)
{
    const std::pair<const char*, double> accepted[] = {{"5", 5}, {"-5", -5}, {".5", 0.5}, {"5.", 5},
                                                      {"0", 0}, {"-0.25", -0.25}, {"007", 7}, {"12.75", 12.75}};
    for (const auto& [text, value] : accepted) {
        const auto parsed = ParseTypedNumber(QString::fromLatin1(text));
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_DOUBLE_EQ(*parsed, value) << text;
    }
    for (const char* text : {"", "-", ".", "-.", "1.2.3", " 5", "5 ", "+5", "1e3", "1,5", "--5", "5-", "abc", "nan",
                             "inf", "0x10"})
        EXPECT_FALSE(ParseTypedNumber(QString::fromLatin1(text)).has_value()) << text;
    // An answer as a widget shows it is read back too; typed E-forms stay refused.
    for (const double value : {5e-05, -1.234568e+07, 1e+300, 0.25})
        EXPECT_EQ(ParseShownNumber(FormatStandard(value)), value) << value;
    for (const char* text : {"1e3", "1E3", "E-05", "5E-", "0.5€"})
        EXPECT_FALSE(ParseShownNumber(QString::fromUtf8(text)).has_value()) << text;
}

TEST(FileLines, NumbersAllowBlanksSignAndExponent)
{
    EXPECT_EQ(ParseFileNumber(QStringLiteral(" .57 ")), 0.57);
    EXPECT_EQ(ParseFileNumber(QStringLiteral("1.234568E+07")), 12345680.0);
    EXPECT_EQ(ParseFileNumber(QStringLiteral("+3")), 3.0);
    EXPECT_EQ(ParseFileNumber(QStringLiteral("1e-05")), 1e-05);
    for (const char* text : {"", " ", "NaN", "nan", "Infinity", "-inf", "1e999", "1,5", "#TRUE#", "\"5\"", "5x"})
        EXPECT_FALSE(ParseFileNumber(QString::fromLatin1(text)).has_value()) << text;
    EXPECT_FALSE(ParseFileSingle(QStringLiteral("1e300")).has_value());
    EXPECT_EQ(ParseFileSingle(QStringLiteral(".6666667")), static_cast<float>(2.0 / 3.0));
}

TEST(FileLines, IntegersBooleansStrings)
{
    EXPECT_EQ(ParseFileInteger(QStringLiteral("19")), Integer{19});
    EXPECT_EQ(ParseFileInteger(QStringLiteral(" -3 ")), Integer{-3});
    EXPECT_EQ(ParseFileInteger(QStringLiteral("32767")), Integer{32767});
    EXPECT_FALSE(ParseFileInteger(QStringLiteral("32768")).has_value());
    EXPECT_FALSE(ParseFileInteger(QStringLiteral("2.5")).has_value());
    EXPECT_FALSE(ParseFileInteger(QStringLiteral("")).has_value());

    EXPECT_EQ(ParseFileBoolean(QStringLiteral("#TRUE#")), true);
    EXPECT_EQ(ParseFileBoolean(QStringLiteral("#FALSE#")), false);
    for (const char* text : {"TRUE", "#true#", "-1", "0", "#TRUE# ", ""})
        EXPECT_FALSE(ParseFileBoolean(QString::fromLatin1(text)).has_value()) << text;

    EXPECT_EQ(ParseFileString(QStringLiteral("\" 100 Cs137 \"")), QStringLiteral(" 100 Cs137 "));
    EXPECT_EQ(ParseFileString(QStringLiteral("\"\"")), QString());
    EXPECT_EQ(ParseFileString(QStringLiteral("\"a \"quoted\" word\"")), QStringLiteral("a \"quoted\" word"));
    for (const char* text : {"\"", "abc", "\"abc", "abc\"", ""})
        EXPECT_FALSE(ParseFileString(QString::fromLatin1(text)).has_value()) << text;
}

TEST(FileLines, ItemFormRoundTripsEverySingleThird)
{
    for (double value : {-1.0, -2.0 / 3.0, -1.0 / 3.0, 0.0, 1.0 / 3.0, 2.0 / 3.0, 1.0}) {
        const float single = static_cast<float>(value);
        const auto back = ParseFileSingle(FormatItem(single));
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, single, 1e-7f);
    }
}

// The user's locale must not reach files or typed answers, even where it writes a decimal comma.
TEST(Locale, GermanLocaleChangesNothing)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* oldC = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = oldC ? oldC : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may not exist; then the Qt default alone is under test

    EXPECT_EQ(FormatItem(0.57f), QStringLiteral(".57"));
    EXPECT_EQ(FormatStandard(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(FormatStandard(12345678.0f), QStringLiteral("1.234568E+07"));
    EXPECT_EQ(ParseTypedNumber(QStringLiteral("2.5")), 2.5);
    EXPECT_FALSE(ParseTypedNumber(QStringLiteral("2,5")).has_value());
    EXPECT_EQ(ParseFileNumber(QStringLiteral(".25")), 0.25);

    std::setlocale(LC_NUMERIC, saved.c_str());
    QLocale::setDefault(previous);
}

TEST(PrintLine, ZonesOfFourteenColumns)
{
    PrintLine line;
    line.append(QStringLiteral("Final Score for ")).nextZone();
    EXPECT_EQ(line.text().size(), 28);
    line.append(QStringLiteral("Deep plough.")).append(QStringLiteral(" is")).append(0.25f);
    EXPECT_EQ(line.line(), QStringLiteral("Final Score for             Deep plough. is .25 \r\n"));

    PrintLine empty;
    empty.nextZone();
    EXPECT_EQ(empty.text(), QString(14, QLatin1Char(' ')));
    PrintLine exact;
    exact.append(QString(14, QLatin1Char('x'))).nextZone();
    EXPECT_EQ(exact.text().size(), 28);
    PrintLine numbers;
    numbers.append(1).nextZone().append(-2.5);
    EXPECT_EQ(numbers.line(), QStringLiteral(" 1            -2.5 \r\n"));
}

} // namespace
