// The command line: which design the stand-in serves, and the choices the
// window would otherwise offer, for scripting and for machines without a
// display.
#pragma once

#include <iostream>
#include <optional>
#include <string>

#include "report/RunChoices.h"

namespace netlist {

struct CommandLine {
    bool batch = false;
    RunChoices choices;
    std::optional<std::string> design;   // design file; the built-in sample when absent
    std::optional<std::string> compare;  // the old design file or report to compare with
};

// Parses argv into options. Returns an exit code when the program should stop
// at once: --help and --version, written to out, or a usage error, which is
// reported on err in one line.
std::optional<int> ParseCommandLine(int argc, const char* const* argv, CommandLine& options,
                                    std::ostream& out = std::cout, std::ostream& err = std::cerr);

}  // namespace netlist
