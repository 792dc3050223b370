#include "search/alphabet.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace quarrow {
namespace {

TEST(RandomSymbol, ValuesMapOntoTheAlphabetAtTheBoundaries) {
    EXPECT_EQ(SymbolForValue(0.0f), 'A');
    EXPECT_EQ(SymbolForValue(1.0f / 27.0f + 1e-6f), 'B');
    EXPECT_EQ(SymbolForValue(25.0f / 27.0f + 1e-6f), 'Z');
    EXPECT_EQ(SymbolForValue(25.999f / 27.0f), 'Z');
    EXPECT_EQ(SymbolForValue(26.0f / 27.0f + 1e-6f), ' ');
    EXPECT_EQ(SymbolForValue(std::nextafter(1.0f, 0.0f)), ' ');
}

TEST(RandomSymbol, EverySymbolTurnsUpEquallyOften) {
    Generator generator;
    std::array<int, kAlphabetSize> counts{};
    const int draws = 27 * 20'000;
    for (int i = 0; i < draws; ++i) {
        const char symbol = RandomSymbol(generator);
        ASSERT_TRUE(IsAlphabetSymbol(symbol)) << int(symbol);
        ++counts[symbol == ' ' ? 26 : static_cast<std::size_t>(symbol - 'A')];
    }
    double chiSquare = 0.0;
    const double expected = draws / double(kAlphabetSize);
    for (const int count : counts) {
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 54.05); // 26 degrees of freedom, p = 0.001
}

TEST(RandomString, HasTheAskedLengthAndDrawsOneValuePerSymbol) {
    Generator generator;
    EXPECT_EQ(RandomString(generator, 0), "");
    EXPECT_EQ(RandomString(generator, -5), "");
    Generator untouched;
    RandomString(untouched, 0);
    RandomString(untouched, -1);
    EXPECT_EQ(untouched.State(), Generator().State());

    Generator a;
    Generator b;
    const std::string text = RandomString(a, 50);
    ASSERT_EQ(text.size(), 50U);
    for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_TRUE(IsAlphabetSymbol(text[i]));
        EXPECT_EQ(text[i], RandomSymbol(b)) << "draw " << i << " is out of order";
    }
    EXPECT_EQ(a.State(), b.State());
}

TEST(MatchCount, CountsEqualPositionsOverTheTarget) {
    EXPECT_EQ(MatchCount("SELECTOR", "SELECTOR"), 8U);
    EXPECT_EQ(MatchCount("ABC", "ABD"), 2U);
    EXPECT_EQ(MatchCount("abc", "ABC"), 0U);
    EXPECT_EQ(MatchCount("ABC", ""), 0U);
    EXPECT_EQ(MatchCount("AB", "ABC"), 2U);
    EXPECT_EQ(MatchCount("ABCDEF", "ABC"), 3U);
    EXPECT_EQ(MatchCount("", "ABC"), 0U);
}

TEST(Alphabet, FindsTheFirstForeignCharacter) {
    EXPECT_EQ(FirstForeignSymbol("HELLO WORLD"), std::nullopt);
    EXPECT_EQ(FirstForeignSymbol(""), std::nullopt);
    EXPECT_EQ(FirstForeignSymbol("HELLo"), 4U);
    EXPECT_EQ(FirstForeignSymbol("A1B"), 1U);
}

} // namespace
} // namespace quarrow
