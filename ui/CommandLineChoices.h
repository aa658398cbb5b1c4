// The command line's choices, set in the window's controls as if the user had
// made them right after start-up.
#pragma once

#include "app/CommandLine.h"
#include "report/Form1Model.h"

namespace netlist {

// Ticking "With Nets Length" runs Check1_Click, as a click would, so that the
// unit choices are enabled with it.
void ApplyCommandLineChoices(Form1Model& form, const CommandLine& options);

}  // namespace netlist
