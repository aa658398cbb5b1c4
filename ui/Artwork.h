// The program's own pictures, drawn at run time so that the window needs no
// image files: the About box's board, and the icon cut from it. The installed
// icon files under data/icons/ are rendered from the same drawing
// (scripts/render-icons.sh).
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <array>

class QPainter;

namespace netlist {

inline constexpr QSize kAboutPictureSize{160, 243};
inline constexpr std::array<int, 7> kIconSizes{16, 24, 32, 48, 64, 128, 256};

// A two-layer board with a chip, parts, traces and an edge connector, painted
// in kAboutPictureSize coordinates, with or without its silkscreen texts.
void PaintAboutPicture(QPainter& painter, bool withLabels);
QPixmap AboutPicture();

// The icon's rounded outline within (0, 0, size, size), and the width of the
// board edge drawn along it.
struct IconShape {
    QRectF outline;
    qreal corner;
    qreal edge;
};
IconShape IconShapeFor(int size);
// A square cut from the About box's board around its chip, painted into
// (0, 0, size, size) on a transparent background.
void PaintIcon(QPainter& painter, int size);
QPixmap IconPixmap(int size);
// The icon at every size of kIconSizes; both windows carry it.
QIcon NetlistIcon();

}  // namespace netlist
