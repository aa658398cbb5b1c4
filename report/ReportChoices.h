// What a report run writes beyond the design itself: the choices a user
// makes in the window or on the command line.
#pragma once

#include <optional>
#include <string>

namespace netlist {

enum class NetLengths { None, Mils, Mm };

struct ReportChoices {
    std::string designer;  // Windows-1252, for the "Design By" line
    // After each net's pins; written only when the run finds a board.
    NetLengths lengths = NetLengths::None;
    bool openInViewer = false;  // start the viewer on the finished report
    // The report file (a native path); beside the design when absent. The
    // same refusals hold for it.
    std::optional<std::string> outputPath;
};

}  // namespace netlist
