// The differ's matching rules where the golden compare reports do not reach:
// by name, by length and count, and by connectivity, where each kind of edit
// lands in its own list in any order of nets and pins.
#include <gtest/gtest.h>

#include <algorithm>

#include "report/compare/CompareReport.h"
#include "report/compare/DesignDiff.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

// "A:U1-1,R1-1;B:U1-2": nets and their pins; "A=250:U1-1" gives A a length.
DesignSnapshot side(std::string_view nets, std::vector<SnapshotComponent> parts = {}) {
    DesignSnapshot made;
    made.kind = "Pcb";
    made.components = std::move(parts);
    while (!nets.empty()) {
        const std::size_t end = std::min(nets.find(';'), nets.size());
        std::string_view text = nets.substr(0, end);
        nets.remove_prefix(std::min(end + 1, nets.size()));
        SnapshotNet net;
        const std::size_t colon = text.find(':');
        const std::size_t equals = text.substr(0, colon).find('=');
        net.name = std::string(text.substr(0, std::min(colon, equals)));
        if (equals != std::string_view::npos)
            net.length = std::stoll(std::string(text.substr(equals + 1, colon - equals - 1)));
        for (text.remove_prefix(colon + 1); !text.empty();) {
            const std::size_t comma = std::min(text.find(','), text.size());
            net.pins.push_back(text.substr(0, comma));
            text.remove_prefix(std::min(comma + 1, text.size()));
        }
        net.pinCount = static_cast<std::int32_t>(net.pins.size());
        made.nets.push_back(std::move(net));
    }
    return made;
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

// The connectivity lists in one line.
std::string connections(const DesignDiff& diff) {
    std::string text;
    const auto groups = [&](const char* what, const std::vector<NetGroup>& list) {
        for (const NetGroup& group : list) {
            text += std::string(what) + " " + group.net->name + "<";
            for (const NetShare& part : group.parts)
                text += part.net->name + ":" + std::to_string(part.pins) + ",";
            text.back() = ';';
        }
    };
    groups("joined", diff.joinedNets);
    groups("split", diff.splitNets);
    for (const MovedPin& pin : diff.movedPins)
        text += "moved " + pin.pin + " " + pin.from->name + ">" + pin.to->name + ";";
    for (const auto& [what, list] : {std::pair("only old ", &diff.pinsOnlyBefore),
                                     std::pair("only new ", &diff.pinsOnlyAfter)})
        for (const NetPins& net : *list)
            for (const std::string& pin : net.pins) text += what + net.net->name + ":" + pin + ";";
    for (const NetPair& pair : diff.probablyRenamed)
        text += "renamed " + pair.before->name + ">" + pair.after->name + ";";
    return text;
}

DesignSnapshot reversed(DesignSnapshot snapshot) {
    std::reverse(snapshot.nets.begin(), snapshot.nets.end());
    for (SnapshotNet& net : snapshot.nets) {
        std::vector<std::string> pins = net.pins.texts();
        std::reverse(pins.begin(), pins.end());
        net.pins = PinList(pins);
    }
    return snapshot;
}

// Nets of one name pair by the pins they share, not by their order.
TEST(DesignDiffTest, PairsRepeatedNamesByTheirPinsAndRenamesOnlyUnchangedPins) {
    const DesignSnapshot before =
        side("N:A-1,A-2;N:B-1,B-2;OLD:C-1,C-2;GONE:D-1,D-2", {{"R10", 2}, {"R2", 2}, {"U1", 8}});
    const DesignSnapshot after =
        side("N:B-1,B-3;N:A-2,A-1;NEW:C-2,C-1;MOVED:D-1,D-3", {{"U1", 9}, {"R2", 2}, {"R11", 2}});
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
        DesignSnapshot before = side("A=" + std::to_string(c.length) + ":U1-1,U2-1");
        before.statedLengthUnits = c.reportUnits;
        before.fromReport = c.reportUnits != 0;
        const DesignSnapshot after =
            side("A=" + std::to_string(c.length + c.change) + ":U1-1,U2-1");
        const DesignDiff diff = CompareSnapshots(before, after, kUnitsPerMil);
        EXPECT_EQ(diff.lengthChanges.size(), c.reported ? 1u : 0u) << c.change;
        EXPECT_EQ(diff.empty(), !c.reported) << c.change;
    }
}

