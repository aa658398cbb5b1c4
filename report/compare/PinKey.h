// The pins of two compared sides as keys: numbers that stand for a pin's
// "RefDes-PinDes" text, one number for the same text on either side. A bare-
// board netlist (IPC-D-356) cuts references to 6 characters and pins to 4;
// against one, the other side's texts are cut the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "report/compare/DesignSnapshot.h"

namespace netlist {

constexpr std::size_t kBareBoardRefDesWidth = 6;
constexpr std::size_t kBareBoardPinWidth = 4;

using PinKey = std::uint32_t;

struct PinKeys {
    // Each key's text; keys ascend as their texts do, so that an order of
    // keys does not depend on the order the sides list their nets in.
    std::vector<std::string> texts;
    // For each net of a side, in the side's order: the keys of its pins,
    // each once (a pad number that repeats is one pin), ascending.
    std::vector<std::vector<PinKey>> before;
    std::vector<std::vector<PinKey>> after;
    // Each net's place when a side's nets are ordered by name, then by their
    // keys, pin count and length: an order that does not depend on the one
    // they are listed in.
    std::vector<std::uint32_t> beforeRanks;
    std::vector<std::uint32_t> afterRanks;
};

// Whether the texts of the two sides are cut to the bare-board netlist's
// widths: when exactly one side is such a netlist.
bool CutToBareBoardWidths(const DesignSnapshot& before, const DesignSnapshot& after);

PinKeys KeyPins(const DesignSnapshot& before, const DesignSnapshot& after);

}  // namespace netlist
