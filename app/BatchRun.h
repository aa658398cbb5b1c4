#pragma once

#include "app/CommandLine.h"
#include "design/DesignLibrary.h"

namespace netlist {

// Start-up and one press of Start without a window; returns the exit code.
int RunBatch(DesignLibrary& library, const CommandLine& options);

}  // namespace netlist
