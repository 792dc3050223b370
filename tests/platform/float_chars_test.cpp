#include "platform/float_chars.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

// The stand-ins through the C library must give the very texts and values of the standard
// library's own conversions, which this build has: they are checked against them here.

namespace quarrow {
namespace {

template <typename... Format> std::string StdText(double value, Format... format) {
    std::string text(1000, '\0');
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value, format...);
    text.resize(static_cast<std::size_t>(written.ptr - text.data()));
    return text;
}

double FromBits(std::uint64_t bits) {
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t Bits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

/// Values where conversions go wrong: the ends of the range, subnormals, powers of ten and two
/// and their neighbours, exact halves, whole numbers past 2^53, floats widened, and random bit
/// patterns and decimals.
std::vector<double> Values(int randomCount) {
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kMin = std::numeric_limits<double>::min();
    constexpr double kTrue = std::numeric_limits<double>::denorm_min();
    std::vector<double> values = {0.0,
                                  kMax,
                                  kMin,
                                  kTrue,
                                  2 * kTrue,
                                  kMin - kTrue,
                                  std::nextafter(kMax, 0.0),
                                  static_cast<double>(std::numeric_limits<float>::max()),
                                  static_cast<double>(std::numeric_limits<float>::min()),
                                  static_cast<double>(std::numeric_limits<float>::denorm_min()),
                                  0.1,
                                  0.3,
                                  2.5,
                                  0.125,
                                  1.5,
                                  9007199254740992.0,
                                  9007199254740993.0,
                                  123456789012345678901.0,
                                  1.2345678901234567e20,
                                  5e-324,
                                  1e23,
                                  8.41e21,
                                  5.5e-5,
                                  9.5,
                                  0.05,
                                  999999.5};
    for (int power = -325; power <= 309; ++power) {
        const double ten = std::pow(10.0, power);
        values.insert(values.end(), {ten, std::nextafter(ten, 0.0), std::nextafter(ten, kMax)});
    }
    for (int power = -1074; power <= 1023; power += 7) {
        values.push_back(std::ldexp(1.0, power));
    }
    for (int half = 1; half < 60; ++half) {
        // Whole numbers and a half, and odd multiples of small powers of two: exact ties.
        values.push_back(half + 0.5);
        values.push_back(std::ldexp(2.0 * half + 1.0, -half));
    }
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> digits(1, 17);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < randomCount; ++i) {
        const double bits = FromBits(random() & 0x7fefffffffffffffULL);
        values.push_back(std::isfinite(bits) ? bits : 1.0);
        const auto whole = static_cast<double>(random() % 100'000'000'000'000'000ULL);
        values.push_back(whole / std::pow(10.0, digits(random)) * std::pow(10.0, exponent(random)));
        float single = 0.0f;
        const auto singleBits = static_cast<std::uint32_t>(random() & 0x7f7fffffU);
        std::memcpy(&single, &singleBits, sizeof single);
        values.push_back(static_cast<double>(single));
    }
    std::vector<double> signedValues = values;
    for (const double value : values) {
        signedValues.push_back(-value);
    }
    return signedValues;
}

TEST(FloatChars, FallbackWritesTheStandardTexts) {
    const std::vector<double> values = Values(4000);
    for (const double value : values) {
        ASSERT_EQ(detail::ShortestCharsFallback(value), StdText(value)) << Bits(value);
        for (int precision = 0; precision <= 17; ++precision) {
            ASSERT_EQ(detail::ScientificCharsFallback(value, precision),
                      StdText(value, std::chars_format::scientific, precision))
                << Bits(value) << " " << precision;
        }
        for (int precision = 1; precision <= 17; ++precision) {
            ASSERT_EQ(detail::GeneralCharsFallback(value, precision),
                      StdText(value, std::chars_format::general, precision))
                << Bits(value) << " " << precision;
        }
        if (std::fabs(value) < 1e30) {
            for (int precision = 0; precision <= 20; ++precision) {
                ASSERT_EQ(detail::FixedCharsFallback(value, precision),
                          StdText(value, std::chars_format::fixed, precision))
                    << Bits(value) << " " << precision;
            }
        }
    }
    for (const double special :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN(), -0.0}) {
        EXPECT_EQ(detail::ShortestCharsFallback(special), StdText(special));
        EXPECT_EQ(detail::ScientificCharsFallback(special, 3),
                  StdText(special, std::chars_format::scientific, 3));
        EXPECT_EQ(detail::FixedCharsFallback(special, 3),
                  StdText(special, std::chars_format::fixed, 3));
        EXPECT_EQ(detail::GeneralCharsFallback(special, 6),
                  StdText(special, std::chars_format::general, 6));
    }
    // The largest double in full.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(detail::FixedCharsFallback(largest, 2),
              StdText(largest, std::chars_format::fixed, 2));
}

