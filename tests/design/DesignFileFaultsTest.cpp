// KiCad and IPC-D-356 files that are refused: each fault is one message naming
// the file, the line and column, and what is wrong. The files and their
// messages are in kicad/data/kicad-faults.txt and ipc/data/ipc-faults.txt.
#include <gtest/gtest.h>

#include "design/files/ipc/IpcNetlistReader.h"
#include "design/files/kicad/KicadBoardReader.h"
#include "design/files/kicad/KicadNetlistReader.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

TEST(DesignFileFaults, EachFaultIsNamedWithItsPlace) {
    for (const char* table :
         {"design/kicad/data/kicad-faults.txt", "design/ipc/data/ipc-faults.txt"})
        for (const auto& row : ReadDataCases(table)) {
            std::string fault = "read without error";
            try {
                if (row.expected.starts_with("bad.net:"))
                    ReadKicadNetlist(row.input, "bad.net");
                else if (row.expected.starts_with("bad.ipc:"))
                    ReadIpcNetlist(row.input, "bad.ipc");
                else
                    ReadKicadBoard(row.input, "bad.kicad_pcb");
            } catch (const DesignFileError& error) {
                fault = error.what();
            }
            EXPECT_EQ(fault, row.expected) << table << ":" << row.line;
        }
}

}  // namespace
}  // namespace netlist::test
