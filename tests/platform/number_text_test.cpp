#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace quarrow {
namespace {

struct DoubleCase {
    double value;
    const char* plain;
    const char* sign;
};

TEST(NumberText, DoublesRoundToFifteenDigitsAndSwitchToExponentAt1E15) {
    const DoubleCase cases[] = {
        {3.04888344611714e29, "3.04888344611714E+29", " 3.04888344611714E+29"},
        {6402373705728000.0, "6.402373705728E+15", " 6.402373705728E+15"},
        {1.7644001424289e20, "1.7644001424289E+20", " 1.7644001424289E+20"},
        {999999999999999.0, "999999999999999", " 999999999999999"},
        {1e15, "1E+15", " 1E+15"},
        {9999999999999999.0, "1E+16", " 1E+16"},
        {6227020800.0, "6227020800", " 6227020800"},
        {0.006, "0.006", " 0.006"},
        {0.0001, "0.0001", " 0.0001"},
        {0.00001234, "1.234E-05", " 1.234E-05"},
        {717.44535, "717.44535", " 717.44535"},
        {1.0 / 3.0, "0.333333333333333", " 0.333333333333333"},
        {0.0, "0", " 0"},
        {-0.0, "0", " 0"},
        {-2.5, "-2.5", "-2.5"},
        {-1.5e300, "-1.5E+300", "-1.5E+300"},
        {1.23e-300, "1.23E-300", " 1.23E-300"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlainText(c.value), c.plain) << c.value;
        EXPECT_EQ(SignedText(c.value), c.sign) << c.value;
    }
}

TEST(NumberText, FloatsRoundToSevenDigitsAndSwitchToExponentAt1E7) {
    EXPECT_EQ(PlainText(0.5f), "0.5");
    EXPECT_EQ(PlainText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(PlainText(9999999.0f), "9999999");
    EXPECT_EQ(PlainText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(PlainText(0.0078125f), "0.0078125");
    EXPECT_EQ(PlainText(-3.25f), "-3.25");
    EXPECT_EQ(PlainText(0.00005f), "5E-05");
    EXPECT_EQ(SignedText(2.0f), " 2");
    EXPECT_EQ(SignedText(-2.0f), "-2");
}

TEST(NumberText, CountsPrintEveryDigit) {
    EXPECT_EQ(PlainText(std::int64_t{479001600}), "479001600");
    EXPECT_EQ(PlainText(std::int64_t{9007199254740993}), "9007199254740993");
    EXPECT_EQ(PlainText(std::int64_t{0}), "0");
    EXPECT_EQ(SignedText(std::int64_t{28}), " 28");
    EXPECT_EQ(SignedText(std::int64_t{-4}), "-4");
    EXPECT_EQ(SignedText(std::int64_t{0}), " 0");
}

TEST(NumberText, LogarithmsGiveExponentFormsBeyondTheDoubleRange) {
    // 27^1000 = 10^(1000 * log10 27) = 10^1431.36...
    // 27^1000 begins 2310809578111909 and has 1432 digits.
    const long double log10Value = 1000.0L * std::log10(27.0L);
    const std::string text = PlainTextFromLog10(log10Value);
    EXPECT_TRUE(text.ends_with("E+1431")) << text;
    EXPECT_TRUE(text.starts_with("2.3108095781119")) << text;
    EXPECT_EQ(PlainTextFromLog10(400.0L), "1E+400");
    EXPECT_EQ(PlainTextFromLog10(std::log10(2.5L) + 500.0L), "2.5E+500");
    // Within the double range the result agrees with the ordinary form.
    EXPECT_EQ(PlainTextFromLog10(std::log10(14348907.0L)), "14348907");
}

TEST(NumberText, LogarithmsBeyondAnyExponentAreGuarded) {
    EXPECT_EQ(PlainTextFromLog10(std::numeric_limits<long double>::quiet_NaN()), "NaN");
    EXPECT_EQ(PlainTextFromLog10(std::numeric_limits<long double>::infinity()), "Infinity");
    EXPECT_EQ(PlainTextFromLog10(-std::numeric_limits<long double>::infinity()), "0");
    EXPECT_EQ(PlainTextFromLog10(0x1p70L), "Infinity");
    // Exponents past a 32-bit count keep their digits.
    EXPECT_EQ(PlainTextFromLog10(3000000000.0L), "1E+3000000000");
}

TEST(NumberText, TheTopOfTheRangeReadsBackFinite) {
    const double largest = std::numeric_limits<double>::max();
    const std::string text = PlainText(largest);
    EXPECT_EQ(text, "1.79769313486231E+308");
    EXPECT_EQ(SignedText(-largest), "-1.79769313486231E+308");
    EXPECT_TRUE(std::isfinite(std::strtod(text.c_str(), nullptr)));
    EXPECT_EQ(PlainText(std::numeric_limits<float>::max()), "3.402823E+38");
    // Just below the top, ordinary rounding still holds.
    EXPECT_EQ(PlainText(1.797693134862314e308), "1.79769313486231E+308");
    EXPECT_EQ(PlainText(1.7976931348623e308), "1.7976931348623E+308");
}

TEST(NumberText, DecimalDigitsRoundToFifteen) {
    EXPECT_EQ(PlainTextFromDigits("237911753945297904324", 143136), "2.37911753945298E+143136");
    EXPECT_EQ(PlainTextFromDigits("9999999999999999", 400), "1E+401");
    EXPECT_EQ(PlainTextFromDigits("00012500", 5), "125");
    EXPECT_EQ(PlainTextFromDigits("6", -3), "0.006");
    EXPECT_EQ(PlainTextFromDigits("1", -5), "1E-05");
    EXPECT_EQ(PlainTextFromDigits("000", 9), "0");
}

TEST(NumberText, NonFiniteValuesAreNamed) {
    EXPECT_EQ(PlainText(std::numeric_limits<double>::infinity()), "Infinity");
    EXPECT_EQ(SignedText(-std::numeric_limits<double>::infinity()), "-Infinity");
}

TEST(NumberText, FiguresFromCountsAreWholeUnlessTheyAreNot) {
    EXPECT_EQ(FigureText(25.0, 2), "25");
    EXPECT_EQ(FigureText(-3.0, 1), "-3");
    EXPECT_EQ(FigureText(5.4, 2), "5.40");
    EXPECT_EQ(FigureText(0.26, 1), "0.3");
    // An interpolated percentile a rounding error from a whole count is that count, however
    // large; a real fraction of a large count is not.
    EXPECT_EQ(FigureText(0.1 * 3.0 * 10.0, 2), "3");
    EXPECT_EQ(FigureText(52'800'000.0 + 1e-3, 2), "52800000");
    EXPECT_EQ(FigureText(52'800'000.5, 2), "52800000.50");
    EXPECT_EQ(FigureDecimals(1e300, 2), 0);
    EXPECT_EQ(FigureText(1e300, 2).size(), 301U);
}

TEST(NumberText, OrdinalsTakeTheirEnglishEndings) {
    // The teens take "th" at every hundred, not only the first.
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0th"},     {1, "1st"},       {2, "2nd"},      {3, "3rd"},     {4, "4th"},
        {11, "11th"},   {12, "12th"},     {13, "13th"},    {21, "21st"},   {22, "22nd"},
        {23, "23rd"},   {62, "62nd"},     {100, "100th"},  {101, "101st"}, {111, "111th"},
        {112, "112th"}, {1013, "1013th"}, {1021, "1021st"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(OrdinalText(value), text);
    }
}

} // namespace
} // namespace quarrow
