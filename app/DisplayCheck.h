#pragma once

namespace netlist {

// Whether a window can be shown: a display server is named, or Qt was told
// which platform to draw on (offscreen, for tests and screenshots).
bool HasDisplay();

// Whether a window would be seen by someone: a display server is named and
// Qt is not told to draw off screen.
bool HasVisibleDisplay();

}  // namespace netlist
