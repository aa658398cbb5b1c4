// Nets numbered in order are found by arithmetic; every id just outside the
// numbers must still miss.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "design/standin/NetIndex.h"

namespace netlist::test {
namespace {

TEST(NetIndex, FindsNetsNumberedInOrderAndMissesJustOutside) {
    for (const std::int64_t lowest :
         {std::int64_t{0}, std::int64_t{-3}, std::int64_t{INT_MIN}, std::int64_t{INT_MAX} - 2}) {
        std::vector<DesignNet> nets;
        for (std::int64_t id = lowest; id < lowest + 3; ++id)
            nets.push_back({static_cast<std::int32_t>(id), "N", 0, 0, {}});
        const NetIndex index(nets);
        for (std::size_t i = 0; i < nets.size(); ++i) EXPECT_EQ(index.find(nets[i].id), i);
        if (lowest > INT_MIN) {
            EXPECT_FALSE(index.find(static_cast<std::int32_t>(lowest - 1)));
        }
        if (lowest + 3 <= INT_MAX) {
            EXPECT_FALSE(index.find(static_cast<std::int32_t>(lowest + 3)));
        }
        EXPECT_FALSE(index.find(lowest > 0 ? INT_MIN : INT_MAX)) << lowest;
    }
}

}  // namespace
}  // namespace netlist::test
