#include "platform/lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quarrow {
namespace {

TEST(LenientNumber, ReadsTheLeadingNumberAndSkipsBlanksAnywhere) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"2.5", 2.5},         {"3.5", 3.5},    {"12abc", 12.0},   {" 1 2 ", 12.0},   {"-3", -3.0},
        {"1e2", 100.0},       {"1E+2", 100.0}, {"", 0.0},         {"abc", 0.0},      {"500", 500.0},
        {"\t5\n0\r0", 500.0}, {"+7", 7.0},     {".5", 0.5},       {"5.", 5.0},       {"1e", 1.0},
        {"1e+", 1.0},         {"- 4", -4.0},   {"2.5.6", 2.5},    {"-", 0.0},        {".", 0.0},
        {"1,000", 1.0},       {"0x10", 0.0},   {"1 e 3", 1000.0}, {"12abc34", 12.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ReadLenientNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(LenientNumber, NumbersBeyondTheDoubleRangeReadAsInfiniteOrZero) {
    EXPECT_TRUE(std::isinf(ReadLenientNumber("1e999")));
    EXPECT_LT(ReadLenientNumber("-1e999"), 0.0);
    EXPECT_EQ(ReadLenientNumber("1e-999"), 0.0);
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
