#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "design/files/kicad/TrackLength.h"

namespace netlist::kicad {
namespace {

constexpr double pi = std::numbers::pi;

TEST(TrackLength, ArcsRunFromStartThroughMidToEnd) {
    const struct {
        Point start, mid, end;
        double length;
    } cases[] = {
        // Radius 1 around the origin, every way round.
        {{1, 0}, {0, 1}, {-1, 0}, pi},                               // upper half
        {{1, 0}, {0, -1}, {-1, 0}, pi},                              // lower half
        {{1, 0}, {std::sqrt(0.5), std::sqrt(0.5)}, {0, 1}, pi / 2},  // quarter
        {{0, 1}, {std::sqrt(0.5), std::sqrt(0.5)}, {1, 0}, pi / 2},  // the same quarter backwards
        {{1, 0}, {-1, 0}, {0, 1}, 3 * pi / 2},                       // the long way round
        {{0, 1}, {-1, 0}, {1, 0}, 3 * pi / 2},
        // Off the origin, at board coordinates, radius 0.25.
        {{150.25, 80}, {150, 80.25}, {149.75, 80}, pi * 0.25},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ArcLength(c.start, c.mid, c.end), c.length, 1e-9)
            << c.start.x << "," << c.start.y << " " << c.mid.x << "," << c.mid.y;
}

TEST(TrackLength, DegenerateArcsStayFinite) {
    // Three points on a line: a straight piece from start to end.
    EXPECT_DOUBLE_EQ(ArcLength({0, 0}, {1, 1}, {2, 2}), std::sqrt(8.0));
    // Start and end together: the circle whose diameter runs to mid.
    EXPECT_NEAR(ArcLength({0, 0}, {2, 0}, {0, 0}), 2 * pi, 1e-12);
    EXPECT_EQ(ArcLength({3, 4}, {3, 4}, {3, 4}), 0);
    // Mid on start: no circle either.
    EXPECT_DOUBLE_EQ(ArcLength({0, 0}, {0, 0}, {3, 4}), 5);
    // A mid point far out beside close ends: nearly the whole of a huge circle,
    // or more than the numbers hold, never the short way between the ends.
    EXPECT_NEAR(ArcLength({0, 0}, {1, 1e15}, {2, 0}), pi * 1e15, 1e3);
    for (const double far : {1e154, 1e300, 1.7e308})
        EXPECT_GT(ArcLength({0, 0}, {1, far}, {2, 0}), far) << far;
}

}  // namespace
}  // namespace netlist::kicad
