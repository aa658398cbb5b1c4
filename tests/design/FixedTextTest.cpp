#include <gtest/gtest.h>

#include <cstring>

#include "design/FixedText.h"

namespace netlist {
namespace {

TEST(TrimFixedText, CutsAtTheFirstNulThenTrimsBlanks) {
    const char field[12] = {' ', ' ', 'U', '1', '2', ' ', '\0', 'x', 'y', ' ', 'z', '\0'};
    EXPECT_EQ(TrimFixedText(field), "U12");
    EXPECT_EQ(TrimFixedText(std::string_view("  A B  ")), "A B");
    EXPECT_EQ(TrimFixedText(std::string_view("\0abc", 4)), "");
    EXPECT_EQ(TrimFixedText(std::string_view("    \0abc", 8)), "");
}

TEST(TrimFixedText, KeepsTabsAndInnerBlanks) {
    EXPECT_EQ(TrimFixedText(std::string_view("\tNET 1\t ")), "\tNET 1\t");
}

TEST(TrimFixedText, AFullFieldWithoutNulIsReadWhole) {
    char field[100];
    std::memset(field, 'N', sizeof field);
    field[0] = ' ';
    EXPECT_EQ(TrimFixedText(field), std::string(99, 'N'));
}

TEST(StoreFixedText, EndsShortTextsWithNulAndFillsLongOnesWithout) {
    char field[8];
    std::memset(field, 'x', sizeof field);
    StoreFixedText(field, "abc");
    EXPECT_EQ(std::memcmp(field, "abc\0\0\0\0\0", 8), 0);
    StoreFixedText(field, "abcdefgh");
    EXPECT_EQ(std::memcmp(field, "abcdefgh", 8), 0);
    StoreFixedText(field, "abcdefghijk");
    EXPECT_EQ(std::memcmp(field, "abcdefgh", 8), 0);
    EXPECT_EQ(TrimFixedText(field), "abcdefgh");
}

}  // namespace
}  // namespace netlist
