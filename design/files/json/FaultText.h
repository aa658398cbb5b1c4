// Pieces of the messages that describe a faulty design file: where in the
// file a fault lies, how a text taken from the file is shown, and which known
// name a mistyped one was probably meant to be.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace netlist::json {

// The first fault found in a design file: where it lies and what is wrong.
struct Fault {
    std::size_t offset;  // byte offset in the file
    std::string path;    // the value's place, e.g. nets[3].nodes[1][0]; empty for the whole file
    std::string what;
};

struct TextPosition {
    std::size_t line;    // 1-based
    std::size_t column;  // 1-based, in characters (a multi-byte UTF-8 character counts once)
};

// The line and column of the byte at offset; an offset past the end gives the
// position just after the last character. A byte order mark is not counted.
TextPosition PositionOf(std::string_view content, std::size_t offset);

// Where the next JSON token starts, searching from a byte offset and passing
// over blanks and the separators "," and ":".
std::size_t NextTokenStart(std::string_view content, std::size_t searchFrom);

// Where the JSON token whose last byte is at offset last starts: the opening
// quote of a text, the first character of a number or word, else last itself.
std::size_t StartOfTokenEndingAt(std::string_view content, std::size_t last);

// The text in double quotes, safe to print whatever the file held: control
// characters and bytes that are not UTF-8 are escaped, and long texts are cut
// after maxCharacters characters with "..." at the end.
std::string Quoted(std::string_view text, std::size_t maxCharacters = 40);

// The same cleaning, but neither quoted nor with its quotes escaped, for texts
// that speak for themselves (the JSON parser's own explanation of an error).
std::string Printable(std::string_view text, std::size_t maxCharacters);

// The known name closest to typed (ignoring case, one typo per three letters
// at most), or nothing when none is close enough to be a likely typo.
std::optional<std::string_view> NearestName(std::string_view typed,
                                            std::span<const std::string_view> known);

}  // namespace netlist::json
