// Control characters never go out raw: a text from a design that holds a
// carriage return, a form feed or an escape sequence would otherwise break
// the report's lines, fake rows in it, or command the user's terminal. Each
// control character is shown as "?", the stand-in the conversion to
// Windows-1252 already uses for what it cannot show; one character for one,
// so that the report's columns stay where they are.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace netlist {

inline constexpr char kControlStandIn = '?';

namespace detail {
// In Windows-1252 text: C0 (0x00-0x1F), DEL (0x7F), and the five bytes that
// Windows-1252 leaves unassigned, which the conversion maps to C1 controls.
inline constexpr std::array<bool, 256> kControlBytes = [] {
    std::array<bool, 256> control{};
    for (int c = 0; c < 0x20; ++c) control[c] = true;
    for (const int c : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) control[c] = true;
    return control;
}();
}  // namespace detail

inline bool IsControlByte(char c) {
    return detail::kControlBytes[static_cast<unsigned char>(c)];
}

inline bool HoldsControlCharacter(std::string_view windows1252) {
    for (const char c : windows1252)
        if (IsControlByte(c)) return true;
    return false;
}

// Windows-1252 text with each control character replaced by the stand-in.
std::string WithoutControlCharacters(std::string_view windows1252);
// The same in place.
inline void ReplaceControlCharacters(std::string& windows1252) {
    for (char& c : windows1252)
        if (IsControlByte(c)) c = kControlStandIn;
}

// UTF-8 text for the terminal: C0 controls, DEL and the C1 controls
// (U+0080 to U+009F), and each byte that is not part of well-formed UTF-8,
// become the stand-in.
std::string TerminalText(std::string_view utf8);

}  // namespace netlist
