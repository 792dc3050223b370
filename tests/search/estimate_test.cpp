#include "search/estimate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace quarrow {
namespace {

// A phrase length and a rate, and the four figures for them as texts: the page's, or exact ones.
struct FigureRow {
    std::int64_t length;
    std::int64_t rate;
    const char* strings;
    const char* seconds;
    const char* days;
    const char* years;
};

void ExpectFigures(const std::vector<FigureRow>& rows) {
    for (const FigureRow& row : rows) {
        const SearchSpaceTexts texts =
            DescribeSearchSpace(EstimateSearchSpace(row.length, row.rate));
        SCOPED_TRACE("length " + std::to_string(row.length));
        EXPECT_EQ(texts.stringsPerSecond, std::to_string(row.rate));
        EXPECT_EQ(texts.distinctStrings, row.strings);
        EXPECT_EQ(texts.seconds, row.seconds);
        EXPECT_EQ(texts.days, row.days);
        EXPECT_EQ(texts.years, row.years);
    }
}

TEST(SearchSpace, FiguresForEverydayPhrases) {
    // 27^L strings; days are seconds over 86,400 and years days over 365.25.
    ExpectFigures({
        {0, 20'000, "1", " 5E-05", " 5.78703703703704E-10", " 1.58440439070145E-12"},
        {1, 1, "27", " 27", " 0.0003125", " 8.55578370978782E-07"},
        {5, 20'000, "14348907", " 717.44535", " 0.008303765625", " 2.27344712525667E-05"},
        {10, 1, "205891132094649", " 205891132094649", " 2382999214.05844", " 6524296.27394507"},
        {12, 20'000, "1.50094635296999E+17", " 7504731764849.96", " 86860321.3524301",
         " 237810.599185298"},
        {28, 20'000, "1.1972515182562E+40", " 5.98625759128101E+35", " 6.92853887879747E+30",
         " 1.8969305622991E+28"},
    });
}

// The value a text shows, read in extended precision ("2.31080957811191E+1431" included).
long double ValueOf(const std::string& text) {
    return std::strtold(text.c_str(), nullptr);
}

TEST(SearchSpace, LengthsBeyondTheRangeOfADoubleKeepTheirExponent) {
    struct Row {
        // Exact to 20 digits, worked out with decimal arithmetic outside this program.
        FigureRow exact;
        const char* exponents[4];
    };
    const std::vector<Row> rows = {
        {{215, 20'000, "5.53616842674447496906E+307", "2.76808421337223748453E+303",
          "3.20380117288453412561E+298", "8.77152956299667111735E+295"},
         {"E+307", "E+303", "E+298", "E+295"}},
        {{216, 1, "1.49476547522100824165E+309", "1.49476547522100824165E+309",
          "1.73005263335764842783E+304", "4.73662596401820240337E+301"},
         {"E+309", "E+309", "E+304", "E+301"}},
        {{216, 20'000, "1.49476547522100824165E+309", "7.47382737610504120823E+304",
          "8.65026316678824213915E+299", "2.36831298200910120168E+297"},
         {"E+309", "E+304", "E+299", "E+297"}},
        {{1000, 20'000, "2.31080957811190927269E+1431", "1.15540478905595463635E+1427",
          "1.33727406140735490318E+1422", "3.66125684163546859187E+1419"},
         {"E+1431", "E+1427", "E+1422", "E+1419"}},
    };
    for (const auto& [row, exponents] : rows) {
        const SearchSpaceTexts texts =
            DescribeSearchSpace(EstimateSearchSpace(row.length, row.rate));
        SCOPED_TRACE("length " + std::to_string(row.length));
        const std::string shown[4] = {texts.distinctStrings, texts.seconds, texts.days,
                                      texts.years};
        const char* exact[4] = {row.strings, row.seconds, row.days, row.years};
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(shown[i].ends_with(exponents[i])) << shown[i];
            EXPECT_EQ(shown[i].front(), i == 0 ? exact[i][0] : ' ') << shown[i];
            // 15 significant digits, right to the last but one (a 64-bit mantissa may round
            // the last digit either way).
            const long double ratio = ValueOf(shown[i]) / ValueOf(exact[i]);
            EXPECT_NEAR(static_cast<double>(ratio), 1.0, 2e-14) << shown[i] << " vs " << exact[i];
            EXPECT_LE(shown[i].size(),
                      std::string(" 1.23456789012345").size() + std::string(exponents[i]).size());
        }
    }
}

TEST(SearchSpace, VeryLongPhrasesKeepAllFifteenDigits) {
    // Rounded from 60-digit decimal powers and quotients worked out outside this program.
    ExpectFigures({
        {100'000, 20'000, "2.37911753945298E+143136", " 1.18955876972649E+143132",
         " 1.37680413162788E+143127", " 3.76948427550412E+143124"},
        {1'000'000, 20'000, "5.80977063733553E+1431363", " 2.90488531866776E+1431359",
         " 3.3621357854951E+1431354", " 9.20502610676275E+1431351"},
        {10'000'000, 3, "4.38116765894195E+14313637", " 1.46038921964732E+14313637",
         " 1.69026530051773E+14313632", " 4.62769418348454E+14313629"},
        {2000, 7, "5.33984090629374E+2862", " 7.6283441518482E+2861", " 8.82910202760208E+2856",
         " 2.417276393594E+2854"},
        {216, 1, "1.49476547522101E+309", " 1.49476547522101E+309", " 1.73005263335765E+304",
         " 4.7366259640182E+301"},
    });
}

TEST(SearchSpace, NoRateGivesNoTimes) {
    const SearchSpaceTexts texts = DescribeSearchSpace(EstimateSearchSpace(28, 0));
    EXPECT_EQ(texts.stringsPerSecond, "0");
    EXPECT_EQ(texts.distinctStrings, "1.1972515182562E+40");
    EXPECT_EQ(texts.seconds, "");
    EXPECT_EQ(texts.days, "");
    EXPECT_EQ(texts.years, "");
    EXPECT_EQ(DescribeSearchSpace(EstimateSearchSpace(300, -1)).years, "");
}

TEST(SearchSpace, LogarithmsAgreeWithTheDirectFigures) {
    const SearchSpaceEstimate estimate = EstimateSearchSpace(28, 20'000);
    EXPECT_NEAR(static_cast<double>(estimate.log10Strings), std::log10(1.1972515182562e40), 1e-12);
    EXPECT_NEAR(static_cast<double>(estimate.log10Years), std::log10(1.8969305622991e28), 1e-12);
    EXPECT_EQ(EstimateSearchSpace(-4, 10).length, 0);
}

} // namespace
} // namespace quarrow
