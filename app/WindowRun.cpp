#include "app/WindowRun.h"

#include <iostream>
#include <string>

#include "app/DisplayCheck.h"
#include "app/Messages.h"
#include "app/StartupFailure.h"
#include "app/WindowLauncher.h"

namespace netlist {

std::optional<int> RunWindowIfShown(int argc, char** argv, DesignLibrary& library,
                                    const RunChoices& choices, const DesignChoice& designChoice) {
    std::string failure;
    if (!HasDisplay()) {
        Tell(std::cerr,
             "no display to show the window on; writing the report in batch mode instead");
    } else if (const WindowModule window = LoadWindowModule(failure)) {
        return window.runWindow(argc, argv, library, choices, designChoice);
    } else {
        ReportStartupFailure(StartupFailure::WindowModuleMissing,
                             failure + "; writing the report in batch mode instead", false);
    }
    return std::nullopt;
}

}  // namespace netlist
