#pragma once

#include "design/DesignLibrary.h"
#include "report/ReportEnvironment.h"
#include "report/RunChoices.h"
#include "ui/DesignChoice.h"

namespace netlist::win32 {

// Shows the main window over the given library and runs the message loop
// until the program ends; returns the exit code. The command line's choices
// (designer, lengths, screen) preset the window's controls; designChoice
// tells whether the user may open another design.
int RunWindow(DesignLibrary& library, const RunChoices& choices, const DesignChoice& designChoice);

}  // namespace netlist::win32
