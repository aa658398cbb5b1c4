// The choices a user makes in the main window after start-up, given before it
// instead: on the command line, for the batch mode and to preset the window.
#pragma once

#include <optional>
#include <string>

#include "report/ReportChoices.h"

namespace netlist {

struct RunChoices {
    std::string designer;                   // UTF-8, as typed
    NetLengths lengths = NetLengths::None;  // "With Nets Length" and its unit
    bool screen = false;                    // open the report when written
    // The report file, UTF-8 as typed; beside the design when absent.
    std::optional<std::string> output;
};

}  // namespace netlist
