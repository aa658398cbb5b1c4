// The compare on the boards of Debian's kicad-demos package, files nobody
// here wrote: each board against the bare-board netlist KiCad exported of it
// (tests/design/ipc/data/kicad6/) and against its netlist, and edited as a
// designer edits a board after the export, and against its own report.
// Skipped when the package is not installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "design/files/DesignFileLoader.h"
#include "design/standin/StandInLibrary.h"
#include "report/compare/DesignDiff.h"
#include "report/compare/ReportReader.h"
#include "tests/design/kicad/KicadTestSupport.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist {
namespace {

namespace fs = std::filesystem;

fs::path ExportOf(const fs::path& board) {
    return fs::path(NETLIST_TEST_DATA) / "design" / "ipc" / "data" / "kicad6" /
           (board.stem().string() + ".d356");
}

DesignSnapshot Snapshot(DesignData design) {
    StandInLibrary library(std::move(design));
    return TakeSnapshot(library).snapshot;
}

DesignSnapshot Side(const fs::path& file) {
    LoadedDesign loaded = LoadDesign(file);
    StandInLibrary library(std::move(loaded.design));
    SnapshotResult side = TakeSnapshot(library);
    EXPECT_EQ(side.status, 0) << file;
    side.snapshot.bareBoardNetlist = loaded.format == DesignFileFormat::IpcNetlist;
    return side.snapshot;
}

// How many entries each list of a diff holds, the empty ones left out.
std::string Lists(const DesignDiff& diff) {
    std::string text;
    for (const auto& [what, size] : std::initializer_list<std::pair<const char*, std::size_t>>{
             {"changed", diff.changedNets.size()},
             {"count only", diff.countOnlyNets.size()},
             {"renamed", diff.renamedNets.size()},
             {"only old", diff.onlyBefore.size()},
             {"only new", diff.onlyAfter.size()},
             {"components", diff.components.size()},
             {"joined", diff.joinedNets.size()},
             {"split", diff.splitNets.size()},
             {"moved", diff.movedPins.size()},
             {"pins only old", DesignDiff::countPins(diff.pinsOnlyBefore)},
             {"pins only new", DesignDiff::countPins(diff.pinsOnlyAfter)},
             {"probably renamed", diff.probablyRenamed.size()}})
        if (size > 0) text += std::string(what) + " " + std::to_string(size) + "; ";
    return text;
}

TEST(CompareDemoBoards, EveryBoardAgreesWithItsNetlists) {
    const std::vector<fs::path> boards = test::DemoBoards();
    if (boards.empty()) GTEST_SKIP() << "kicad-demos is not installed";
    for (const fs::path& board : boards) {
        const DesignSnapshot netlist = Side(ExportOf(board));
        const DesignSnapshot pcb = Side(board);
        EXPECT_EQ(Lists(CompareSnapshots(netlist, pcb, std::nullopt)), "") << board;
    }
    // The video board's connector has two pads of each number, and the
    // netlist one pin.
    const DesignSnapshot netlist =
        Side(fs::path(NETLIST_TEST_DATA) / "report" / "kicad-demos" / "video.net");
    const DesignSnapshot pcb = Side(test::DemoBoard("video/video.kicad_pcb"));
    EXPECT_EQ(Lists(CompareSnapshots(netlist, pcb, std::nullopt)), "");
}

// Pins such as BDM_PORT101-2 fill their 12 columns and more: the board reads
// back from its report as it is, and a swap of two such pins shows.
TEST(CompareDemoBoards, ABoardReadsBackFromItsReportAndAPinSwapShows) {
    if (test::DemoBoards().empty()) GTEST_SKIP() << "kicad-demos is not installed";
    test::ScratchFolder folder;
    DesignData design = LoadDesignFile(
        test::DemoBoard("kit-dev-coldfire-xilinx_5213/kit-dev-coldfire-xilinx_5213.kicad_pcb"));
    design.designPath = folder.file("kit.kicad_pcb");
    const test::RunResult run = test::RunReport(design, {"", true, false, false});
    ASSERT_EQ(run.result, ReportResult::Written) << run.status;
    const DesignSnapshot report = ReadReport(run.report, "kit.wrf");
    const DesignSnapshot same = Snapshot(design);
    EXPECT_EQ(Lists(CompareSnapshots(report, same, kUnitsPerMm)), "");

    DesignNode& first = const_cast<DesignNode&>(test::NetNamed(design, "/BKPT-").nodes[0]);
    DesignNode& second = const_cast<DesignNode&>(test::NetNamed(design, "/DDAT0").nodes[0]);
    ASSERT_GE(first.refDes.size() + first.pinDes.size(), 12u);
    std::swap(first, second);
    const DesignSnapshot swapped = Snapshot(design);
    EXPECT_EQ(Lists(CompareSnapshots(report, swapped, kUnitsPerMm)), "changed 2; moved 2; ");
}

// A board changed after its netlist was exported: each change shows in its
// own list and nothing else does.
TEST(CompareDemoBoards, ABoardEditedAfterTheExportShowsExactlyItsEdit) {
    const std::vector<fs::path> boards = test::DemoBoards();
    if (boards.empty()) GTEST_SKIP() << "kicad-demos is not installed";
    using Nets = std::vector<DesignNet>;
    for (const fs::path& board : boards) {
        SCOPED_TRACE(board.string());
        const DesignSnapshot netlist = Side(ExportOf(board));
        const DesignData original = LoadDesignFile(board);
        // Two nets of four pins or more, each pin listed once.
        std::vector<std::size_t> large;
        for (std::size_t i = 0; i < original.nets.size(); ++i) {
            std::vector<std::string> pins = test::Pins(original.nets[i]);
            std::sort(pins.begin(), pins.end());
            if (pins.size() >= 4 && std::adjacent_find(pins.begin(), pins.end()) == pins.end())
                large.push_back(i);
        }
        if (large.size() < 2) continue;
        const std::size_t a = large[0], b = large[1];
        const std::string part = original.nets[a].nodes[0].refDes;
        const std::pair<std::function<void(Nets&)>, const char*> edits[] = {
            {[&](Nets& nets) {
                 nets[b].nodes.push_back(nets[a].nodes.back());
                 nets[a].nodes.pop_back();
             },
             "moved 1; "},
            {[&](Nets& nets) {
                 nets[a].nodes.insert(nets[a].nodes.end(), nets[b].nodes.begin(),
                                      nets[b].nodes.end());
                 nets.erase(nets.begin() + static_cast<std::ptrdiff_t>(b));
             },
             "joined 1; "},
            {[&](Nets& nets) {
                 DesignNet half{1 << 30, "SPLIT", 0, 0, {}};
                 half.nodes.assign(nets[a].nodes.begin() + 2, nets[a].nodes.end());
                 nets[a].nodes.resize(2);
                 nets.push_back(half);
             },
             "split 1; "},
            // The part of the first pin of the first net, removed: its pins,
            // as the export cuts references, are only in the netlist.
            {[&](Nets& nets) {
                 for (DesignNet& net : nets)
                     std::erase_if(net.nodes,
                                   [&](const DesignNode& n) { return n.refDes == part; });
             },
             nullptr},
        };
        for (const auto& [edit, lists] : edits) {
            DesignData design = original;
            edit(design.nets);
            for (DesignNet& net : design.nets)
                net.nodeCount = static_cast<std::int32_t>(net.nodes.size());
            // The diff points into both sides: they outlive it.
            const DesignSnapshot edited = Snapshot(std::move(design));
            const DesignDiff diff = CompareSnapshots(netlist, edited, std::nullopt);
            const std::size_t removed = DesignDiff::countPins(diff.pinsOnlyBefore);
            EXPECT_EQ(Lists(diff),
                      lists ? lists : "pins only old " + std::to_string(removed) + "; ");
            EXPECT_EQ(removed > 0, !lists);
            for (const NetPins& net : diff.pinsOnlyBefore)
                for (const std::string& pin : net.pins)
                    EXPECT_EQ(pin.find(part.substr(0, 6) + "-"), 0u);
        }
    }
}

}  // namespace
}  // namespace netlist
