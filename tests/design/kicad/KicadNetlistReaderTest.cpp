#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/files/DesignFileLoader.h"
#include "design/files/kicad/KicadNetlistReader.h"
#include "tests/design/kicad/KicadTestSupport.h"

namespace netlist {
namespace {

using kicadtest::CountPads;
using kicadtest::DataFile;
using kicadtest::NetNamed;
using kicadtest::NetNames;
using kicadtest::PadTotals;
using kicadtest::Pins;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

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

TEST(KicadNetlist, Version6ExportMapsToASchematic) {
    const DesignData design = LoadDesignFile(DataFile("netlist_v6.net"));
    EXPECT_EQ(design.kind, DesignKind::Sch);
    EXPECT_EQ(design.designPath, DataFile("netlist_v6.net").string());
    // The root sheet's title block, though a sub-sheet is listed first.
    EXPECT_EQ(design.title, "Amplifier");
    EXPECT_EQ(design.revision, "1.2");
    EXPECT_EQ(design.engineer, "Ohm & S\xF6hne");
    EXPECT_THAT(design.layers, IsEmpty());

    ASSERT_EQ(design.components.size(), 4u);
    EXPECT_EQ(design.components[0].refDes, "R1");
    EXPECT_EQ(design.components[0].padCount, 2);  // Device:R lists two pins
    EXPECT_EQ(design.components[1].refDes, "U1");
    EXPECT_EQ(design.components[1].padCount, 8);  // found through an alias
    // No library part: the distinct pins the nets give it (pin 2 twice).
    EXPECT_EQ(design.components[2].refDes, "C1");
    EXPECT_EQ(design.components[2].padCount, 2);
    EXPECT_EQ(design.components[3].refDes, "J1");  // no libsource at all
    EXPECT_EQ(design.components[3].padCount, 2);
    EXPECT_EQ(CountPads(design), (PadTotals{14, 14, 0}));

    EXPECT_THAT(NetNames(design),
                ElementsAre("GND", "/VCC", "Net-(R1-Pad1)", "unconnected-(U1-Pad5)", "/\xB5-?"));
    EXPECT_THAT(Ids(design), ElementsAre(1, 2, 5, 6, 7));
    EXPECT_THAT(Pins(NetNamed(design, "GND")), ElementsAre("C1-2", "R1-2", "U1-4"));
    EXPECT_THAT(Pins(NetNamed(design, "/VCC")), ElementsAre("C1-1", "U1-8", "J1-1"));
    EXPECT_EQ(NetNamed(design, "unconnected-(U1-Pad5)").nodeCount, 1);
    for (const DesignNet& net : design.nets) EXPECT_EQ(net.length, 0) << net.name;
}

TEST(KicadNetlist, Version5ExportWithBareSymbolsLoads) {
    const DesignData design = LoadDesignFile(DataFile("netlist_v5.net"));
    EXPECT_EQ(design.title, "LED blinker");
    EXPECT_EQ(design.revision, "4");
    EXPECT_EQ(design.engineer, "");  // (company) without a value
    EXPECT_EQ(CountPads(design), (PadTotals{4, 4, 0}));
    EXPECT_THAT(Ids(design), ElementsAre(1, 2, 3));
    EXPECT_THAT(Pins(NetNamed(design, "Net-(D1-Pad2)")), ElementsAre("R1-2", "D1-2"));
}

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
    EXPECT_EQ(ErrorOf("(export (nets (net (name \"A\"\n"),
              "bad.net: line 1, column 20: list not closed: the text ends before its ')' (4 "
              "lists are open)");
}

}  // namespace
}  // namespace netlist
