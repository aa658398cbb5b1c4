#include <gtest/gtest.h>

#include "platform/Windows1252.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

TEST(Utf8ToWindows1252, OneByteForEachCharacterAndAQuestionMarkForOthers) {
    for (const auto& row : ReadDataCases("design/data/windows-1252.txt"))
        EXPECT_EQ(Utf8ToWindows1252(row.input), row.expected) << "windows-1252.txt:" << row.line;
    EXPECT_EQ(Utf8ToWindows1252(""), "");

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
