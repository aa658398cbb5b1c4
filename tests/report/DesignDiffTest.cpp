// The differ's matching rules where the golden compare reports do not reach.
#include <gtest/gtest.h>

#include <climits>

#include "design/standin/StandInLibrary.h"
#include "report/compare/DesignDiff.h"

namespace netlist::test {
namespace {

SnapshotNet net(std::string name, std::vector<std::string> pins, std::int64_t length = 0) {
    return {std::move(name), static_cast<std::int32_t>(pins.size()), std::move(pins), length,
            false};
}

DesignSnapshot board(std::vector<SnapshotNet> nets, std::vector<SnapshotComponent> parts = {}) {
    DesignSnapshot side;
    side.kind = "Pcb";
    side.nets = std::move(nets);
    side.components = std::move(parts);
    return side;
}

std::string names(const std::vector<const SnapshotNet*>& nets) {
    std::string text;
    for (const SnapshotNet* n : nets) text += n->name + " ";
    return text;
}

// "REF:before>after", -1 for a side without the part.
std::string parts(const DesignDiff& diff) {
    std::string text;
    for (const ComponentChange& c : diff.components)
        text += c.refDes + ":" + std::to_string(c.padsBefore.value_or(-1)) + ">" +
                std::to_string(c.padsAfter.value_or(-1)) + " ";
    return text;
}

// Nets of one name pair by the pins they share, not by their order.
TEST(DesignDiffTest, PairsRepeatedNamesByTheirPinsAndRenamesOnlyUnchangedPins) {
    const DesignSnapshot before = board({net("N", {"A-1", "A-2"}), net("N", {"B-1", "B-2"}),
                                         net("OLD", {"C-1", "C-2"}), net("GONE", {"D-1", "D-2"})},
                                        {{"R10", 2}, {"R2", 2}, {"U1", 8}});
    const DesignSnapshot after = board({net("N", {"B-1", "B-3"}), net("N", {"A-2", "A-1"}),
                                        net("NEW", {"C-2", "C-1"}), net("MOVED", {"D-1", "D-3"})},
                                       {{"U1", 9}, {"R2", 2}, {"R11", 2}});
    const DesignDiff diff = CompareSnapshots(before, after, std::nullopt);
    ASSERT_EQ(diff.changedNets.size(), 1u);
    EXPECT_EQ(diff.changedNets[0].added, std::vector<std::string>{"B-3"});
    EXPECT_EQ(diff.changedNets[0].removed, std::vector<std::string>{"B-2"});
    ASSERT_EQ(diff.renamedNets.size(), 1u);
    EXPECT_EQ(diff.renamedNets[0].after->name, "NEW");
    EXPECT_EQ(names(diff.onlyBefore), "GONE ");
    EXPECT_EQ(names(diff.onlyAfter), "MOVED ");
    EXPECT_EQ(parts(diff), "R10:2>-1 R11:-1>2 U1:8>9 ");
}

TEST(DesignDiffTest, CountsLengthChangesBeyondTheLastPrintedDigitOnly) {
    const struct {
        std::int64_t change;
        std::int32_t reportUnits;  // 0: the old side is a design
        bool reported;
        std::int64_t length = 100000;
    } cases[] = {{25, 0, false},
                 {26, 0, true},
                 {-26, 0, true},
                 {999, kUnitsPerMm, false},
                 {1001, kUnitsPerMm, true},
                 // 315307.2 mils: a report's seven significant digits hide up to 800 units.
                 {133, kUnitsPerMil, false, 800880155},
                 {801, kUnitsPerMil, true, 800880155},
                 {133, 0, true, 800880155}};
    for (const auto& c : cases) {
        DesignSnapshot before = board({net("A", {"U1-1", "U2-1"}, c.length)});
        before.statedLengthUnits = c.reportUnits;
        before.fromReport = c.reportUnits != 0;
        const DesignSnapshot after = board({net("A", {"U1-1", "U2-1"}, c.length + c.change)});
        const DesignDiff diff = CompareSnapshots(before, after, kUnitsPerMil);
        EXPECT_EQ(diff.lengthChanges.size(), c.reported ? 1u : 0u) << c.change;
        EXPECT_EQ(diff.empty(), !c.reported) << c.change;
    }
}

// Nets of the same pins under other names get no hint, whichever side is
// OLD: the name compare lists them (here A as renamed to N).
TEST(DesignDiffTest, NoRenameHintForNetsOfTheSamePins) {
    const DesignSnapshot a = board({net("A", {"B-1"}), net("X", {"B-1"})});
    const DesignSnapshot b = board({net("M", {"C-1", "B-1"}), net("N", {"B-1"})});
    EXPECT_EQ(CompareSnapshots(a, b, std::nullopt).probablyRenamed.size(), 0u);
    EXPECT_EQ(CompareSnapshots(b, a, std::nullopt).probablyRenamed.size(), 0u);
}

TEST(DesignDiffTest, ARenamedNetShowsItsLengthChange) {
    // The diff points into both snapshots: they outlive it.
    const DesignSnapshot before = board({net("OLD", {"U1-1", "U2-1"}, 1000)});
    const DesignSnapshot after =
        board({net("NEW", {"U1-2", "U1-1", "U2-1"}, 90000), net("NEXT", {"U2-1", "U1-1"}, 90000)});
    const DesignDiff diff = CompareSnapshots(before, after, kUnitsPerMil);
    ASSERT_EQ(diff.renamedNets.size(), 1u);
    ASSERT_EQ(diff.lengthChanges.size(), 1u);
    EXPECT_EQ(diff.lengthChanges[0].after->name, "NEXT");
}

// Against a netlist, what only a board can have is no difference: parts with
// no pin in a net, pads beyond the pins, a pin's pads listed once each.
// Fewer pads than pins still are, and so is a part with a connected pin.
TEST(DesignDiffTest, ABoardAgainstItsNetlistDiffersOnlyInWhatANetlistCanHold) {
    DesignSnapshot netlist = board({net("X", {"BUS1-A1", "U1-1"}), net("Y", {"U1-2", "J1-1"})},
                                   {{"BUS1", 2}, {"U1", 4}, {"J1", 1}});
    netlist.kind = "Schmatic";
    const DesignSnapshot pcb =
        board({net("X", {"BUS1-A1", "U1-1", "BUS1-A1"}), net("Y", {"J1-1", "U1-2", "TP1-1"}),
               net("Z", {"H1-1"})},
              {{"BUS1", 4}, {"U1", 3}, {"J1", 3}, {"H2", 1}, {"LOGO1", 0}, {"TP1", 1}});
    for (const bool boardIsNew : {true, false}) {
        const DesignDiff diff = boardIsNew ? CompareSnapshots(netlist, pcb, std::nullopt)
                                           : CompareSnapshots(pcb, netlist, std::nullopt);
        ASSERT_EQ(diff.changedNets.size(), 1u) << boardIsNew;
        EXPECT_EQ(diff.changedNets[0].after->name, "Y");
        EXPECT_EQ(names(diff.onlyBefore) + names(diff.onlyAfter), "Z ");
        EXPECT_EQ(parts(diff), boardIsNew ? "TP1:-1>1 U1:4>3 " : "TP1:1>-1 U1:3>4 ") << boardIsNew;
    }
}

TEST(DesignDiffTest, AmbiguousPinsCountAsChangedOnlyWhenTheirCountDiffers) {
    for (const int pins : {2, 3}) {
        DesignSnapshot before = board({net("S", {"CONN_HDR1-12", "U1-5"})});
        before.fromReport = true;
        before.nets[0].pinsAmbiguous = true;
        before.nets[0].pinCount = pins;
        const DesignSnapshot after = board({net("S", {"CONN_HDR1-1", "2U1-5"})});
        const DesignDiff diff = CompareSnapshots(before, after, std::nullopt);
        EXPECT_EQ(diff.countOnlyNets.size(), 1u);
        EXPECT_TRUE(diff.changedNets.empty());
        EXPECT_EQ(diff.empty(), pins == 2);
        EXPECT_FALSE(diff.componentsCompared);
    }
}

TEST(DesignDiffTest, APinCountThatDiffersOverTheSamePinsIsAChange) {
    for (const std::int32_t count : {5, -5, 1}) {
        DesignSnapshot before = board({net("A", {"U1-1"})});
        before.nets[0].pinCount = count;
        const DesignDiff diff = CompareSnapshots(before, board({net("A", {"U1-1"})}), std::nullopt);
        EXPECT_EQ(diff.changedNets.size(), count == 1 ? 0u : 1u) << count;
        EXPECT_EQ(diff.empty(), count == 1) << count;
    }
}

// Nothing is sized by what a file claims, and no name is too long to sort.
TEST(DesignDiffTest, HugeCountsAndLongNamesAreComparedWithoutRunningOutOfRoom) {
    DesignData design;
    design.kind = DesignKind::Pcb;
    design.nets.push_back({1, "A", 0, INT32_MAX, {{"U1", "1"}}});
    StandInLibrary library(design);
    const SnapshotResult taken = TakeSnapshot(library);
    ASSERT_EQ(taken.snapshot.nets.size(), 1u);
    EXPECT_EQ(taken.snapshot.nets[0].pinCount, INT32_MAX);
    EXPECT_EQ(taken.snapshot.nets[0].pins, std::vector<std::string>{"U1-1"});

    for (const std::size_t length : {65535u, 70000u}) {
        const std::string name(length, 'N');
        const DesignSnapshot before = board({net(name, {"U1-1"}), net("B", {"U2-1"})});
        const DesignSnapshot after = board({net("B", {"U2-1"})});
        const DesignDiff diff = CompareSnapshots(before, after, std::nullopt);
        EXPECT_EQ(names(diff.onlyBefore), name + " ");
    }
}

}  // namespace
}  // namespace netlist::test
