// The bundled sample board: believable connectivity, and a report that lands
// in the current folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "design/files/SampleDesign.h"

namespace netlist::test {
namespace {

TEST(SampleDesign, EveryNodeIsAFreePinOfAComponentThatExists) {
    const DesignData design = SampleDesign();
    EXPECT_EQ(design.designPath, (std::filesystem::current_path() / "sample-board.pcb").string());
    std::map<std::string, std::int32_t> padCounts;
    for (const DesignComponent& component : design.components)
        padCounts.emplace(component.refDes, component.padCount);
    std::set<std::string> usedPins;
    for (const DesignNet& net : design.nets) {
        EXPECT_EQ(net.length > 0, net.nodes.size() > 1) << net.name << ": routed iff it connects";
        for (const DesignNode& node : net.nodes) {
            const int pin = std::stoi(node.pinDes);
            EXPECT_TRUE(pin >= 1 && pin <= padCounts[node.refDes]) << node.refDes << "-" << pin;
            EXPECT_TRUE(usedPins.insert(node.refDes + "-" + node.pinDes).second) << "on two nets";
        }
    }
}

}  // namespace
}  // namespace netlist::test
