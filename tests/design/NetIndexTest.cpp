#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "design/standin/NetIndex.h"

namespace netlist::test {
namespace {

TEST(NetIndex, FindsEachIdsFirstNetAndMissesTheRest) {
    const struct {
        std::vector<std::int32_t> ids;  // the nets' ids in file order
        std::vector<std::int32_t> missing;
    } cases[] = {
        {{3, 1, 2, 7}, {5, 0, 8, -1}},                  // dense: a gap, below and above the range
        {{INT_MIN, 0, INT_MAX, -5}, {1, INT_MIN + 1}},  // sparse
        {{4, 4, 5}, {3}},
        {{4, 1000000000, 4}, {5}},
        {{}, {0, 1}},
        // Numbered in order, found by arithmetic: every id just outside must still miss.
        {{0, 1, 2}, {-1, 3, INT_MAX}},
        {{-3, -2, -1}, {-4, 0, INT_MIN}},
        {{INT_MIN, INT_MIN + 1, INT_MIN + 2}, {INT_MIN + 3, INT_MAX}},
        {{INT_MAX - 2, INT_MAX - 1, INT_MAX}, {INT_MAX - 3, INT_MIN, -1}},
    };
    for (const auto& c : cases) {
        std::vector<DesignNet> nets;
        for (const std::int32_t id : c.ids) nets.push_back({id, std::to_string(id), 0, 0, {}});
        const NetIndex index(nets);
        for (std::size_t i = 0; i < c.ids.size(); ++i) {
            const std::size_t first =
                std::find(c.ids.begin(), c.ids.end(), c.ids[i]) - c.ids.begin();
            EXPECT_EQ(index.find(c.ids[i]), first) << c.ids[i];
        }
        for (const std::int32_t id : c.missing) EXPECT_FALSE(index.find(id)) << id;
    }
}

}  // namespace
}  // namespace netlist::test
