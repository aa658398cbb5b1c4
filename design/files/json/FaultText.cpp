#include "design/files/json/FaultText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace netlist::json {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edit distance counting a swap of two neighbouring letters as one edit, the
// most common typing slip ("lenght").
std::size_t typingDistance(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    std::vector<std::size_t> table((n + 1) * (m + 1));
    const auto at = [&](std::size_t i, std::size_t j) -> std::size_t& {
        return table[i * (m + 1) + j];
    };
    for (std::size_t i = 0; i <= n; ++i) at(i, 0) = i;
    for (std::size_t j = 0; j <= m; ++j) at(0, j) = j;
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t cost = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
            std::size_t best =
                std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) &&
                lower(a[i - 2]) == lower(b[j - 1]))
                best = std::min(best, at(i - 2, j - 2) + 1);
            at(i, j) = best;
        }
    }
    return at(n, m);
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

}  // namespace

TextPosition PositionOf(std::string_view content, std::size_t offset) {
    offset = std::min(offset, content.size());
    std::size_t lineStart = content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    lineStart = std::min(lineStart, offset);
    std::size_t line = 1;
    for (std::size_t i = lineStart; i < offset; ++i) {
        if (content[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    std::size_t column = 1;
    for (std::size_t i = lineStart; i < offset; ++i)
        if (!isContinuationByte(content[i])) ++column;
    return {line, column};
}

namespace {

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

std::size_t NextTokenStart(std::string_view content, std::size_t searchFrom) {
    const std::size_t start = content.find_first_not_of(" \t\r\n,:", searchFrom);
    return start == std::string_view::npos ? content.size() : start;
}

std::size_t StartOfTokenEndingAt(std::string_view content, std::size_t last) {
    if (last >= content.size()) return content.size();
    const auto isWordCharacter = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '.' || c == '+' || c == '-';
    };
    std::size_t start = last;
    if (content[last] == '"') {
        // Back to the opening quote: the first one not escaped by an odd run of backslashes.
        while (start > 0) {
            const std::size_t quote = content.rfind('"', start - 1);
            if (quote == std::string_view::npos) break;
            std::size_t backslashes = 0;
            while (quote > backslashes && content[quote - backslashes - 1] == '\\') ++backslashes;
            start = quote;
            if (backslashes % 2 == 0) break;
        }
    } else if (isWordCharacter(content[last])) {
        while (start > 0 && isWordCharacter(content[start - 1])) --start;
    }
    return start;
}

std::string Printable(std::string_view text, std::size_t maxCharacters) {
    return cleaned(text, maxCharacters, false);
}

std::string Quoted(std::string_view text, std::size_t maxCharacters) {
    return '"' + cleaned(text, maxCharacters, true) + '"';
}

std::optional<std::string_view> NearestName(std::string_view typed,
                                            std::span<const std::string_view> known) {
    // A name far longer than every known one cannot be a typo of any of them.
    constexpr std::size_t kLongestWorthComparing = 64;
    if (typed.empty() || typed.size() > kLongestWorthComparing) return std::nullopt;
    std::optional<std::string_view> nearest;
    std::size_t nearestDistance = 0;
    for (const std::string_view name : known) {
        const std::size_t distance = typingDistance(typed, name);
        const std::size_t allowed = std::max<std::size_t>(1, name.size() / 3);
        if (distance > allowed || distance >= name.size()) continue;
        if (!nearest || distance < nearestDistance) {
            nearest = name;
            nearestDistance = distance;
        }
    }
    return nearest;
}

}  // namespace netlist::json
