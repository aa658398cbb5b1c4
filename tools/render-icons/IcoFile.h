// Writes a Windows icon file holding several sizes of one picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace netlist {

// Images up to 255 pixels go in as 32-bit bitmaps, which every Windows icon
// loader reads; 256 pixels goes in as PNG, as Windows expects at that size.
QByteArray IcoFile(const std::vector<QImage>& images);

}  // namespace netlist
