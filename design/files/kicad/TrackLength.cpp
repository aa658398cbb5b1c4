#include "design/files/kicad/TrackLength.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace netlist::kicad {
namespace {

// A length no net can hold, for arcs whose numbers overflow.
constexpr double kUnrepresentable = std::numeric_limits<double>::infinity();

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
    // The arc passes through all three points, so it is at least as long as
    // either chord from start: chords too long to multiply make an arc too
    // long for any net.
    const double chords = std::hypot(bx, by) * std::hypot(cx, cy);
    if (!std::isfinite(chords)) return kUnrepresentable;
    const double d = 2 * (bx * cy - by * cx);
    // In line when the angle between the chords is lost in rounding, measured
    // against both chords: a mid point far out beside close ends is no line.
    if (std::abs(d) <= 2e-12 * chords) {
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
    const double length = radius * sweep;
    return std::isfinite(length) ? length : kUnrepresentable;
}

}  // namespace netlist::kicad
