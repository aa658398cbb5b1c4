#include <gtest/gtest.h>

#include "design/Windows1252.h"

namespace netlist {
namespace {

TEST(Utf8ToWindows1252, PlainAsciiIsUnchanged) {
    EXPECT_EQ(Utf8ToWindows1252("R10-2 +3V3 ~~~"), "R10-2 +3V3 ~~~");
    EXPECT_EQ(Utf8ToWindows1252(""), "");
}

TEST(Utf8ToWindows1252, LatinLettersAndTheExtraSymbolsBecomeOneByteEach) {
    EXPECT_EQ(Utf8ToWindows1252("M\xC3\xBCller"), "M\xFCller");            // ü
    EXPECT_EQ(Utf8ToWindows1252("\xC3\x98 5 \xC2\xB5m"), "\xD8 5 \xB5m");  // Ø, µ
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC"), "\x80");                  // €
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x80\xA6"), "\x85");                  // …
    EXPECT_EQ(Utf8ToWindows1252("\xC5\xBD"), "\x8E");                      // Ž
}

TEST(Utf8ToWindows1252, UnmappableCharactersBecomeOneQuestionMarkEach) {
    EXPECT_EQ(Utf8ToWindows1252("A\xE2\x86\x92"
                                "B"),
              "A?B");                                            // →
    EXPECT_EQ(Utf8ToWindows1252("\xCE\xA9\xE4\xB8\xAD"), "??");  // Ω, a CJK character
    EXPECT_EQ(Utf8ToWindows1252("x\xF0\x9F\x98\x80y"), "x?y");   // outside the BMP
    EXPECT_EQ(Utf8ToWindows1252("\xC3\xBC\xE2\x86\x92\xC3\xBC"), "\xFC?\xFC");
}

TEST(Utf8ToWindows1252, MalformedUtf8BecomesQuestionMarks) {
    const std::string converted = Utf8ToWindows1252(
        "a\xFF"
        "b\xC3");
    EXPECT_EQ(converted.front(), 'a');
    EXPECT_NE(converted.find('b'), std::string::npos);
    EXPECT_EQ(converted.find_first_not_of("ab?"), std::string::npos) << converted;
}

TEST(Windows1252ToUtf8, RoundTripsEveryMappedByte) {
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            continue;  // no character of their own
        const std::string single(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(single)), single) << byte;
    }
}

}  // namespace
}  // namespace netlist
