#include "report/compare/SideRole.h"

namespace netlist {

SideRole RoleOf(const DesignSnapshot& side) {
    if (side.bareBoardNetlist || side.kind == "Schmatic") return SideRole::Netlist;
    if (side.kind == "Pcb") return SideRole::Board;
    return SideRole::Other;
}

bool BoardAgainstNetlist(const DesignSnapshot& before, const DesignSnapshot& after) {
    const SideRole a = RoleOf(before), b = RoleOf(after);
    return a != b && a != SideRole::Other && b != SideRole::Other;
}

bool MatchedByPins(const DesignSnapshot& before, const DesignSnapshot& after) {
    return before.bareBoardNetlist || after.bareBoardNetlist;
}

}  // namespace netlist
