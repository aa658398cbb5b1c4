// What each side of a comparison is, as far as the comparison's rules and
// its report's wording go.
#pragma once

#include "report/compare/DesignSnapshot.h"

namespace netlist {

enum class SideRole {
    Board,    // a board, or a report of one
    Netlist,  // a schematic's netlist or a bare-board netlist, or a report of one
    Other,    // a design of no known kind
};

SideRole RoleOf(const DesignSnapshot& side);

// A board against a netlist: the netlist knows no pads without a pin and no
// pin twice, and the compare report names the sides ("on the board only")
// rather than calling them OLD and NEW.
bool BoardAgainstNetlist(const DesignSnapshot& before, const DesignSnapshot& after);

// Either side is a bare-board netlist, whose names are cut short: nets are
// matched by their pins alone.
bool MatchedByPins(const DesignSnapshot& before, const DesignSnapshot& after);

}  // namespace netlist
