#include <gtest/gtest.h>

#include <climits>

#include "design/standin/NetIndex.h"

namespace netlist {
namespace {

std::vector<DesignNet> netsWithIds(std::initializer_list<std::int32_t> ids) {
    std::vector<DesignNet> nets;
    for (const std::int32_t id : ids) nets.push_back({id, std::to_string(id), 0, 0, {}});
    return nets;
}

TEST(NetIndex, FindsDenselyNumberedNetsAndMissesTheGaps) {
    const NetIndex index(netsWithIds({3, 1, 2, 7}));
    EXPECT_EQ(index.find(3), 0u);
    EXPECT_EQ(index.find(1), 1u);
    EXPECT_EQ(index.find(7), 3u);
    EXPECT_FALSE(index.find(5));  // a gap inside the table
    EXPECT_FALSE(index.find(0));  // below the lowest id
    EXPECT_FALSE(index.find(8));  // above the highest id
    EXPECT_FALSE(index.find(-1));
}

TEST(NetIndex, FindsSparseAndExtremeIds) {
    const NetIndex index(netsWithIds({INT_MIN, 0, INT_MAX, -5}));
    EXPECT_EQ(index.find(INT_MIN), 0u);
    EXPECT_EQ(index.find(0), 1u);
    EXPECT_EQ(index.find(INT_MAX), 2u);
    EXPECT_EQ(index.find(-5), 3u);
    EXPECT_FALSE(index.find(1));
}

TEST(NetIndex, TheFirstNetOfARepeatedIdWins) {
    for (const auto& nets : {netsWithIds({4, 4, 5}), netsWithIds({4, 1000000000, 4})}) {
        const NetIndex index(nets);
        EXPECT_EQ(index.find(4), 0u);
    }
}

TEST(NetIndex, AnEmptyDesignHasNoNets) {
    const NetIndex index(netsWithIds({}));
    EXPECT_FALSE(index.find(0));
    EXPECT_FALSE(index.find(1));
}

}  // namespace
}  // namespace netlist
