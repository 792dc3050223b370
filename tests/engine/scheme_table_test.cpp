#include "engine/scheme.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace quarrow {
namespace {

// What the compiler cannot tell of a row: that it tells its scheme apart from every other one
// everywhere the program shows or reads schemes.
TEST(SchemeTableTest, EveryRowTellsItsSchemeApart) {
    for (std::size_t i = 0; i < kSchemeTable.size(); ++i) {
        const SchemeDescriptor& row = kSchemeTable[i];
        SCOPED_TRACE(std::string(row.key));
        // The page, the help and the lab count the schemes from 1 in the table's order, and
        // the caption starts with that number.
        EXPECT_EQ(row.number, static_cast<int>(i) + 1);
        EXPECT_EQ(std::string(row.caption).rfind(std::to_string(row.number) + ": ", 0), 0U);
        EXPECT_FALSE(row.rule.empty());
        EXPECT_FALSE(row.key.empty());
        for (const char c : row.key) {
            EXPECT_TRUE(std::islower(static_cast<unsigned char>(c)) != 0) << row.key;
        }
        EXPECT_EQ(SchemeWithKey(row.key), row.scheme);
        EXPECT_LE(row.colour, 0xFFFFFFU);
        for (std::size_t j = i + 1; j < kSchemeTable.size(); ++j) {
            const SchemeDescriptor& other = kSchemeTable[j];
            EXPECT_NE(row.key, other.key);
            EXPECT_NE(row.caption, other.caption);
            EXPECT_NE(row.helpTopic, other.helpTopic);
            // The charts tell the schemes apart by colour, and in grey print by hatching.
            EXPECT_NE(row.colour, other.colour) << other.key;
            EXPECT_NE(row.hatching, other.hatching) << other.key;
        }
    }
}

} // namespace
} // namespace quarrow