TEST(DesignDiffTest, RenameHintsAndLengthsOfRenamedNets) {
    // Nets of the same pins under other names get no hint, whichever side is
    // OLD: the name compare lists them (here A as renamed to N).
    const DesignSnapshot a = side("A:B-1;X:B-1");
    const DesignSnapshot b = side("M:C-1,B-1;N:B-1");
    EXPECT_EQ(CompareSnapshots(a, b, std::nullopt).probablyRenamed.size(), 0u);
    EXPECT_EQ(CompareSnapshots(b, a, std::nullopt).probablyRenamed.size(), 0u);
    // A renamed net shows its length change; the diff points into both
    // snapshots: they outlive it.
    const DesignSnapshot before = side("OLD=1000:U1-1,U2-1");
    const DesignSnapshot after = side("NEW=90000:U1-2,U1-1,U2-1;NEXT=90000:U2-1,U1-1");
    const DesignDiff diff = CompareSnapshots(before, after, kUnitsPerMil);
    ASSERT_EQ(diff.renamedNets.size(), 1u);
    ASSERT_EQ(diff.lengthChanges.size(), 1u);
    EXPECT_EQ(diff.lengthChanges[0].after->name, "NEXT");
}

// Against a netlist, what only a board can have is no difference: parts with
// no pin in a net, pads beyond the pins, a pin's pads listed once each.
// Fewer pads than pins still are, and so is a part with a connected pin.
TEST(DesignDiffTest, ABoardAgainstItsNetlistDiffersOnlyInWhatANetlistCanHold) {
    DesignSnapshot netlist =
        side("X:BUS1-A1,U1-1;Y:U1-2,J1-1", {{"BUS1", 2}, {"U1", 4}, {"J1", 1}});
    netlist.kind = "Schmatic";
    const DesignSnapshot pcb =
        side("X:BUS1-A1,U1-1,BUS1-A1;Y:J1-1,U1-2,TP1-1;Z:H1-1",
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

// A count read from a report that differs from the pins listed: a change,
// unless the pins' cut is in doubt and the count is the same.
TEST(DesignDiffTest, APinCountThatDiffersIsAChangeAmbiguousPinsOnlyByTheirCount) {
    for (const int pins : {2, 3}) {
        DesignSnapshot before = side("S:CONN_HDR1-12,U1-5");
        before.fromReport = true;
        before.nets[0].pinsAmbiguous = true;
        before.nets[0].pinCount = pins;
        // The diff points into both sides: they outlive it.
        const DesignSnapshot after = side("S:CONN_HDR1-1,2U1-5");
        const DesignDiff diff = CompareSnapshots(before, after, std::nullopt);
        EXPECT_EQ(diff.countOnlyNets.size(), 1u);
        EXPECT_TRUE(diff.changedNets.empty());
        EXPECT_EQ(diff.empty(), pins == 2);
        EXPECT_FALSE(diff.componentsCompared);
        // The report says which: the same count, or the old one.
        const ScratchFolder folder;
        WriteCompareReport(folder.file("s.cmp"),
                           {before, after, diff, "old", "new", "now", std::nullopt, "mils"});
        const std::string report = ReadBytes(folder.file("s.cmp"));
        EXPECT_EQ(report.find("same pin count") != std::string::npos, pins == 2) << report;
        EXPECT_EQ(report.find("was 3") != std::string::npos, pins == 3) << report;
    }
    for (const std::int32_t count : {5, -5, 1}) {
        DesignSnapshot before = side("A:U1-1");
        before.nets[0].pinCount = count;
        const DesignSnapshot after = side("A:U1-1");
        const DesignDiff diff = CompareSnapshots(before, after, std::nullopt);
        EXPECT_EQ(diff.changedNets.size(), count == 1 ? 0u : 1u) << count;
        EXPECT_EQ(diff.empty(), count == 1) << count;
    }
}

// No name is too long to sort. Huge pin counts: compare.odd-rows-read-back.
TEST(DesignDiffTest, LongNamesAreComparedWithoutRunningOutOfRoom) {
    for (const std::size_t length : {65535u, 70000u}) {
        const std::string name(length, 'N');
        const DesignSnapshot before = side(name + ":U1-1;B:U2-1");
        const DesignSnapshot after = side("B:U2-1");
        const DesignDiff diff = CompareSnapshots(before, after, std::nullopt);
        EXPECT_EQ(names(diff.onlyBefore), name + " ");
    }
    // Nets that share a long name are ordered without a step per word of it.
    const std::string shared(4'000'000, 'N');
    const DesignSnapshot before = side(shared + ":U1-1;" + shared + ":U2-1");
    const DesignSnapshot after = side(shared + ":U2-1;" + shared + ":U1-1");
    EXPECT_TRUE(CompareSnapshots(before, after, std::nullopt).empty());
}

// Nets may list no pins at all, on either side (a design of named nets only).
TEST(DesignDiffTest, NetsWithoutAnyPinsCompareByTheirNames) {
    const DesignSnapshot before = side("A:"), after = side("A:;B:");
    const DesignDiff diff = CompareSnapshots(before, after, std::nullopt);
    EXPECT_EQ(names(diff.onlyBefore), "");
    EXPECT_EQ(names(diff.onlyAfter), "B ");
    EXPECT_TRUE(CompareSnapshots(before, before, std::nullopt).empty());
}

TEST(ConnectivityTest, EachEditLandsInItsOwnListInAnyOrder) {
    for (const DataCase& row : ReadDataCases("report/data/connectivity.txt")) {
        const std::size_t newline = row.input.find('\n');
        const DesignSnapshot before = side(row.input.substr(0, newline));
        const DesignSnapshot after = side(row.input.substr(newline + 1));
        EXPECT_EQ(connections(CompareSnapshots(before, after, std::nullopt)), row.expected)
            << "connectivity.txt:" << row.line;
        EXPECT_EQ(connections(CompareSnapshots(reversed(before), reversed(after), std::nullopt)),
                  row.expected)
            << "connectivity.txt:" << row.line << ", in the reverse order";
    }
}

// Names, references and pins as a bare-board netlist's exporter cuts them
// are no difference; another name for the same pins is a hint only.
TEST(ConnectivityTest, ABareBoardNetlistsCutTextsAreNoDifference) {
    const DesignSnapshot pcb = side(
        "Net-(J4-PIN_3-PAD3):SELECT_TOOL_1-1,U1-1;/ampli horizontal/Vpil_0_3,3V:SELECT_TOOL_2-1,"
        "U1-2;/ampli vertical/Vpil_0_3,3V:U2-1,BDM_PORT101-12345;CLK:U1-3,U2-2;VCC:U1-4,C1-1");
    DesignSnapshot netlist = side(
        "J4-PIN_3-PAD3):SELECT-1,U1-1;AL/VPIL_0_3,3V:SELECT-1,U1-2;PIL_0_3,3V#1:U2-1,BDM_PO-1234;"
        "CLK:U2-2,U1-3;VDD:C1-1,U1-4");
    netlist.bareBoardNetlist = true;
    for (const bool netlistIsOld : {true, false}) {
        const DesignDiff diff = netlistIsOld ? CompareSnapshots(netlist, pcb, std::nullopt)
                                             : CompareSnapshots(pcb, netlist, std::nullopt);
        EXPECT_FALSE(diff.namesCompared);
        EXPECT_FALSE(diff.componentsCompared);
        EXPECT_TRUE(diff.empty()) << connections(diff);
        EXPECT_EQ(connections(diff), netlistIsOld ? "renamed VDD>VCC;" : "renamed VCC>VDD;");
    }
}

}  // namespace
}  // namespace netlist::test
