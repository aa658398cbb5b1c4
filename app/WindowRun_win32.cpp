#include "app/WindowRun.h"
#include "ui/win32/RunWindow.h"

namespace netlist {

std::optional<int> RunWindowIfShown(int, char**, DesignLibrary& library, const RunChoices& choices,
                                    const DesignChoice& designChoice) {
    return win32::RunWindow(library, choices, designChoice);
}

}  // namespace netlist
