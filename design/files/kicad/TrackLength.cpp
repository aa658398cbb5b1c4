#include "design/files/kicad/TrackLength.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace netlist::kicad {
namespace {

// Angle in [0, 2*pi) turned counter-clockwise (in the x/y sense of the
// numbers) from one direction to another.
double turn(double from, double to) {
    double angle = std::fmod(to - from, 2 * std::numbers::pi);
    if (angle < 0) angle += 2 * std::numbers::pi;
    return angle;
}

}  // namespace

double StraightLength(Point start, Point end) {
    return std::hypot(end.x - start.x, end.y - start.y);
}

double ArcLength(Point start, Point mid, Point end) {
    // The circle through the three points, from the intersection of the
    // perpendicular bisectors, worked relative to start for precision.
    const double bx = mid.x - start.x, by = mid.y - start.y;
    const double cx = end.x - start.x, cy = end.y - start.y;
    const double d = 2 * (bx * cy - by * cx);
    const double scale = std::max({std::abs(bx), std::abs(by), std::abs(cx), std::abs(cy)});
    if (std::abs(d) <= 1e-12 * scale * scale) {
        // A closed arc is the circle whose diameter runs from start to mid.
        if (cx == 0 && cy == 0) return std::numbers::pi * std::hypot(bx, by);
        return StraightLength(start, end);
    }
    const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    const double ux = (cy * b2 - by * c2) / d;
    const double uy = (bx * c2 - cx * b2) / d;
    const double radius = std::hypot(ux, uy);

    const double toStart = std::atan2(-uy, -ux);
    const double toMid = std::atan2(by - uy, bx - ux);
    const double toEnd = std::atan2(cy - uy, cx - ux);
    const double startToEnd = turn(toStart, toEnd);
    const double startToMid = turn(toStart, toMid);
    // Counter-clockwise from start, mid comes before end on the arc's way;
    // otherwise the arc runs the other way round.
    const double sweep = startToMid <= startToEnd ? startToEnd : 2 * std::numbers::pi - startToEnd;
    return radius * sweep;
}

}  // namespace netlist::kicad
