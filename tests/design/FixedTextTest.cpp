#include <gtest/gtest.h>

#include <cstring>

#include "design/FixedText.h"

namespace netlist::test {
namespace {

TEST(FixedText, ReadUpToTheFirstNulAndTrimmedOfBlanks) {
    const char field[12] = {' ', ' ', 'U', '1', '2', ' ', '\0', 'x', 'y', ' ', 'z', '\0'};
    EXPECT_EQ(TrimFixedText(field), "U12");
    EXPECT_EQ(TrimFixedText(std::string_view("    \0abc", 8)), "");
    EXPECT_EQ(TrimFixedText(std::string_view("\tNET 1\t ")), "\tNET 1\t");
    char full[100];
    std::memset(full, 'N', sizeof full);
    full[0] = ' ';
    EXPECT_EQ(TrimFixedText(full), std::string(99, 'N')) << "a full field has no NUL";
}

TEST(FixedText, ShortTextsEndWithNulLongOnesFillTheField) {
    char field[8];
    std::memset(field, 'x', sizeof field);
    StoreFixedText(field, "abc");
    EXPECT_EQ(std::memcmp(field, "abc\0\0\0\0\0", 8), 0);
    StoreFixedText(field, "abcdefghijk");
    EXPECT_EQ(std::memcmp(field, "abcdefgh", 8), 0);
    EXPECT_EQ(TrimFixedText(field), "abcdefgh");
}

}  // namespace
}  // namespace netlist::test
