// Control characters shown as "?" on the terminal. (In the report: the
// writer's tests; both: the report round trip.)
#include <gtest/gtest.h>

#include "design/ControlCharacters.h"
#include "platform/Windows1252.h"

namespace netlist::test {
namespace {

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
    // The bytes Windows-1252 leaves unassigned convert to C1 controls: they
    // are control characters in a report as much as on a terminal.
    for (const char byte : std::string("\x7F\x81\x8D\x8F\x90\x9D")) {
        EXPECT_TRUE(IsControlByte(byte));
        EXPECT_EQ(TerminalText(Windows1252ToUtf8(std::string(1, byte))), "?")
            << static_cast<int>(static_cast<unsigned char>(byte));
    }
}

}  // namespace
}  // namespace netlist::test
