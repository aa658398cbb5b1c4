// A hash for the many short texts of a design (references, pins, net
// names), cheaper than the standard library's for texts of a few bytes:
// eight bytes a step, then a final mix so that texts that differ in one
// character land far apart in a table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace netlist {

inline std::uint64_t HashText(std::string_view text) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15;
    std::uint64_t hash = text.size() * kMultiplier;
    const char* bytes = text.data();
    std::size_t left = text.size();
    for (; left >= 8; left -= 8, bytes += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes, 8);
        hash = (hash ^ word) * kMultiplier;
        hash ^= hash >> 29;
    }
    if (left > 0) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes, left);
        hash = (hash ^ word) * kMultiplier;
    }
    // The finaliser of MurmurHash3: every input bit reaches every output bit.
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCD;
    hash ^= hash >> 33;
    hash *= 0xC4CEB9FE1A85EC53;
    hash ^= hash >> 33;
    return hash;
}

// For unordered containers keyed by std::string and looked up by views.
struct TextHasher {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return static_cast<std::size_t>(HashText(text));
    }
};

}  // namespace netlist
