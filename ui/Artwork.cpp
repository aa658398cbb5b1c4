#include "ui/Artwork.h"

#include <array>
#include <cstddef>

#include "ui/WindowTexts.h"

namespace netlist::artwork {
namespace {

constexpr Colour kBoardGreen{30, 122, 69};
constexpr Colour kBoardDarkGreen{20, 90, 50};
constexpr Colour kBoardEdge{13, 61, 34};
constexpr Colour kCopper{212, 168, 75};
constexpr Colour kChipBlack{28, 28, 30};
constexpr Colour kChipMark{70, 70, 74};
constexpr Colour kPinSilver{190, 194, 200};
constexpr Colour kSilkscreen{236, 240, 236};
constexpr Colour kHoleDark{24, 26, 30};

Shape shapeOf(ShapeKind kind, std::vector<Point> points) {
    Shape shape;
    shape.kind = kind;
    shape.points = std::move(points);
    return shape;
}

Shape filled(ShapeKind kind, Point topLeft, Point bottomRight, Colour top, Colour bottom) {
    Shape shape = shapeOf(kind, {topLeft, bottomRight});
    shape.fillTop = top;
    shape.fillBottom = bottom;
    return shape;
}

Shape filled(ShapeKind kind, Point topLeft, Point bottomRight, Colour colour) {
    return filled(kind, topLeft, bottomRight, colour, colour);
}

Shape rectangle(double x, double y, double width, double height, Colour colour) {
    return filled(ShapeKind::Rectangle, {x, y}, {x + width, y + height}, colour);
}

Shape circle(Point centre, double radius, Colour colour) {
    return filled(ShapeKind::Ellipse, {centre.x - radius, centre.y - radius},
                  {centre.x + radius, centre.y + radius}, colour);
}

Shape trace(std::vector<Point> points, double width) {
    Shape shape = shapeOf(ShapeKind::Polyline, std::move(points));
    shape.pen = kCopper;
    shape.penWidth = width;
    return shape;
}

void addBoard(Picture& picture, Point topLeft, Point bottomRight, double radius) {
    Shape board =
        filled(ShapeKind::RoundedRectangle, topLeft, bottomRight, kBoardGreen, kBoardDarkGreen);
    board.pen = kBoardEdge;
    board.penWidth = 1.5;
    board.radius = radius;
    picture.shapes.push_back(board);
}

// A square chip with pins on all four sides, pin 1 marked by a dot.
void addChip(Picture& picture, double left, double top, double side, int pinsPerSide,
             double pinLength) {
    const double pitch = side / (pinsPerSide + 1);
    const double pinWidth = pitch * 0.5;
    for (int i = 1; i <= pinsPerSide; ++i) {
        const double along = pitch * i - pinWidth / 2;
        auto& shapes = picture.shapes;
        shapes.push_back(rectangle(left + along, top - pinLength, pinWidth, pinLength, kPinSilver));
        shapes.push_back(rectangle(left + along, top + side, pinWidth, pinLength, kPinSilver));
        shapes.push_back(rectangle(left - pinLength, top + along, pinLength, pinWidth, kPinSilver));
        shapes.push_back(rectangle(left + side, top + along, pinLength, pinWidth, kPinSilver));
    }
    picture.shapes.push_back(rectangle(left, top, side, side, kChipBlack));
    const double dot = side / 10;
    picture.shapes.push_back(filled(ShapeKind::Ellipse, {left + dot, top + dot},
                                    {left + dot * 2.4, top + dot * 2.4}, kChipMark));
}

void addMountingHole(Picture& picture, Point centre, double radius) {
    picture.shapes.push_back(circle(centre, radius, kCopper));
    picture.shapes.push_back(circle(centre, radius * 0.55, kHoleDark));
}

// A two-terminal part lying along x: copper pads with a body between them.
void addPassive(Picture& picture, Point centre, double length, Colour body) {
    picture.shapes.push_back(rectangle(centre.x - length / 2, centre.y - 3, 4, 6, kCopper));
    picture.shapes.push_back(rectangle(centre.x + length / 2 - 4, centre.y - 3, 4, 6, kCopper));
    picture.shapes.push_back(
        rectangle(centre.x - length / 2 + 3, centre.y - 2.5, length - 6, 5, body));
}

void addText(Picture& picture, Point topLeft, Point bottomRight, const char* text) {
    Shape shape = shapeOf(ShapeKind::Text, {topLeft, bottomRight});
    shape.pen = kSilkscreen;
    shape.text = text;
    shape.textPixelSize = 8;
    picture.shapes.push_back(shape);
}

}  // namespace

Picture IconPicture() {
    Picture picture{32, 32, {}};
    addBoard(picture, {1.5, 1.5}, {30.5, 30.5}, 4);
    picture.shapes.push_back(trace({{16, 10}, {16, 5}, {26, 5}}, 1.6));
    picture.shapes.push_back(trace({{16, 22}, {16, 27}, {6, 27}}, 1.6));
    picture.shapes.push_back(trace({{10, 16}, {5, 16}}, 1.6));
    picture.shapes.push_back(trace({{22, 16}, {27, 16}}, 1.6));
    addChip(picture, 11, 11, 10, 3, 2);
    return picture;
}

Picture AboutPicture() {
    Picture picture{window::kAboutPicture.width, window::kAboutPicture.height, {}};
    picture.shapes.push_back(filled(ShapeKind::Rectangle, {0, 0},
                                    {double(picture.width), double(picture.height)}, {58, 64, 74},
                                    {30, 33, 39}));

    addBoard(picture, {12, 12}, {148, 231}, 8);
    for (const Point hole : {Point{22, 22}, Point{138, 22}, Point{22, 196}, Point{138, 196}})
        addMountingHole(picture, hole, 5);

    // Traces first, so that parts and pads cover their ends.
    const std::array<double, 6> fingers{38, 54, 70, 86, 102, 118};
    for (std::size_t i = 0; i < fingers.size(); ++i) {
        const double pinX = 62 + static_cast<double>(i) * 7.2;
        const double bend = 150 + static_cast<double>(i % 3) * 6;
        picture.shapes.push_back(
            trace({{pinX, 110}, {pinX, bend - 12}, {fingers[i], bend}, {fingers[i], 214}}, 2));
    }
    picture.shapes.push_back(trace({{52, 70}, {34, 70}, {34, 48}}, 2));
    picture.shapes.push_back(trace({{108, 70}, {126, 70}, {126, 48}}, 2));
    picture.shapes.push_back(trace({{80, 46}, {80, 34}, {106, 34}}, 2));
    picture.shapes.push_back(trace({{52, 86}, {30, 122}}, 2));
    picture.shapes.push_back(trace({{108, 86}, {130, 122}}, 2));

    addChip(picture, 56, 50, 48, 6, 5);
    addPassive(picture, {34, 44}, 18, {210, 190, 150});
    addPassive(picture, {126, 44}, 18, {210, 190, 150});
    addPassive(picture, {112, 34}, 16, {120, 90, 60});
    addPassive(picture, {30, 128}, 18, {70, 110, 160});
    addPassive(picture, {130, 128}, 18, {70, 110, 160});

    // Edge connector along the bottom.
    for (const double x : fingers) {
        Shape finger = filled(ShapeKind::RoundedRectangle, {x - 4, 212}, {x + 4, 229}, kCopper);
        finger.radius = 1.5;
        picture.shapes.push_back(finger);
    }

    addText(picture, {56, 50}, {104, 98}, "NR-1");
    addText(picture, {30, 14}, {130, 26}, "netlist-report");
    return picture;
}

}  // namespace netlist::artwork
