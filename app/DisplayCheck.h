#pragma once

namespace netlist {

// Whether a window can be shown: a display server is named, or Qt was told
// which platform to draw on (offscreen, for tests and screenshots).
bool HasDisplay();

}  // namespace netlist
