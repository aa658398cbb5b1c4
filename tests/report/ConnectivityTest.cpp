// Comparing by connectivity: each kind of edit lands in its own list, in any
// order of nets and pins, and a bare-board netlist's cut texts are no edit.
#include <gtest/gtest.h>

#include <algorithm>

#include "report/compare/DesignDiff.h"
#include "tests/support/TestFiles.h"

namespace netlist {
namespace {

// "A:U1-1,R1-1;B:U1-2": nets and their pins.
DesignSnapshot side(std::string_view nets, bool bareBoard = false) {
    DesignSnapshot made;
    made.kind = "Pcb";
    made.bareBoardNetlist = bareBoard;
    while (!nets.empty()) {
        const std::size_t end = std::min(nets.find(';'), nets.size());
        std::string_view text = nets.substr(0, end);
        nets.remove_prefix(std::min(end + 1, nets.size()));
        SnapshotNet net;
        const std::size_t colon = text.find(':');
        net.name = std::string(text.substr(0, colon));
        for (text.remove_prefix(colon + 1); !text.empty();) {
            const std::size_t comma = std::min(text.find(','), text.size());
            net.pins.emplace_back(text.substr(0, comma));
            text.remove_prefix(std::min(comma + 1, text.size()));
        }
        net.pinCount = static_cast<std::int32_t>(net.pins.size());
        made.nets.push_back(std::move(net));
    }
    return made;
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
    for (SnapshotNet& net : snapshot.nets) std::reverse(net.pins.begin(), net.pins.end());
    return snapshot;
}

TEST(ConnectivityTest, EachEditLandsInItsOwnListInAnyOrder) {
    for (const test::DataCase& row : test::ReadDataCases("report/data/connectivity.txt")) {
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
    const DesignSnapshot netlist = side(
        "J4-PIN_3-PAD3):SELECT-1,U1-1;AL/VPIL_0_3,3V:SELECT-1,U1-2;PIL_0_3,3V#1:U2-1,BDM_PO-1234;"
        "CLK:U2-2,U1-3;VDD:C1-1,U1-4",
        true);
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
}  // namespace netlist
