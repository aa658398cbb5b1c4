#include "app/StartupFailure.h"

#include <iostream>

#include "app/Messages.h"
#include "design/ControlCharacters.h"

namespace netlist {

void ReportStartupFailure(StartupFailure failure, const std::string& message, bool batch) {
    Tell(std::cerr, message);
    std::cerr.flush();
    if (!batch && StartedWithoutTerminal())
        ShowFailureBox(StartupFailureBoxText(failure, TerminalText(message)));
}

}  // namespace netlist
