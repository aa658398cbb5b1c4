// The demo boards of Debian's kicad-demos package: boards nobody here wrote.
// The figures below come from tests/design/kicad/golden_facts.py, which
// counts with its own tokenizer and arc formula, not with the program's
// reader; and every demo board goes through a whole report run. Every test
// skips when the package is not installed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "design/files/DesignFileLoader.h"
#include "design/files/kicad/KicadBoardReader.h"
#include "design/standin/StandInLibrary.h"
#include "report/Form1Model.h"
#include "tests/design/kicad/KicadTestSupport.h"
#include "tests/support/TestFiles.h"

namespace netlist {
namespace {

namespace fs = std::filesystem;
using kicadtest::CountedLayers;
using kicadtest::CountPads;
using kicadtest::DemoBoard;
using kicadtest::NetNamed;
using kicadtest::PadTotals;
using kicadtest::Pins;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// Loads a demo board, or skips the test when the package is absent.
#define LOAD_DEMO_OR_SKIP(design, relativePath)                                    \
    const fs::path design##Path = DemoBoard(relativePath);                         \
    if (!fs::exists(design##Path)) GTEST_SKIP() << "kicad-demos is not installed"; \
    const DesignData design = LoadDesignFile(design##Path)

TEST(KicadDemoBoards, Ecc83PushPull) {
    LOAD_DEMO_OR_SKIP(design, "ecc83/ecc83-pp.kicad_pcb");
    EXPECT_EQ(design.nets.size(), 9u);
    EXPECT_EQ(design.components.size(), 15u);
    EXPECT_EQ(CountedLayers(design), 2);
    EXPECT_EQ(CountPads(design), (PadTotals{33, 33, 0}));

    const DesignNet& c1 = NetNamed(design, "Net-(C1-Pad1)");
    EXPECT_THAT(Pins(c1), ElementsAre("C1-1", "P3-1", "U1-6"));
    EXPECT_EQ(c1.nodeCount, 3);
    EXPECT_EQ(c1.length, 2655628);
    const DesignNet& gnd = NetNamed(design, "GND");
    EXPECT_THAT(Pins(gnd), ElementsAre("C1-2", "R2-2", "R4-2", "P2-2", "P3-2", "R3-2", "P1-1"));
    EXPECT_EQ(gnd.length, 0);  // joined by a copper zone, no tracks
}

TEST(KicadDemoBoards, StickHubWithArcTracksOnBothSides) {
    LOAD_DEMO_OR_SKIP(design, "stickhub/StickHub.kicad_pcb");
    EXPECT_EQ(design.nets.size(), 47u);
    EXPECT_EQ(design.components.size(), 94u);
    EXPECT_EQ(CountedLayers(design), 2);
    EXPECT_EQ(CountPads(design), (PadTotals{278, 117, 161}));

    const DesignNet& lc = NetNamed(design, "/LC");
    EXPECT_EQ(lc.id, 42);
    EXPECT_THAT(Pins(lc), ElementsAreArray({"D15-GK", "D15-RA", "D16-GK", "D16-RA", "D19-GK",
                                            "D19-RA", "D20-GK", "D20-RA", "D21-GK", "D21-RA",
                                            "D17-GK", "D17-RA", "D18-GK", "D18-RA", "U1-1"}));
    EXPECT_EQ(lc.length, 2876673);  // 14 of its pieces are arcs

    const DesignNet& v33 = NetNamed(design, "+3V3");
    EXPECT_EQ(v33.id, 4);
    EXPECT_THAT(Pins(v33), ElementsAreArray({"R4-1", "C8-1", "C6-1", "C3-1", "C5-1", "U1-9",
                                             "U1-15", "U1-20", "U1-26", "U1-31", "U1-36", "U1-42",
                                             "C7-1", "C9-1", "C10-1", "R5-1", "R3-1"}));
    EXPECT_EQ(v33.length, 4304600);  // 20 of its pieces are arcs
}

TEST(KicadDemoBoards, VideoTheLargestBoard) {
    LOAD_DEMO_OR_SKIP(design, "video/video.kicad_pcb");
    EXPECT_EQ(design.nets.size(), 486u);
    EXPECT_EQ(design.components.size(), 189u);
    EXPECT_EQ(CountedLayers(design), 4);
    EXPECT_EQ(CountPads(design), (PadTotals{2238, 1975, 263}));

    const DesignNet& vaa = NetNamed(design, "/ESVIDEO-RVB/VAA");
    EXPECT_THAT(Pins(vaa), ElementsAreArray({"L5-2", "U8-1", "U8-43", "U8-44", "U8-84", "U9-1",
                                             "U9-2", "U9-33", "U9-34", "U9-35", "U9-36", "C33-1",
                                             "C34-1", "C35-1", "C42-1", "C51-1", "C52-1"}));
    EXPECT_EQ(vaa.length, 11935383);

    const DesignNet& v33 = NetNamed(design, "+3.3V");
    EXPECT_EQ(v33.nodeCount, 26);
    // Pads of one number on both faces of the edge connector count twice.
    EXPECT_THAT(
        Pins(v33),
        ElementsAreArray({"BUS1-A21", "BUS1-A21", "BUS1-A27", "BUS1-A27", "BUS1-A33", "BUS1-A33",
                          "BUS1-A39", "BUS1-A39", "BUS1-A45", "BUS1-A45", "BUS1-A53", "BUS1-A53",
                          "BUS1-B25", "BUS1-B25", "BUS1-B31", "BUS1-B31", "BUS1-B36", "BUS1-B36",
                          "BUS1-B41", "BUS1-B41", "BUS1-B43", "BUS1-B43", "BUS1-B54", "BUS1-B54",
                          "C68-1",    "C69-1"}));
    EXPECT_EQ(v33.length, 16750333);
}

TEST(KicadDemoBoards, EveryCutOfABoardIsAClearError) {
    const fs::path board = DemoBoard("test_pads_inside_pads/test_pads_inside_pads.kicad_pcb");
    if (!fs::exists(board)) GTEST_SKIP() << "kicad-demos is not installed";
    const std::string content = testing::ReadBytes(board);
    const std::size_t complete = content.rfind(')') + 1;
    ASSERT_GT(complete, 9000u);
    for (std::size_t length = 0; length < complete; ++length) {
        try {
            ReadKicadBoard(std::string_view(content).substr(0, length), board);
            ADD_FAILURE() << "a board cut to " << length << " bytes loaded";
        } catch (const DesignFileError& error) {
            ASSERT_THAT(error.what(), StartsWith(board.string() + ": ")) << length;
        }
    }
    EXPECT_NO_THROW(ReadKicadBoard(std::string_view(content).substr(0, complete), board));
}

TEST(KicadDemoBoards, EveryBoardLoadsAndReportsWithLengths) {
    const std::vector<fs::path> boards = kicadtest::DemoBoards();
    if (boards.empty()) GTEST_SKIP() << "kicad-demos is not installed";
    ReportEnvironment environment;
    environment.dateTimeText = [] { return std::string("24/01/2023 10:00:00"); };
    for (const fs::path& board : boards) {
        SCOPED_TRACE(board.string());
        testing::ScratchFolder folder;
        DesignData design = LoadDesignFile(board);
        // The report is written beside the design path: serve the board as
        // if it lay in the scratch folder.
        design.designPath = (folder.path() / board.filename()).string();
        const std::string nets = "\r\nNumber of Nets " + std::to_string(design.nets.size()) + " ";
        EXPECT_GE(CountedLayers(design), 2);
        StandInLibrary library(std::move(design));
        Form1Model form(library, environment);
        form.Form_Load();
        form.controls().check1Value = 1;
        form.Check1_Click();
        form.controls().option1Selected = false;  // lengths in millimetres
        ASSERT_EQ(form.Start_Click(), RunOutcome::Written) << form.controls().statusLabelCaption;
        const std::string report = testing::ReadBytes(form.reportPath());
        EXPECT_THAT(report, HasSubstr(nets));
        EXPECT_THAT(report, EndsWith("End of Report\f\r\n"));
    }
}

}  // namespace
}  // namespace netlist
