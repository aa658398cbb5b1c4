#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "design/files/FileBytes.h"
#include "tests/support/TestFiles.h"

namespace netlist {
namespace {

// A design file that another program cuts short while it is parsed in place
// must end the run with a message and the design-file exit code, not a crash.
TEST(FileBytesDeathTest, AFileCutShortWhileReadEndsTheRunWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    testing::ScratchFolder folder;
    const std::filesystem::path path = folder.path() / "board.kicad_pcb";
    testing::WriteBytes(path, std::string(64 * 1024, '('));
    EXPECT_EXIT(
        {
            const FileBytes bytes = FileBytes::read(path);
            std::filesystem::resize_file(path, 0);
            volatile char past = bytes.view()[32 * 1024];
            (void)past;
            std::exit(0);
        },
        ::testing::ExitedWithCode(kDesignFileFaultExitCode),
        "board.kicad_pcb: the file changed while it was being read, and no report was written");
}

}  // namespace
}  // namespace netlist
