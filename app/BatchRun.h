#pragma once

#include "design/DesignLibrary.h"
#include "report/RunChoices.h"

namespace netlist {

// Start-up and one press of Start without a window; returns the exit code.
int RunBatch(DesignLibrary& library, const RunChoices& choices);

}  // namespace netlist
