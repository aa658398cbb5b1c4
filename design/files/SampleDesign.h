#pragma once

#include "design/DesignData.h"

namespace netlist {

// The board served when no design file is named: a small two-sided board
// whose design path lies in the current directory, so its report lands where
// the program was started.
DesignData SampleDesign();

}  // namespace netlist
