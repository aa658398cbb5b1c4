// The program's own pictures, the window icon and the About box's board, as
// plain drawing instructions: each window's toolkit paints them with its own
// painter, so that both windows show the same pictures and nothing needs to
// be shipped as an image file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace netlist::artwork {

struct Colour {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};

struct Point {
    double x;
    double y;
};

enum class ShapeKind {
    Rectangle,         // points: top left, bottom right
    RoundedRectangle,  // the same, corners of the radius
    Ellipse,           // the bounding rectangle
    Polyline,          // the points in order, drawn with round caps and joins
    Text               // centred in the rectangle, bold, textPixelSize high
};

struct Shape {
    ShapeKind kind = ShapeKind::Rectangle;
    std::vector<Point> points;
    // The fill, from top to bottom: two equal colours fill evenly.
    std::optional<Colour> fillTop;
    std::optional<Colour> fillBottom;
    std::optional<Colour> pen;  // the outline, or the text's colour
    double penWidth = 1;
    double radius = 0;
    std::string text;
    double textPixelSize = 8;
};

struct Picture {
    int width;
    int height;
    std::vector<Shape> shapes;  // painted in order, later over earlier
};

// A small board with one chip, in a 32 by 32 square; the icon at any size
// scales it.
Picture IconPicture();
// A two-layer board with a chip, parts, traces and an edge connector,
// 160 by 243 pixels.
Picture AboutPicture();

}  // namespace netlist::artwork
