#include "design/files/SourcePlace.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "design/files/Utf8Sequence.h"

namespace netlist::files {
namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void appendEscaped(std::string& out, std::uint32_t byte, const char* format) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, static_cast<unsigned>(byte));
    out += buffer;
}

std::string cleaned(std::string_view text, std::size_t maxCharacters, bool quoting) {
    std::string out;
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (characters++ == maxCharacters) {
            out += "...";
            break;
        }
        const std::size_t start = at;
        const std::optional<char32_t> c = NextCodePoint(text, at);
        if (!c) {
            appendEscaped(out, static_cast<unsigned char>(text[start]), "\\x%02X");
        } else if (*c == '\n') {
            out += "\\n";
        } else if (*c == '\t') {
            out += "\\t";
        } else if (quoting && (*c == '"' || *c == '\\')) {
            out += '\\';
            out += static_cast<char>(*c);
        } else if (*c < 0x20 || *c == 0x7F || (*c >= 0x80 && *c < 0xA0)) {
            appendEscaped(out, static_cast<std::uint32_t>(*c), "\\u%04X");
        } else {
            out.append(text.substr(start, at - start));
        }
    }
    return out;
}

}  // namespace

SourcePlace PlaceOf(std::string_view content, std::size_t offset) {
    offset = std::min(offset, content.size());
    std::size_t lineStart = content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    lineStart = std::min(lineStart, offset);
    SourcePlace place;
    for (std::size_t i = lineStart; i < offset; ++i) {
        if (content[i] == '\n') {
            ++place.line;
            lineStart = i + 1;
        }
    }
    for (std::size_t i = lineStart; i < offset; ++i)
        if (!isContinuationByte(content[i])) ++place.column;
    return place;
}

std::string Printable(std::string_view text, std::size_t maxCharacters) {
    return cleaned(text, maxCharacters, false);
}

std::string Quoted(std::string_view text, std::size_t maxCharacters) {
    return '"' + cleaned(text, maxCharacters, true) + '"';
}

std::string ParseError::message(const std::filesystem::path& file) const {
    std::string message = file.string() + ": line " + std::to_string(place_.line) + ", column " +
                          std::to_string(place_.column);
    if (!path_.empty()) message += ", at " + path_;
    return message + ": " + what();
}

}  // namespace netlist::files
