#include "ui/RunWindow.h"

#include "app/BatchRun.h"

namespace netlist {

int RunWindow(int, char**, DesignLibrary& library, const CommandLine& options) {
    return RunBatch(library, options);  // until the window exists
}

}  // namespace netlist
