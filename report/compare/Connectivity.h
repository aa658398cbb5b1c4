// Compares two sides by their nets' pins, whatever the nets are called: which
// nets of one side hold which pins of the other's.
//
// A pin takes part when it is connected on either side, that is, it shares
// a net with another pin; a pin alone in its net, or in none, on both sides
// is left out. Each pin links the net of OLD it is in with the net of NEW it
// is in; a pin in a net on one side only, with other pins, and in no net of
// the other side is a pin only on that side. The nets that two sides' nets
// share the most pins with (more pins first, then a name the same, then the
// order of names and pins) and that choose each other are counterparts, the
// same net on both sides. A net holds most of another's pins when more than
// half of the other net's linked and one-side pins are in it. Then:
// - a net of NEW that holds most of the pins of two or more nets of OLD
//   joins them (a short, when NEW is the board);
// - a net of OLD most of whose pins two or more nets of NEW each hold,
//   holding little else, is split into them (an open, when NEW is the board);
// - a pin that links two nets that are neither counterparts nor part of
//   such a join or split has moved from the one to the other;
// - counterparts under names that differ, which share more than half of the
//   pins of the larger of them, are probably the same net renamed.
// Nothing here depends on the order in which either side lists its nets or
// pins.
#pragma once

#include <vector>

#include "report/compare/DesignDiff.h"
#include "report/compare/PinKey.h"

namespace netlist {

// Fills diff's connectivity lists. leftOutBefore and leftOutAfter: nets whose
// pins are in doubt, compared by their pin counts instead.
void CompareConnectivity(const DesignSnapshot& before, const DesignSnapshot& after,
                         const PinKeys& keys, const std::vector<bool>& leftOutBefore,
                         const std::vector<bool>& leftOutAfter, DesignDiff& diff);

}  // namespace netlist
