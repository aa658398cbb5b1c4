// KiCad files that are refused: each fault is one message naming the file,
// the line and column, and what is wrong. The files and their messages are in
// data/kicad-faults.txt.
#include <gtest/gtest.h>

#include "design/files/kicad/KicadBoardReader.h"
#include "design/files/kicad/KicadNetlistReader.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

TEST(KicadFaults, EachFaultIsNamedWithItsPlace) {
    for (const auto& row : test::ReadDataCases("design/kicad/data/kicad-faults.txt")) {
        std::string fault = "read without error";
        try {
            if (row.expected.starts_with("bad.net:"))
                ReadKicadNetlist(row.input, "bad.net");
            else
                ReadKicadBoard(row.input, "bad.kicad_pcb");
        } catch (const DesignFileError& error) {
            fault = error.what();
        }
        EXPECT_EQ(fault, row.expected) << "kicad-faults.txt:" << row.line;
    }
}

}  // namespace
}  // namespace netlist::test
