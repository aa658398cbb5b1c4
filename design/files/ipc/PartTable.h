// The parts of a netlist by reference, with the pads counted for each. A
// reference fills at most the six columns of its field, so it is its own
// key, packed into a number, and a part's counts lie beside its key: a
// lookup for each of a large board's pads reads one place in the table.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace netlist::ipc {

inline constexpr std::size_t kRefDesColumns = 6;

struct PadCounts {
    std::int32_t pads = 0;
    std::int32_t topSurfacePads = 0;
    std::int32_t bottomSurfacePads = 0;
};

class PartTable {
  public:
    // The part's counts; a new part is numbered next (0, 1, ...) and
    // `added` is set. `refDes` is 1 to 6 bytes.
    PadCounts& countsOf(std::string_view refDes, bool& added) {
        if (2 * (count_ + 1) > slots_.size()) grow();
        const std::uint64_t key = packed(refDes);
        Slot& slot = slots_[find(key)];
        added = slot.key != key;
        if (added) slot = {key, count_++, {}};
        return slot.counts;
    }

    // Each part's counts, in the order the parts were first given.
    std::vector<PadCounts> countsInOrder() const {
        std::vector<PadCounts> counts(count_);
        for (const Slot& slot : slots_)
            if (slot.key != 0) counts[slot.number] = slot.counts;
        return counts;
    }

  private:
    struct Slot {
        std::uint64_t key = 0;  // 0: empty
        std::uint32_t number = 0;
        PadCounts counts;
    };

    // The bytes, then the length in the highest byte: never 0.
    static std::uint64_t packed(std::string_view refDes) {
        std::uint64_t key = 0;
        std::memcpy(&key, refDes.data(), std::min(refDes.size(), kRefDesColumns));
        return key | static_cast<std::uint64_t>(refDes.size()) << 56;
    }

    std::size_t find(std::uint64_t key) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t place = (key * 0x9E3779B97F4A7C15) >> 32 & mask;;
             place = (place + 1) & mask)
            if (slots_[place].key == key || slots_[place].key == 0) return place;
    }

    void grow() {
        std::vector<Slot> old(slots_.empty() ? 1024 : 2 * slots_.size());
        old.swap(slots_);
        for (const Slot& slot : old)
            if (slot.key != 0) slots_[find(slot.key)] = slot;
    }

    std::vector<Slot> slots_;
    std::uint32_t count_ = 0;
};

}  // namespace netlist::ipc
