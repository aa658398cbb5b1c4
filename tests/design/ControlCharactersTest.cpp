// Control characters shown as "?" on the terminal. (In the report: the
// writer's tests; both: the report round trip.)
#include <gtest/gtest.h>

#include "design/ControlCharacters.h"
#include "platform/Windows1252.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

TEST(ControlCharacters, NeverReachTheTerminal) {
    for (const auto& row : ReadDataCases("design/data/terminal-texts.txt"))
        EXPECT_EQ(TerminalText(row.input), row.expected) << "terminal-texts.txt:" << row.line;
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
