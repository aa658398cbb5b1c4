#pragma once

#include "design/DesignLibrary.h"
#include "report/RunChoices.h"
#include "ui/DesignChoice.h"

namespace netlist {

// Shows the main window over the given library and runs the event loop until
// the program ends; returns the exit code. The command line's choices
// (designer, lengths, screen) preset the window's controls; designChoice
// tells whether the user may open another design.
int RunWindow(int argc, char** argv, DesignLibrary& library, const RunChoices& choices,
              const DesignChoice& designChoice);

}  // namespace netlist
