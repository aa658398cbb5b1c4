// Pieces of the messages that describe a faulty JSON design file: where the
// token at fault starts, and which known name a mistyped one was probably
// meant to be.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace netlist::json {

// Where the next JSON token starts, searching from a byte offset and passing
// over blanks and the separators "," and ":".
std::size_t NextTokenStart(std::string_view content, std::size_t searchFrom);

// Where the JSON token whose last byte is at offset last starts: the opening
// quote of a text, the first character of a number or word, else last itself.
std::size_t StartOfTokenEndingAt(std::string_view content, std::size_t last);

// The known name closest to typed (ignoring case, one typo per three letters
// at most), or nothing when none is close enough to be a likely typo.
std::optional<std::string_view> NearestName(std::string_view typed,
                                            std::span<const std::string_view> known);

}  // namespace netlist::json
