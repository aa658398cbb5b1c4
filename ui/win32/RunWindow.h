#pragma once

#include "design/DesignLibrary.h"
#include "report/ReportEnvironment.h"
#include "report/RunChoices.h"

namespace netlist::win32 {

// Shows the main window over the given library and runs the message loop
// until the program ends; returns the exit code. The command line's choices
// (designer, lengths, screen) preset the window's controls.
int RunWindow(DesignLibrary& library, const RunChoices& choices);

}  // namespace netlist::win32
