// The program's pictures (ui/Artwork.h) painted with GDI.
#pragma once

#include <windows.h>

#include "ui/Artwork.h"

namespace netlist::win32 {

// Paints the picture scaled into the rectangle.
void PaintPicture(HDC dc, const artwork::Picture& picture, const RECT& target);
// The picture as an icon of the given size; the caller destroys it.
HICON CreatePictureIcon(const artwork::Picture& picture, int size);

}  // namespace netlist::win32

namespace netlist::win32 {

// The resource id of the program's icon in the executable.
inline constexpr int kProgramIconResource = 1;

// The program's icon at the given size: the executable's own when it has
// one, else the icon picture drawn. Made once per size, never destroyed.
HICON ProgramIcon(int size);

}  // namespace netlist::win32
