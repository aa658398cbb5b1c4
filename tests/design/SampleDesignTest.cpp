// The bundled sample board: believable connectivity, and a report that lands
// in the current folder.
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <map>
#include <set>

#include "design/standin/SampleDesign.h"

namespace netlist {
namespace {

TEST(SampleDesign, EveryNodeIsAFreePinOfAComponentThatExists) {
    const DesignData design = SampleDesign();
    std::map<std::string, std::int32_t> padCounts;
    for (const DesignComponent& component : design.components)
        EXPECT_TRUE(padCounts.emplace(component.refDes, component.padCount).second)
            << "two components named " << component.refDes;

    std::set<std::int32_t> ids;
    std::set<std::pair<std::string, int>> usedPins;
    for (const DesignNet& net : design.nets) {
        EXPECT_TRUE(net.id >= 0 && ids.insert(net.id).second) << net.name;
        EXPECT_EQ(net.nodeCount, static_cast<std::int32_t>(net.nodes.size())) << net.name;
        EXPECT_EQ(net.length > 0, net.nodes.size() > 1) << net.name << ": routed iff it connects";
        for (const DesignNode& node : net.nodes) {
            const auto component = padCounts.find(node.refDes);
            ASSERT_NE(component, padCounts.end()) << net.name << ": no component " << node.refDes;
            int pin = 0;
            const char* end = node.pinDes.data() + node.pinDes.size();
            const auto parsed = std::from_chars(node.pinDes.data(), end, pin);
            ASSERT_TRUE(parsed.ec == std::errc() && parsed.ptr == end) << node.pinDes;
            EXPECT_TRUE(pin >= 1 && pin <= component->second) << node.refDes << "-" << pin;
            EXPECT_TRUE(usedPins.emplace(node.refDes, pin).second)
                << node.refDes << "-" << pin << " is on two nets";
        }
    }
    EXPECT_EQ(design.designPath, (std::filesystem::current_path() / "sample-board.pcb").string());
}

}  // namespace
}  // namespace netlist
