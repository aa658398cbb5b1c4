#pragma once

#include "app/CommandLine.h"
#include "design/DesignLibrary.h"
#include "report/ReportEnvironment.h"

namespace netlist::win32 {

// Shows the main window over the given library and runs the message loop
// until the program ends; returns the exit code. The command line's choices
// (designer, lengths, screen) preset the window's controls.
int RunWindow(DesignLibrary& library, const CommandLine& options);

}  // namespace netlist::win32
