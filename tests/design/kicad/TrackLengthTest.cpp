#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "design/files/kicad/TrackLength.h"

namespace netlist::kicad {
namespace {

constexpr double pi = std::numbers::pi;

// Arcs of every way round are measured on the boards (KicadBoardReaderTest and
// the demo boards' independent figures); here the arcs a hostile file may give.
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
