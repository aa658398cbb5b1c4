#include <gtest/gtest.h>

#include "platform/Windows1252.h"

namespace netlist::test {
namespace {

TEST(Utf8ToWindows1252, OneByteForEachCharacterAndAQuestionMarkForOthers) {
    const std::pair<const char*, const char*> cases[] = {
        {"R10-2 +3V3 ~~~", "R10-2 +3V3 ~~~"},
        {"", ""},
        {"M\xC3\xBCller \xC3\x98 5 \xC2\xB5m", "M\xFCller \xD8 5 \xB5m"},  // ü, Ø, µ
        {"\xE2\x82\xAC\xE2\x80\xA6\xC5\xBD", "\x80\x85\x8E"},              // €, …, Ž
        {"A\xE2\x86\x92"
         "B",
         "A?B"},                         // →
        {"\xCE\xA9\xE4\xB8\xAD", "??"},  // Ω, a CJK character
        {"x\xF0\x9F\x98\x80y", "x?y"},   // outside the BMP
        {"\xC3\xBC\xE2\x86\x92\xC3\xBC", "\xFC?\xFC"},
    };
    for (const auto& [utf8, converted] : cases) EXPECT_EQ(Utf8ToWindows1252(utf8), converted);

    const std::string malformed = Utf8ToWindows1252(
        "a\xFF"
        "b\xC3");
    EXPECT_EQ(malformed.front(), 'a');
    EXPECT_NE(malformed.find('b'), std::string::npos);
    EXPECT_EQ(malformed.find_first_not_of("ab?"), std::string::npos) << malformed;
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
}  // namespace netlist::test
