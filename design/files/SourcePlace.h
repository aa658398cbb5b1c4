// Where in a design file's text a fault lies, and how the message that
// reports it is worded: shared by the JSON and the S-expression readers.
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace netlist::files {

// Some editors write it first; every reader skips it, and places do not count it.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// 1-based; the column counts characters (UTF-8 sequences), not bytes.
struct SourcePlace {
    std::size_t line = 1;
    std::size_t column = 1;
};

// The place of the byte at offset; an offset past the end gives the place
// just after the last character.
SourcePlace PlaceOf(std::string_view content, std::size_t offset);

// The text in double quotes, safe to print whatever the file held: control
// characters and bytes that are not UTF-8 are escaped, and long texts are cut
// after maxCharacters characters with "..." at the end.
std::string Quoted(std::string_view text, std::size_t maxCharacters = 40);

// The same cleaning, but neither quoted nor with its quotes escaped, for texts
// that speak for themselves (a parser's own explanation of an error).
std::string Printable(std::string_view text, std::size_t maxCharacters);

// The first fault found in a file's text. what() is the bare description.
class ParseError : public std::runtime_error {
  public:
    // path: the value's place inside the file, e.g. nets[3].nodes[1][0];
    // empty when the fault belongs to no value.
    ParseError(SourcePlace place, const std::string& what, std::string path = {})
        : std::runtime_error(what), place_(place), path_(std::move(path)) {}

    SourcePlace place() const { return place_; }

    // "FILE: line L, column C[, at PATH]: fault"
    std::string message(const std::filesystem::path& file) const;

  private:
    SourcePlace place_;
    std::string path_;
};

}  // namespace netlist::files
