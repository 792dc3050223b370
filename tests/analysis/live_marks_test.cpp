#include "analysis/live_marks.h"

#include "engine/exact_law.h"
#include "engine/selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarrow::testing {
namespace {

// One mark a letter, whatever the two strings' lengths: a letter past the target's end is never
// right, and a letter past the parent's end counts as changed.
TEST(LiveMarks, MarkEachLetterAsTheViewShowsIt) {
    EXPECT_EQ(ParentMarks("HEXLO", "HELLO"), "rrkrr");
    EXPECT_EQ(ParentMarks("HELLO!", "HELLO"), "rrrrrk");
    EXPECT_EQ(ChildMarks("HEYLQ", "HEXLO", "HELLO"), "rrcrc");
    EXPECT_EQ(ChildMarks("HEXLO", "HEX", "HELLO"), "rrkrr");
    EXPECT_EQ(ChildMarks("QQ", "", "AB"), "cc");
    // Locked letters go first; a later letter equal to the scored-against string's is a hit.
    EXPECT_EQ(PrefixMarks("HELZZB", 3, "QQQZXB"), "lllrkr");
    EXPECT_EQ(PrefixMarks("AB", 5, "AB"), "ll");
}

std::vector<OffspringRow> Rows(std::size_t count, std::size_t matched) {
    return std::vector<OffspringRow>(count, OffspringRow{"X", matched, 0});
}

TEST(LiveMarks, TheLastOffspringIsTheNextParentAndABetterOneIsPassedOver) {
    std::vector<OffspringRow> rows = Rows(kOffspringPerGeneration, 3);
    rows[4].matched = 5;
    rows[7].matched = 2;
    EXPECT_EQ(FateOf(Scheme::Serial, 19, rows), OffspringFate::NextParent);
    EXPECT_EQ(FateOf(Scheme::Serial, 4, rows), OffspringFate::PassedOver);
    EXPECT_EQ(FateOf(Scheme::Attenuating, 7, rows), OffspringFate::Dropped);
    EXPECT_EQ(FateOf(Scheme::Serial, 0, rows), OffspringFate::Dropped);
    // The growing prefix passes nobody over, and a generation cut short has no next parent to
    // be passed over for.
    EXPECT_EQ(FateOf(Scheme::Sequential, 4, rows), OffspringFate::Dropped);
    std::vector<OffspringRow> cut = Rows(6, 1);
    cut[2].matched = 4;
    EXPECT_EQ(FateOf(Scheme::Serial, 2, cut), OffspringFate::Dropped);
}

TEST(LiveMarks, PlacesNameOnlyAFewPlacesOfALongString) {
    const RightAndWrong few = PlacesOf("HEXLQ", "HELLO");
    EXPECT_EQ(few.right, 3U);
    EXPECT_EQ(few.wrong, 2U);
    EXPECT_EQ(few.fewWrong, (std::vector<std::size_t>{2, 4}));
    // A string shorter than the target: its missing places are wrong.
    EXPECT_EQ(PlacesOf("HE", "HELLO").wrong, 3U);
    const std::string target(1000, 'A');
    const RightAndWrong many = PlacesOf(std::string(1000, 'B'), target);
    EXPECT_EQ(many.wrong, 1000U);
    EXPECT_EQ(many.fewWrong.size(), RightAndWrong::kMostPlacesNamed + 1);
}

TEST(LiveMarks, WhereARunFallsIsAWholePercentageButNeverARounded0Or100) {
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential}) {
        SCOPED_TRACE(static_cast<int>(scheme));
        const GenerationLaw law = GenerationLaw::ForScheme(scheme, 11);
        for (const std::int64_t generations : {1, 10, 49, 200, 100000}) {
            const RunPlace place = PlaceOfRun(scheme, 11, generations);
            EXPECT_DOUBLE_EQ(place.share, law.AtMost(generations));
            const long long percent = std::llround(place.share * 100.0);
            EXPECT_EQ(place.percent, std::to_string(percent) + "%");
            if (place.share > 0.0 && percent < 1) {
                EXPECT_EQ(place.kind, RunPlace::Kind::LessThanOne);
            } else if (place.share < 1.0 && percent > 99) {
                EXPECT_EQ(place.kind, RunPlace::Kind::MoreThan99);
            } else {
                EXPECT_EQ(place.kind, RunPlace::Kind::Percent);
            }
        }
    }
}

TEST(LiveMarks, TheDataOfARunIsARowAGenerationUnderItsSchemesHeading) {
    const std::vector<GenerationRow> rows = {{1, 3, 21}, {2, 4, 41}};
    EXPECT_EQ(GenerationRowsCsv(Scheme::Serial, rows),
              "generation,letters_right,strings\n1,3,21\n2,4,41\n");
    EXPECT_EQ(GenerationRowsCsv(Scheme::Sequential, {}), "generation,prefix_reached,strings\n");
}

} // namespace
} // namespace quarrow::testing
