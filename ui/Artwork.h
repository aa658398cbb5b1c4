// The program's own pictures, drawn at run time so that nothing needs to be
// shipped as an image file: the window icon and the About box's board.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace netlist {

inline constexpr QSize kAboutPictureSize{160, 243};

// A small board with one chip; both windows carry it.
QIcon NetlistIcon();
// A two-layer board with a chip, parts, traces and an edge connector.
QPixmap AboutPicture();

}  // namespace netlist
