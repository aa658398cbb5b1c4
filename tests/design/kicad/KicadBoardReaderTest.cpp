#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/files/DesignFileLoader.h"
#include "design/files/kicad/KicadBoardReader.h"
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
using ::testing::HasSubstr;

DesignData Board(std::string_view name) {
    return LoadDesignFile(DataFile(name));
}

// A board made of the given items after a two-net table.
std::string BoardWith(std::string_view items) {
    return "(kicad_pcb (version 20211014) (generator pcbnew)\n"
           "  (net 0 \"\") (net 1 \"GND\") (net 2 \"SIG\")\n" +
           std::string(items) + "\n)";
}

std::string ErrorOf(std::string_view content) {
    try {
        ReadKicadBoard(content, "bad.kicad_pcb");
    } catch (const DesignFileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "read without error: " << content;
    return {};
}

std::vector<std::int32_t> LayerTypes(const DesignData& design) {
    std::vector<std::int32_t> types;
    for (const DesignLayer& layer : design.layers) types.push_back(layer.type);
    return types;
}

// The version files' reports are golden (tests/report/golden/kicad-*.wrf), and so is
// kicad-odd-items: nets keyed by name, unconnected nets, unknown items. What a
// report does not show is checked here: ids, unrounded lengths and the layers' types.
TEST(KicadBoard, Version6MapsTitleBlockLayersFootprintsAndNets) {
    const DesignData design = Board("board_v6.kicad_pcb");
    EXPECT_EQ(design.designPath, DataFile("board_v6.kicad_pcb").string());
    EXPECT_EQ(design.engineer, "Ohm & S\xF6hne");  // the company line, in Windows-1252
    // Copper layers by their type; every other layer is of a kind not counted.
    EXPECT_THAT(LayerTypes(design), ElementsAre(0, 1, 1, 0, 2, 2, 2, 2));
    EXPECT_EQ(design.components[1].bottomSide, 1);
    EXPECT_EQ(design.nets[0].id, 1);
    // A quarter circle of radius 10 mm (1570796.33 units) and a 0.4-unit
    // stub: the sum is rounded, not each piece.
    EXPECT_EQ(design.nets[0].length, 1570797);
    EXPECT_EQ(NetNamed(design, "/SIG").length, 1100000);  // the via and net-0 track add nothing
    EXPECT_EQ(NetNamed(design, "unconnected-(U1-Pad4)").id, 7);  // codes with gaps stay
}

TEST(KicadBoard, LaterVersionsNumberAndMeasureAlike) {
    // From 0 degrees through 180 to 90: three quarters of radius 2 mm, not the
    // quarter that the shorter way would give.
    EXPECT_EQ(NetNamed(Board("board_v7.kicad_pcb"), "MAJOR").length, 942478);
    // KiCad 9 numbers B.Cu 2 and inner layers 4, 6, ...; ordinal 31, which was
    // B.Cu, is now the front courtyard. The arc is written to six decimals.
    const DesignData v9 = Board("board_v9.kicad_pcb");
    EXPECT_EQ(v9.layers[14].name, "F.CrtYd");
    EXPECT_GE(v9.layers[14].type, 2);
    EXPECT_EQ(NetNamed(v9, "VCC").length, 1157080);
    // Without a net table, nets are numbered by first appearance.
    const DesignData v10 = Board("board_v10.kicad_pcb");
    EXPECT_THAT(NetNames(v10), ElementsAre("SCL", "GND", "STUB_ONLY"));
    EXPECT_EQ(v10.nets[2].id, 3);
}

TEST(KicadBoard, BeforeKicad6CopperAndTheBackAreKnownByNumber) {
    // Boards whose copper layers the user renamed; footprints name their
    // layer by the user's name. From KiCad 6 on the fixed names tell.
    const struct {
        const char* version;
        const char* layers;
        const char* front;
        const char* back;
        const char* copper;
    } cases[] = {
        {"3", "(15 Front signal) (1 Inner power) (0 Back signal) (16 B.Adhes user)", "Front",
         "Back", "Front Inner Back"},
        {"4", "(0 C1F signal) (1 C2 signal hide) (2 C3 signal hide) (31 C4B signal)", "C1F", "C4B",
         "C1F C2 C3 C4B"},
        {"20171130", "(0 Top signal) (31 Bottom mixed) (37 F.SilkS user)", "Top", "Bottom",
         "Top Bottom"},
        {"20211014", "(0 \"F.Cu\" signal \"Top\") (31 \"B.Cu\" signal) (32 \"B.Adhes\" user)",
         "F.Cu", "B.Cu", "F.Cu B.Cu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        const DesignData design = ReadKicadBoard(
            std::string("(kicad_pcb (version ") + c.version + ")\n(layers " + c.layers +
                ")\n(net 0 \"\") (net 1 GND)\n(module a (layer " + c.front +
                ") (fp_text reference U1) (pad 1 smd rect (net 1 GND)) (pad 2 smd rect))\n(module "
                "b (layer " +
                c.back +
                ") (fp_text reference U2) (pad 1 smd (net 1 GND)) (pad 2 smd) (pad 3 smd)))",
            "renamed.kicad_pcb");
        std::string copper;
        for (const DesignLayer& layer : design.layers)
            if (layer.type == 0 || layer.type == 1)
                copper += (copper.empty() ? "" : " ") + layer.name;
        EXPECT_EQ(copper, c.copper);
        EXPECT_EQ(CountPads(design), (PadTotals{5, 2, 3}));
        EXPECT_THAT(Pins(NetNamed(design, "GND")), ElementsAre("U1-1", "U2-1"));
    }
}

TEST(KicadBoard, FaultsNameTheFileLineAndColumn) {
    EXPECT_EQ(ErrorOf(BoardWith("(segment (start 0 0) (end 1 0)\n  (net 9))")),
              "bad.kicad_pcb: line 4, column 3: net code 9 is not in the board's net table");
    EXPECT_EQ(ErrorOf(BoardWith("(segment (start 0 1,5) (end 1 0) (net 1))")),
              "bad.kicad_pcb: line 3, column 19: expected a number, found \"1,5\"");
    // Control bytes and quotes from the file are escaped in the message.
    EXPECT_EQ(ErrorOf(BoardWith("(segment (start 0 \"1\\\"\x1B\") (end 1 0) (net 1))")),
              "bad.kicad_pcb: line 3, column 19: expected a number, found \"1\\\"\\u001B\"");
    EXPECT_EQ(ErrorOf(BoardWith("(arc (start 0 0) (end 1 0) (net 1))")),
              "bad.kicad_pcb: line 3, column 1: (arc ...) needs (mid X Y)");
    EXPECT_EQ(ErrorOf(BoardWith("(segment (start 0) (end 1 0) (net 1))")),
              "bad.kicad_pcb: line 3, column 10: (start ...) needs a number here");
    EXPECT_EQ(ErrorOf(BoardWith("(net 2 \"OTHER\")")),
              "bad.kicad_pcb: line 3, column 1: net code 2 is given to \"SIG\" already");
    EXPECT_EQ(ErrorOf(BoardWith("(net 0 \"\") (net -1 \"X\")")),
              "bad.kicad_pcb: line 3, column 17: a net code must be a whole number from 0 to "
              "2147483647, found \"-1\"");
    EXPECT_EQ(ErrorOf(BoardWith("(footprint \"x\" (pad (at 0 0)))")),
              "bad.kicad_pcb: line 3, column 16: a pad needs a pad number");
    EXPECT_EQ(ErrorOf("(kicad_pcb (version 1)"),
              "bad.kicad_pcb: line 1, column 1: list not closed: the text ends before its ')'");
    EXPECT_EQ(ErrorOf("(kicad_pcb) (kicad_pcb)"),
              "bad.kicad_pcb: line 1, column 13: unexpected text after the end of the "
              "(kicad_pcb ...) list");
    EXPECT_EQ(ErrorOf("(kicad_sch (version 1))"),
              "bad.kicad_pcb: line 1, column 1: expected a KiCad board, starting with "
              "\"(kicad_pcb\"");
    EXPECT_EQ(ErrorOf("  "), "bad.kicad_pcb: holds no expression; expected a KiCad board");
    // A board without nets, layers or footprints is no fault.
    const DesignData empty = ReadKicadBoard("(kicad_pcb (version 20211014))", "empty.kicad_pcb");
    EXPECT_TRUE(empty.nets.empty() && empty.layers.empty() && empty.components.empty());
}

TEST(KicadBoard, ALengthTooLongForTheRecordIsRefused) {
    // 21474.83647 mm is the longest length a 32-bit count of units holds.
    const DesignData fits = ReadKicadBoard(
        BoardWith("(segment (start 0 0) (end 21474.83647 0) (net 1))"), "fits.kicad_pcb");
    EXPECT_EQ(fits.nets[0].length, 2147483647);
    EXPECT_EQ(ErrorOf(BoardWith("(segment (start 0 0) (end 20000 0) (net 2))\n"
                                "(segment (start 0 0) (end 0 2000) (net 2))")),
              "bad.kicad_pcb: net \"SIG\": its tracks are longer than the 21474.83647 mm a net "
              "length can hold");
    EXPECT_THAT(ErrorOf(BoardWith("(segment (start 0 0) (end 1e308 1e308) (net 2))")),
                HasSubstr("net \"SIG\": its tracks are longer"));
    EXPECT_THAT(ErrorOf(BoardWith("(segment (start 0 0) (end 1e999 0) (net 2))")),
                HasSubstr("expected a number, found \"1e999\""));
}

}  // namespace
}  // namespace netlist
