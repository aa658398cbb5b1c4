// The netlists KiCad's own exporter wrote from the boards of Debian's
// kicad-demos package (data/kicad6/, tools/kicad-demo-ipc/generate.py): files
// nobody here wrote, each held to the board it was written from: its layer count
// and parts here, its connections by the compare (tests/report/CompareDemoBoardsTest.cpp).
// The test skips when the package is not installed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "design/files/DesignFileLoader.h"
#include "tests/design/kicad/KicadTestSupport.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

namespace fs = std::filesystem;

// The exporter's field width for references: they are cut to it.
constexpr std::size_t kRefDesWidth = 6;

fs::path ExportOf(const fs::path& board) {
    return fs::path(NETLIST_TEST_DATA) / "design" / "ipc" / "data" / "kicad6" /
           (board.stem().string() + ".d356");
}

// Each part at the exporter's width (parts whose references are cut alike
// add up) as "REF: PADS pads" and " on the bottom" when it lies there.
std::vector<std::string> Parts(const DesignData& design) {
    std::map<std::string, std::pair<int, bool>> parts;
    for (const DesignComponent& component : design.components) {
        auto& [pads, bottom] = parts[component.refDes.substr(0, kRefDesWidth)];
        pads += component.padCount;
        bottom = component.bottomSide != 0;
    }
    std::vector<std::string> texts;
    for (const auto& [refDes, part] : parts)
        texts.push_back(refDes + ": " + std::to_string(part.first) + " pads" +
                        (part.second ? " on the bottom" : ""));
    std::sort(texts.begin(), texts.end());
    return texts;
}

// Where a board's parts and its export differ, as the format demands: it has
// no pads without copper and no parts without pads, and it tells a part's
// side only by its surface pads.
const std::map<std::string, std::vector<std::string>> kPartsTheFormatCannotKeep = {
    {"interf_u", {"board G1: 0 pads"}},  // a logo
    // Four pads of paste only.
    {"kit-dev-coldfire-xilinx_5213", {"board VR201: 10 pads", "export VR201: 6 pads"}},
    // Through-hole pads only, on the back.
    {"sonde xilinx", {"board J2: 9 pads on the bottom", "export J2: 9 pads"}},
    {"StickHub",
     {"board LOGO1: 0 pads on the bottom", "board LOGO2: 0 pads on the bottom",
      "board LOGO3: 0 pads on the bottom", "board LOGO4: 0 pads on the bottom",
      "board Y1: 8 pads on the bottom", "export Y1: 4 pads on the bottom"}},  // four of paste
};

TEST(IpcKicadExports, EveryExportAgreesWithItsBoard) {
    const std::vector<fs::path> boards = test::DemoBoards();
    if (boards.empty()) GTEST_SKIP() << "kicad-demos is not installed";
    int boardsWithLayerCount = 0;
    for (const fs::path& board : boards) {
        SCOPED_TRACE(board.string());
        const DesignData exported = LoadDesignFile(ExportOf(board));
        const DesignData original = LoadDesignFile(board);
        // The layer count is there when a surface pad lies on the secondary side.
        if (!exported.layers.empty()) {
            EXPECT_EQ(exported.layers.size(), test::CopperLayers(original));
            ++boardsWithLayerCount;
        }

        const std::vector<std::string> exportedParts = Parts(exported);
        const std::vector<std::string> boardParts = Parts(original);
        std::vector<std::string> differences;
        for (const std::string& part : boardParts)
            if (!std::binary_search(exportedParts.begin(), exportedParts.end(), part))
                differences.push_back("board " + part);
        for (const std::string& part : exportedParts)
            if (!std::binary_search(boardParts.begin(), boardParts.end(), part))
                differences.push_back("export " + part);
        const auto expected = kPartsTheFormatCannotKeep.find(board.stem().string());
        EXPECT_EQ(differences, expected == kPartsTheFormatCannotKeep.end()
                                   ? std::vector<std::string>{}
                                   : expected->second);
    }
    EXPECT_EQ(boardsWithLayerCount, 7);
}

}  // namespace
}  // namespace netlist::test
