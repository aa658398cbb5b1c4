// Opens a finished report for the user to read.
#pragma once

#include <string>

#include "report/ReportEnvironment.h"

namespace netlist {

// Starts the platform's viewer on the report (a native file-system path) and
// returns at once, without waiting for the viewer to close.
ViewerLaunch LaunchViewer(const std::string& reportPath);

}  // namespace netlist
