// The choices a user makes in the main window after start-up, given before it
// instead: on the command line, for the batch mode and to preset the window.
#pragma once

#include <optional>
#include <string>

#include "report/ReportChoices.h"

namespace netlist {

class Form1Model;

struct RunChoices {
    std::string designer;                   // UTF-8, as typed
    NetLengths lengths = NetLengths::None;  // "With Nets Length" and its unit
    bool screen = false;                    // open the report when written
    // The report file, UTF-8 as typed; beside the design when absent.
    std::optional<std::string> output;
};

// Sets the choices in the controls as a user could right after Form_Load:
// a control the window leaves disabled keeps its state, so lengths are
// ticked on a board only. Ticking runs Check1_Click, as a click would. An
// output file becomes the target of every press of Start.
void ApplyRunChoices(Form1Model& form, const RunChoices& choices);

}  // namespace netlist
