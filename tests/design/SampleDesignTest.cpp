// The bundled sample board: believable connectivity, and the same board in
// the README's example file.
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "design/files/DesignFileLoader.h"
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

TEST(SampleDesign, TheReadmeExampleFileIsTheSameBoard) {
    const std::filesystem::path example =
        std::filesystem::path(NETLIST_TEST_DATA) / ".." / "docs" / "examples" / "sample-board.json";
    const DesignData fromFile = LoadDesignFile(example);
    const DesignData builtIn = SampleDesign();

    EXPECT_EQ(fromFile.designPath, std::filesystem::absolute(example).lexically_normal().string());
    const auto header = [](const DesignData& d) {
        return std::tie(d.kind, d.title, d.engineer, d.revision, d.forcedStatus);
    };
    EXPECT_EQ(header(fromFile), header(builtIn));

    const auto layers = [](const DesignData& d) {
        std::vector<std::tuple<std::string, std::int32_t>> all;
        for (const DesignLayer& l : d.layers) all.emplace_back(l.name, l.type);
        return all;
    };
    EXPECT_EQ(layers(fromFile), layers(builtIn));
    const auto components = [](const DesignData& d) {
        std::vector<std::tuple<std::string, std::int32_t, std::int32_t>> all;
        for (const DesignComponent& c : d.components)
            all.emplace_back(c.refDes, c.padCount, c.bottomSide);
        return all;
    };
    EXPECT_EQ(components(fromFile), components(builtIn));
    const auto nets = [](const DesignData& d) {
        std::vector<std::string> all;
        for (const DesignNet& n : d.nets) {
            all.push_back(std::to_string(n.id) + " " + n.name + " " + std::to_string(n.length) +
                          " " + std::to_string(n.nodeCount));
            for (const DesignNode& node : n.nodes)
                all.back() += " " + node.refDes + "-" + node.pinDes;
        }
        return all;
    };
    EXPECT_EQ(nets(fromFile), nets(builtIn));
}

}  // namespace
}  // namespace netlist
