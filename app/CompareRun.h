#pragma once

#include "app/CommandLine.h"

namespace netlist {

// --compare: reads the old side (a design file or a report) and the new one
// (the design a plain run would report on), writes the compare report beside
// the new design and returns the exit code: 0 when they do not differ, 5
// when they do, 1 to 4 for trouble as a report run.
int RunCompare(const CommandLine& options);

}  // namespace netlist
