// The pins of two compared sides as keys: numbers that stand for a pin's
// "RefDes-PinDes" text, one number for the same text on either side. A bare-
// board netlist (IPC-D-356) cuts references to 6 characters and pins to 4;
// against one, the other side's texts are cut the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "report/compare/DesignSnapshot.h"

namespace netlist {

constexpr std::size_t kBareBoardRefDesWidth = 6;
constexpr std::size_t kBareBoardPinWidth = 4;

using PinKey = std::uint32_t;

// Each net's keys, the nets' one after the other in one array: a design
// has many nets of few pins.
class NetKeys {
  public:
    std::span<const PinKey> operator[](std::size_t net) const {
        return std::span<const PinKey>(keys_).subspan(ends_[net], ends_[net + 1] - ends_[net]);
    }
    std::size_t size() const { return ends_.size() - 1; }

    void reserve(std::size_t nets, std::size_t keys) {
        ends_.reserve(nets + 1);
        keys_.reserve(keys);
    }
    void add(PinKey key) { keys_.push_back(key); }
    void endNet() { ends_.push_back(static_cast<std::uint32_t>(keys_.size())); }
    // Gives each key its number in `renumbered`, then sorts each net's keys
    // and keeps each once.
    void renumber(const std::vector<PinKey>& renumbered);

  private:
    std::vector<PinKey> keys_;
    std::vector<std::uint32_t> ends_{0};
};

struct PinKeys {
    // Each key's text; keys ascend as their texts do, so that an order of
    // keys does not depend on the order the sides list their nets in. The
    // texts are the snapshots' own, or cut ones held in cutTexts.
    std::vector<std::string_view> texts;
    std::deque<std::string> cutTexts;
    // For each net of a side, in the side's order: the keys of its pins,
    // each once (a pad number that repeats is one pin), ascending.
    NetKeys before;
    NetKeys after;
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
