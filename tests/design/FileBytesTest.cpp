#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "design/files/DesignFileError.h"
#include "design/files/FileBytes.h"
#include "design/files/FileMapping.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

// A design file that another program cuts short while it is parsed in place
// must end the run with a message and the design-file exit code, not a crash.
TEST(FileBytesDeathTest, AFileCutShortWhileReadEndsTheRunWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    test::ScratchFolder folder;
    const std::filesystem::path path = folder.path() / "board.kicad_pcb";
    test::WriteBytes(path, std::string(64 * 1024, '('));
    EXPECT_EXIT(
        {
            EndProcessOnMappedFileCutShort("netlist-report: ", 3);
            const FileBytes bytes = FileBytes::read(path);
            std::filesystem::resize_file(path, 0);
            volatile char past = bytes.view()[32 * 1024];
            (void)past;
            std::exit(0);
        },
        ::testing::ExitedWithCode(3),
        "board.kicad_pcb: the file changed while it was being read, and no report was written");
}

#ifndef _WIN32
// A file of no known size is read up to the limit and refused past it, so that
// /dev/zero or an endless pipe cannot fill the memory; one that ends is read whole.
TEST(FileBytes, AFileOfNoKnownSizeIsReadOnlyUpToTheLimit) {
    constexpr std::uintmax_t kLimit = 1 << 20;
    try {
        FileBytes::read("/dev/zero", kLimit);
        ADD_FAILURE() << "/dev/zero was read to its end";
    } catch (const DesignFileError& error) {
        EXPECT_STREQ(error.what(), "/dev/zero: is larger than 1 MiB, more than any design file");
    }
    test::ScratchFolder folder;
    const std::filesystem::path pipe = folder.path() / "design.json";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string content(kLimit, '{');
    std::thread writer([&] { test::WriteBytes(pipe, content); });
    const FileBytes bytes = FileBytes::read(pipe, kLimit);
    writer.join();
    EXPECT_EQ(bytes.view(), content);
}
#endif

}  // namespace
}  // namespace netlist::test
