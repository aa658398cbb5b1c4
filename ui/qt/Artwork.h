// The program's pictures (ui/Artwork.h) painted with Qt.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace netlist {

QIcon NetlistIcon();
QPixmap AboutPicture();

}  // namespace netlist
