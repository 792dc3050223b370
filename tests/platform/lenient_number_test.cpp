#include "platform/lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quarrow {
namespace {

TEST(LenientNumber, ReadsTheLeadingNumberAndSkipsBlanksAnywhere) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"2.5", 2.5},        {"3.5", 3.5},    {"12abc", 12.0},   {" 1 2 ", 12.0},   {"-3", -3.0},
        {"1e2", 100.0},      {"1E+2", 100.0}, {"", 0.0},         {"abc", 0.0},      {"500", 500.0},
        {"\t5\n0 0", 500.0}, {"+7", 7.0},     {".5", 0.5},       {"5.", 5.0},       {"1e", 1.0},
        {"1e+", 1.0},        {"- 4", -4.0},   {"2.5.6", 2.5},    {"-", 0.0},        {".", 0.0},
        {"1,000", 1.0},      {"0x10", 0.0},   {"1 e 3", 1000.0}, {"12abc34", 12.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ReadLenientNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(LenientNumber, NumbersBeyondTheDoubleRangeReadAsInfiniteOrZero) {
    EXPECT_TRUE(std::isinf(ReadLenientNumber("1e999")));
    EXPECT_LT(ReadLenientNumber("-1e999"), 0.0);
    EXPECT_EQ(ReadLenientNumber("1e-999"), 0.0);
    // The size follows from the digits as well as the exponent.
    const std::string zeros(400, '0');
    EXPECT_EQ(ReadLenientNumber("0." + zeros + "1"), 0.0);
    EXPECT_EQ(ReadLenientNumber("-0." + zeros + "1e5"), 0.0);
    EXPECT_TRUE(std::isinf(ReadLenientNumber("1" + zeros + "e-10")));
    EXPECT_TRUE(std::isinf(ReadLenientNumber("0.00001" + zeros + "e99999999999999999999999")));
    EXPECT_EQ(ReadLenientNumber("1" + zeros + "e-99999999999999999999999"), 0.0);
}

TEST(LenientNumber, LongTextsReadByTheirValue) {
    const std::string zeros(400, '0');
    EXPECT_EQ(ReadLenientNumber("1" + zeros + "e-398"), 100.0);
    EXPECT_EQ(ReadLenientNumber("0." + zeros + "25e402"), 25.0);
    EXPECT_EQ(ReadLenientNumber("2.5" + zeros + "1"), 2.5); // nearest double is 2.5
    // Halfway between 1 and the next double, and a hair above: correctly rounded both ways.
    EXPECT_EQ(ReadLenientNumber("1.00000000000000011102230246251565404236316680908203125"), 1.0);
    EXPECT_GT(
        ReadLenientNumber("1.00000000000000011102230246251565404236316680908203125" + zeros + "1"),
        1.0);
}

TEST(LenientNumber, OnlySpacesTabsAndLineFeedsAreSkipped) {
    EXPECT_EQ(ReadLenientNumber("1\r2"), 1.0);
    EXPECT_EQ(ReadLenientNumber("\r12"), 0.0);
    EXPECT_EQ(ReadLenientNumber(" 1\t2\n3 "), 123.0);
}

TEST(LenientNumber, HalvesRoundToTheEvenNeighbour) {
    struct Case {
        double value;
        double rounded;
    };
    const Case cases[] = {{2.5, 2.0},   {3.5, 4.0},    {0.5, 0.0},    {1.5, 2.0},   {-2.5, -2.0},
                          {-3.5, -4.0}, {2.4999, 2.0}, {2.5001, 3.0}, {-0.4, -0.0}, {7.0, 7.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    }
}

} // namespace
} // namespace quarrow
