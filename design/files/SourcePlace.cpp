#include "design/files/SourcePlace.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace netlist::files {
namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The code point of the well-formed UTF-8 sequence at text[at], advancing at
// past it; nothing (and at past one byte) for a malformed one.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& at) {
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
        const std::optional<char32_t> c = nextCodePoint(text, at);
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
