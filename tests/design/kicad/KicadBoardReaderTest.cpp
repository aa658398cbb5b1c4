#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/files/DesignFileLoader.h"
#include "design/files/kicad/KicadBoardReader.h"
#include "tests/design/kicad/KicadTestSupport.h"

namespace netlist::test {
namespace {

using ::testing::ElementsAre;

DesignData Board(std::string_view name) {
    return LoadDesignFile(DataFile(name));
}

std::vector<std::int32_t> LayerTypes(const DesignData& design) {
    std::vector<std::int32_t> types;
    for (const DesignLayer& layer : design.layers) types.push_back(layer.type);
    return types;
}

// The version files' reports are golden (tests/report/golden/kicad-*.wrf), and so are
// kicad-odd-items (nets keyed by name, unconnected nets, unknown items) and
// kicad-renamed-layers-v* (copper and back layers renamed before KiCad 6). What a
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

// KiCad 10 names a net where it is used; a net that only zones use must
// count as it does in KiCad 9's net table, or the count depends on the format.
TEST(KicadBoard, NetsUsedOnlyByZonesCountInEveryFormat) {
    for (const char* name : {"zones_v9.kicad_pcb", "zones_v10.kicad_pcb"})
        EXPECT_THAT(NetNames(Board(name)), ElementsAre("NetA", "NetB")) << name;
}

// Faults are in data/kicad-faults.txt; a board without nets, layers or
// footprints is none, and the longest length a 32-bit count of units holds fits.
TEST(KicadBoard, AnEmptyBoardAndTheLongestLengthAreRead) {
    const DesignData empty = ReadKicadBoard("(kicad_pcb (version 20211014))", "empty.kicad_pcb");
    EXPECT_TRUE(empty.nets.empty() && empty.layers.empty() && empty.components.empty());
    const DesignData fits = ReadKicadBoard(
        "(kicad_pcb (version 20211014) (net 0 \"\") (net 1 \"GND\")\n"
        "  (segment (start 0 0) (end 21474.83647 0) (net 1)))",
        "fits.kicad_pcb");
    EXPECT_EQ(fits.nets[0].length, 2147483647);
}

}  // namespace
}  // namespace netlist::test
