// Reading UTF-8 one well-formed sequence at a time, as the design-file
// readers and their messages do.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace netlist::files {

// The code point of the well-formed UTF-8 sequence at text[at], advancing at
// past it; nothing (and at past one byte) for a malformed one.
inline std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at++);
    if (lead < 0x80) return lead;
    // Lead bytes that cannot start a well-formed sequence (C0, C1, F5 and up) fail here.
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    if (length == 0) return std::nullopt;
    constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
    char32_t code = lead & (0x7F >> length);
    const std::size_t start = at;
    for (std::size_t k = 1; k < length; ++k) {
        if (at >= text.size() || (byte(at) & 0xC0) != 0x80) {
            at = start;
            return std::nullopt;
        }
        code = (code << 6) | (byte(at++) & 0x3F);
    }
    if (code < kSmallestOfLength[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        at = start;
        return std::nullopt;
    }
    return code;
}

}  // namespace netlist::files
