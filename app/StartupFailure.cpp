#include "app/StartupFailure.h"

#include <iostream>

namespace netlist {

void ReportStartupFailure(StartupFailure failure, const std::string& message, bool batch) {
    std::cerr << "netlist-report: " << message << std::endl;
    if (!batch && StartedWithoutTerminal()) ShowFailureBox(StartupFailureBoxText(failure, message));
}

}  // namespace netlist
