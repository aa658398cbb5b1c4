// Numbers for texts, in a flat table of open addressing: eight bytes a
// text, where a map of nodes would spend an allocation and a pointer to
// follow on each of a large design's hundred thousand texts. The texts stay
// the caller's: textOf(number) gives the text that has a number, to tell
// apart texts that share a hash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "design/TextHash.h"

namespace netlist {

template <typename TextOf>
class TextIndex {
  public:
    explicit TextIndex(TextOf textOf, std::size_t expected = 0) : textOf_(std::move(textOf)) {
        std::size_t size = 16;
        while (full(expected, size)) size *= 2;
        slots_.assign(size, Slot{});
    }

    std::optional<std::uint32_t> find(std::string_view text) const {
        const Slot& slot = slots_[placeOf(text, HashText(text))];
        if (slot.number == kNone) return std::nullopt;
        return slot.number;
    }

    // The text's number; when it has none, `next` becomes its number (the
    // count of texts numbered so far, so that textOf knows every number
    // below it).
    std::uint32_t numberOf(std::string_view text, std::uint32_t next) {
        const std::uint64_t hash = HashText(text);
        std::size_t place = placeOf(text, hash);
        if (slots_[place].number != kNone) return slots_[place].number;
        if (full(std::size_t{next} + 1, slots_.size())) {
            grow();
            place = placeOf(text, hash);
        }
        slots_[place] = {check(hash), next};
        return next;
    }

  private:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // Filled to at most five eighths: a small table stays in the cache,
    // and few probes go past a text's own slot.
    static bool full(std::size_t texts, std::size_t slots) { return 8 * texts > 5 * slots; }

    // The hash's low bits are a slot's place; its high half, kept in the
    // slot, tells most texts apart without reading them.
    struct Slot {
        std::uint32_t check = 0;
        std::uint32_t number = kNone;
    };
    static std::uint32_t check(std::uint64_t hash) {
        return static_cast<std::uint32_t>(hash >> 32);
    }

    // The slot that holds the text, or the empty one where it belongs.
    std::size_t placeOf(std::string_view text, std::uint64_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        const std::uint32_t wanted = check(hash);
        for (std::size_t place = hash & mask;; place = (place + 1) & mask) {
            const Slot& slot = slots_[place];
            if (slot.number == kNone || (slot.check == wanted && textOf_(slot.number) == text))
                return place;
        }
    }

    void grow() {
        std::vector<Slot> old(2 * slots_.size(), Slot{});
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.number == kNone) continue;
            std::size_t place = HashText(textOf_(slot.number)) & mask;
            while (slots_[place].number != kNone) place = (place + 1) & mask;
            slots_[place] = slot;
        }
    }

    TextOf textOf_;
    std::vector<Slot> slots_;
};

}  // namespace netlist
