// Control characters shown as "?" wherever a text from a design goes out.
#include <gtest/gtest.h>

#include "design/ControlCharacters.h"
#include "design/Windows1252.h"

namespace netlist {
namespace {

// The bytes Windows-1252 leaves unassigned convert to C1 controls, so they
// are control characters in the report as they would be on a terminal.
TEST(ControlCharacters, AreTheC0AndC1ControlsOfWindows1252) {
    std::string controls;
    for (int byte = 0; byte < 256; ++byte)
        if (IsControlByte(static_cast<char>(byte))) controls += static_cast<char>(byte);
    EXPECT_EQ(controls.size(), 32u + 6u);
    for (const char byte : std::string("\x7F\x81\x8D\x8F\x90\x9D")) {
        EXPECT_TRUE(IsControlByte(byte));
        EXPECT_EQ(TerminalText(Windows1252ToUtf8(std::string(1, byte))), "?")
            << static_cast<int>(static_cast<unsigned char>(byte));
    }
    EXPECT_EQ(WithoutControlCharacters("A\tB\r\n\x80\xE9"), "A?B??\x80\xE9");
}

TEST(ControlCharacters, NeverReachTheTerminal) {
    const std::pair<const char*, const char*> cases[] = {
        {"x.pcb\x1B]0;PWNED\x07\x1B[2J\r", "x.pcb?]0;PWNED??[2J?"},
        {"M\xC3\xBCller \xE2\x82\xAC", "M\xC3\xBCller \xE2\x82\xAC"},  // ü and € stay
        {"\xC2\x9B"
         "2J \xC2\x85",
         "?2J ?"},  // C1: CSI, NEL
        {"\x9B"
         "2J \xC3",
         "?2J ?"},  // not UTF-8
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(TerminalText(text), shown);
}

}  // namespace
}  // namespace netlist
