// The bundled sample board: believable connectivity, the features the report
// needs to show, and the same board in the README's example file.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "design/files/DesignFileLoader.h"
#include "design/standin/SampleDesign.h"

namespace netlist {
namespace {

bool isSupplyName(const std::string& name) {
    return name.starts_with('+') || name.starts_with('-') || name.starts_with("GND") ||
           name.starts_with("VCC") || name.starts_with("SHI");
}

bool isDigit(char c) {
    return c >= '1' && c <= '9';
}

TEST(SampleDesign, EveryNodeIsAFreePinOfAComponentThatExists) {
    const DesignData design = SampleDesign();
    std::map<std::string, std::int32_t> padCounts;
    for (const DesignComponent& component : design.components)
        EXPECT_TRUE(padCounts.emplace(component.refDes, component.padCount).second)
            << "two components named " << component.refDes;

    std::set<std::pair<std::string, int>> usedPins;
    for (const DesignNet& net : design.nets) {
        for (const DesignNode& node : net.nodes) {
            const auto component = padCounts.find(node.refDes);
            ASSERT_NE(component, padCounts.end()) << net.name << ": no component " << node.refDes;
            int pin = 0;
            const auto [end, error] =
                std::from_chars(node.pinDes.data(), node.pinDes.data() + node.pinDes.size(), pin);
            ASSERT_TRUE(error == std::errc() && end == node.pinDes.data() + node.pinDes.size())
                << node.pinDes;
            EXPECT_GE(pin, 1) << net.name << " " << node.refDes;
            EXPECT_LE(pin, component->second) << net.name << " " << node.refDes;
            EXPECT_TRUE(usedPins.emplace(node.refDes, pin).second)
                << node.refDes << "-" << pin << " is on two nets";
        }
    }
}

TEST(SampleDesign, NetsAreConsistent) {
    const DesignData design = SampleDesign();
    std::set<std::int32_t> ids;
    for (const DesignNet& net : design.nets) {
        EXPECT_TRUE(ids.insert(net.id).second) << "id " << net.id << " twice";
        EXPECT_GE(net.id, 0);
        EXPECT_EQ(net.nodeCount, static_cast<std::int32_t>(net.nodes.size())) << net.name;
        if (net.nodes.size() > 1) {
            EXPECT_GT(net.length, 0) << net.name << " is not routed";
        } else {
            EXPECT_EQ(net.length, 0) << net.name << " has no second pin to route to";
        }
    }
}

// What the report of the sample is meant to show off.
TEST(SampleDesign, HasWhatTheReportShows) {
    const DesignData design = SampleDesign();
    EXPECT_EQ(design.kind, DesignKind::Pcb);
    EXPECT_EQ(design.designPath, (std::filesystem::current_path() / "sample-board.pcb").string());
    EXPECT_FALSE(design.title.empty() || design.engineer.empty() || design.revision.empty());

    EXPECT_GE(design.components.size(), 20u);
    const auto onBottom = std::count_if(design.components.begin(), design.components.end(),
                                        [](const DesignComponent& c) { return c.bottomSide != 0; });
    EXPECT_GT(onBottom, 0);
    EXPECT_LT(onBottom, static_cast<std::ptrdiff_t>(design.components.size()));

    const auto copper =
        std::count_if(design.layers.begin(), design.layers.end(),
                      [](const DesignLayer& l) { return l.type == 0 || l.type == 1; });
    EXPECT_EQ(copper, 4);
    EXPECT_GT(design.layers.size(), 4u);

    EXPECT_GE(design.nets.size(), 35u);
    std::set<std::string> names;
    int supplies = 0, singles = 0, wide = 0, zeroInsertions = 0, long16 = 0;
    for (const DesignNet& net : design.nets) {
        names.insert(net.name);
        supplies += isSupplyName(net.name);
        singles += net.nodeCount == 1;
        wide += net.nodeCount >= 5;
        long16 += net.name.size() >= 16;
        const std::string& n = net.name;
        zeroInsertions += n.size() >= 2 && isDigit(n.back()) && !isDigit(n[n.size() - 2]);
    }
    for (const char* supply : {"GND", "+5V", "+3V3", "-12V"}) EXPECT_TRUE(names.count(supply));
    EXPECT_TRUE(std::any_of(names.begin(), names.end(),
                            [](const std::string& n) { return n.starts_with("VCC"); }));
    EXPECT_GE(supplies, 5);
    EXPECT_GE(singles, 2);
    EXPECT_GE(wide, 2);
    EXPECT_GE(long16, 1);
    EXPECT_GE(zeroInsertions, 4);
}

TEST(SampleDesign, TheReadmeExampleFileIsTheSameBoard) {
    const std::filesystem::path example =
        std::filesystem::path(NETLIST_TEST_DATA) / ".." / "docs" / "examples" / "sample-board.json";
    const DesignData fromFile = LoadDesignFile(example);
    const DesignData builtIn = SampleDesign();

    EXPECT_EQ(fromFile.designPath, std::filesystem::absolute(example).lexically_normal().string());
    EXPECT_EQ(fromFile.kind, builtIn.kind);
    EXPECT_EQ(std::tie(fromFile.title, fromFile.engineer, fromFile.revision),
              std::tie(builtIn.title, builtIn.engineer, builtIn.revision));
    EXPECT_EQ(fromFile.forcedStatus, builtIn.forcedStatus);

    const auto layer = [](const DesignLayer& l) { return std::tie(l.name, l.type); };
    ASSERT_EQ(fromFile.layers.size(), builtIn.layers.size());
    for (std::size_t i = 0; i < builtIn.layers.size(); ++i)
        EXPECT_EQ(layer(fromFile.layers[i]), layer(builtIn.layers[i])) << i;

    const auto component = [](const DesignComponent& c) {
        return std::tie(c.refDes, c.padCount, c.bottomSide);
    };
    ASSERT_EQ(fromFile.components.size(), builtIn.components.size());
    for (std::size_t i = 0; i < builtIn.components.size(); ++i)
        EXPECT_EQ(component(fromFile.components[i]), component(builtIn.components[i])) << i;

    const auto net = [](const DesignNet& n) {
        std::vector<std::pair<std::string, std::string>> nodes;
        for (const DesignNode& node : n.nodes) nodes.emplace_back(node.refDes, node.pinDes);
        return std::tuple(n.id, n.name, n.length, n.nodeCount, nodes);
    };
    ASSERT_EQ(fromFile.nets.size(), builtIn.nets.size());
    for (std::size_t i = 0; i < builtIn.nets.size(); ++i)
        EXPECT_EQ(net(fromFile.nets[i]), net(builtIn.nets[i])) << i;
}

}  // namespace
}  // namespace netlist