void ExpectSameReading(const std::string& text) {
    constexpr double kUntouched = -12345.5;
    double expected = kUntouched;
    double read = kUntouched;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto want = std::from_chars(first, last, expected);
    const auto got = detail::ReadCharsFallback(first, last, read);
    EXPECT_EQ(got.ec, want.ec) << '"' << text << '"';
    EXPECT_EQ(got.ptr - first, want.ptr - first) << '"' << text << '"';
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(read)) << '"' << text << '"';
        EXPECT_EQ(std::signbit(read), std::signbit(expected)) << '"' << text << '"';
    } else {
        EXPECT_EQ(Bits(read), Bits(expected)) << '"' << text << '"';
    }
}

TEST(FloatChars, FallbackReadsAsTheStandardReading) {
    const std::vector<std::string> texts = {"",
                                            "-",
                                            "+1",
                                            " 1",
                                            "\t1",
                                            "1 ",
                                            ".",
                                            "-.",
                                            ".5",
                                            "5.",
                                            "-0",
                                            "0",
                                            "00012",
                                            "1e",
                                            "1e+",
                                            "1e-",
                                            "1E5",
                                            "1e+05x",
                                            "2.5.6",
                                            "0x1p3",
                                            "0X10",
                                            "-0x1",
                                            "inf",
                                            "-INF",
                                            "Infinity",
                                            "infinit",
                                            "nan",
                                            "-nan",
                                            "NaN(123_ab)",
                                            "nan(",
                                            "nan(1",
                                            "1e309",
                                            "-1e309",
                                            "1e-400",
                                            "-1e-400",
                                            "0e999999",
                                            "0.0000e-999",
                                            "2e-324",
                                            "3e-324",
                                            "2.4703282292062328e-324",
                                            "2.4703282292062327e-324",
                                            "4.9406564584124654e-324",
                                            "2.2250738585072011e-308",
                                            "1.7976931348623157e308",
                                            "1.7976931348623158e308",
                                            "1.7976931348623159e308",
                                            "9007199254740993",
                                            "9007199254740993.0000000000000000000001",
                                            "1e99999999999999999999",
                                            "1e-99999999999999999999",
                                            std::string(800, '9'),
                                            "0." + std::string(800, '0') + "1",
                                            std::string(400, '1') + "e-500",
                                            "1" + std::string(308, '0'),
                                            "1" + std::string(309, '0')};
    for (const std::string& text : texts) {
        ExpectSameReading(text);
    }
    // The texts of many values, and the same values with extra digits and cut short.
    for (const double value : Values(2000)) {
        const std::string shortest = StdText(value);
        ExpectSameReading(shortest);
        ExpectSameReading(StdText(value, std::chars_format::scientific, 25));
        ExpectSameReading(shortest.substr(0, shortest.size() / 2));
    }
}

TEST(FloatChars, PublicFunctionsAreTheStandardOnesHere) {
    EXPECT_EQ(ShortestChars(0.1), "0.1");
    EXPECT_EQ(ShortestChars(1e22), "1e+22");
    EXPECT_EQ(ScientificChars(1234.5, 2), "1.23e+03");
    EXPECT_EQ(FixedChars(2.5, 0), "2");
    EXPECT_EQ(GeneralChars(0.0000152, 6), "1.52e-05");
    double value = 0.0;
    const std::string text = "1.5e3 and more";
    const auto read = ReadChars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(read.ptr - text.data(), 5);
    EXPECT_EQ(value, 1500.0);
}

} // namespace
} // namespace quarrow
