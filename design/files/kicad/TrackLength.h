// The length of a routed track piece, in the file's millimetres.
#pragma once

namespace netlist::kicad {

struct Point {
    double x = 0;
    double y = 0;
};

double StraightLength(Point start, Point end);

// The length of the circular arc that runs from start through mid to end:
// radius times the angle it sweeps. Points on one line make a straight piece
// from start to end; start equal to end, the full circle whose diameter runs
// from start to mid. An arc whose length overflows is infinitely long.
double ArcLength(Point start, Point mid, Point end);

}  // namespace netlist::kicad
