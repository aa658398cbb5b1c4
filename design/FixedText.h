#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace netlist {

// Reads the text out of a fixed text field: everything before the first NUL
// (the whole field when it has none), with blanks trimmed at both ends. Tabs
// and other characters stay.
std::string TrimFixedText(std::string_view field);
// The same text as a view into the field, for callers that only read it.
std::string_view TrimmedFixedTextView(std::string_view field);

// Takes all N characters of a record's text field, NUL or not.
template <std::size_t N>
std::string TrimFixedText(const char (&field)[N]) {
    return TrimFixedText(std::string_view(field, N));
}

// Stores text into a fixed text field: cut to the field's size, NUL-ended
// when shorter, the rest of the field zeroed. A text of exactly N characters
// fills the field without a NUL, as the library does.
inline void StoreFixedText(char* field, std::size_t size, std::string_view text) {
    const std::size_t length = std::min(size, text.size());
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, size - length);
}

template <std::size_t N>
void StoreFixedText(char (&field)[N], std::string_view text) {
    // Clearing the whole field first, by a copy of known size, lets the
    // compiler clear it in a few wide stores.
    static constexpr char kZeros[N]{};
    std::memcpy(field, kZeros, N);
    std::memcpy(field, text.data(), std::min(N, text.size()));
}

}  // namespace netlist
