// Opens a finished report for the user to read.
#pragma once

#include <string>

#include "report/ReportEnvironment.h"

namespace netlist {

// Starts the platform's viewer on the report (a native file-system path) and
// returns at once, without waiting for the viewer to close.
ViewerLaunch LaunchViewer(const std::string& reportPath);

// The report path as the viewer is given it, so that it is never read as one
// of the viewer's options: on Linux a relative path gets "./" before it
// ("--help.wrf" would ask xdg-open for its help, "http:x.wrf" for a web
// page); on Windows a leading "/" becomes "\" (the same file, where "/P"
// would ask the editor to print).
std::string ViewerArgument(const std::string& reportPath);

}  // namespace netlist
