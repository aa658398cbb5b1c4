// The program's pictures (ui/Artwork.h) painted with Qt.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "ui/Artwork.h"

class QPainter;

namespace netlist {

// Paints the picture in its own coordinates; without its texts, small
// renderings stay free of grey smudges.
void PaintPicture(QPainter& painter, const artwork::Picture& picture, bool withTexts = true);

QIcon NetlistIcon();
QPixmap AboutPicture();

}  // namespace netlist
