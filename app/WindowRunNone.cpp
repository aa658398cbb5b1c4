#include "app/WindowRun.h"

// A build without the window: the batch mode writes the report.
namespace netlist {

std::optional<int> RunWindowIfShown(int, char**, DesignLibrary&, const RunChoices&,
                                    const DesignChoice&) {
    return std::nullopt;
}

}  // namespace netlist
