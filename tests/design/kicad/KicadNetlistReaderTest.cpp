#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/files/kicad/KicadNetlistReader.h"
#include "tests/design/kicad/KicadTestSupport.h"

namespace netlist {
namespace {

using kicadtest::NetNames;
using kicadtest::Pins;
using ::testing::ElementsAre;

std::string ErrorOf(std::string_view content) {
    try {
        ReadKicadNetlist(content, "bad.net");
    } catch (const DesignFileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "read without error: " << content;
    return {};
}

std::vector<std::int32_t> Ids(const DesignData& design) {
    std::vector<std::int32_t> ids;
    for (const DesignNet& net : design.nets) ids.push_back(net.id);
    return ids;
}

// The version files' reports are golden (tests/report/golden/kicad-netlist_*.wrf); what a
// report does not show is checked here: ids, and each part's pad count.
TEST(KicadNetlist, NetsWithoutCodesTakeTheLowestFreeNumbers) {
    const DesignData design = ReadKicadNetlist(
        "(export (version \"E\") (nets\n"
        "  (net (name \"A\") (node (ref \"R1\") (pin \"1\")))\n"
        "  (net (code \"2\") (name \"B\"))\n"
        "  (net (name \"C\"))\n"
        "  (net (code \"1\") (name \"D\"))\n"
        "  (net (name \"A\") (node (ref \"R2\") (pin \"1\")))\n"
        "  (net (code \"9\") (name \"\") (node (ref \"R3\") (pin \"1\")))))",
        "codes.net");
    EXPECT_THAT(NetNames(design), ElementsAre("A", "B", "C", "D"));
    EXPECT_THAT(Ids(design), ElementsAre(3, 2, 4, 1));
    // Two lists of one name are one net.
    EXPECT_THAT(Pins(design.nets[0]), ElementsAre("R1-1", "R2-1"));
}

TEST(KicadNetlist, ALibraryPartWithoutPinsGivesNoPads) {
    // A later version, with a section this reader does not know.
    const DesignData design = ReadKicadNetlist(
        "(export (version \"F\") (future (x))\n"
        "  (components (comp (ref \"H1\") (libsource (lib \"Mechanical\") (part \"Hole\"))))\n"
        "  (libparts (libpart (lib \"Mechanical\") (part \"Hole\")))\n"
        "  (nets (net (code \"1\") (name \"X\") (node (ref \"H1\") (pin \"1\")))))",
        "hole.net");
    ASSERT_EQ(design.components.size(), 1u);
    EXPECT_EQ(design.components[0].padCount, 0);
}

TEST(KicadNetlist, FaultsNameTheFileLineAndColumn) {
    EXPECT_EQ(ErrorOf("(export (nets\n (net (code \"1\") (name \"A\"))\n"
                      " (net (code \"1\") (name \"B\"))))"),
              "bad.net: line 3, column 2: net code 1 is given to \"A\" already");
    EXPECT_EQ(ErrorOf("(export (nets (net (code \"one\") (name \"A\"))))"),
              "bad.net: line 1, column 26: a net code must be a whole number from 0 to "
              "2147483647, found \"one\"");
    EXPECT_EQ(ErrorOf("(kicad_pcb)"),
              "bad.net: line 1, column 1: expected a KiCad netlist export, starting with "
              "\"(export\"");
}

}  // namespace
}  // namespace netlist
