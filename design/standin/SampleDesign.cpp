#include "design/standin/SampleDesign.h"

#include <filesystem>

namespace netlist {

DesignData SampleDesign() {
    DesignData design;
    design.kind = DesignKind::Pcb;
    design.designPath = (std::filesystem::current_path() / "sample-board.pcb").string();
    design.title = "Sample board";
    design.nets.push_back({1, "GND", 254000, 2, {{"U1", "7"}, {"C1", "2"}}});
    return design;
}

}  // namespace netlist
