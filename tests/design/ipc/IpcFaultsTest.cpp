// IPC-D-356 netlists that are refused: each fault is one message naming the
// file, the line and column, and what is wrong. The files and their messages
// are in data/ipc-faults.txt.
#include <gtest/gtest.h>

#include "design/files/ipc/IpcNetlistReader.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

TEST(IpcFaults, EachFaultIsNamedWithItsPlace) {
    for (const auto& row : test::ReadDataCases("design/ipc/data/ipc-faults.txt")) {
        std::string fault = "read without error";
        try {
            ReadIpcNetlist(row.input, "bad.ipc");
        } catch (const DesignFileError& error) {
            fault = error.what();
        }
        EXPECT_EQ(fault, row.expected) << "ipc-faults.txt:" << row.line;
    }
}

}  // namespace
}  // namespace netlist::test
