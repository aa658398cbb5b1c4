#pragma once

#include <string>

#include "ui/qt/WindowModule.h"

namespace netlist {

// Loads the window module and returns its entries, or none with the reason in
// failure. The module is looked for where an installation puts it, relative to
// the program's own file (PREFIX/bin → PREFIX/LIBDIR/netlist-report), then beside
// the program, where the build tree has it; never in the current folder nor
// along the library search path.
WindowModule LoadWindowModule(std::string& failure);

}  // namespace netlist
