// Conversion between UTF-8 (design files, the window) and Windows-1252 (the
// library's texts and the report's bytes): through ICU's converter on Linux,
// the system's code-page tables on Windows.
#pragma once

#include <string>
#include <string_view>

namespace netlist {

// Characters without a Windows-1252 form become "?"; malformed UTF-8 too.
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view bytes);

// ASCII text reads the same in both encodings: the common case, which needs
// no converter.
inline bool IsPlainAscii(std::string_view text) {
    // One OR of all the bytes, which the compiler does many bytes a step.
    unsigned char all = 0;
    for (const char c : text) all |= static_cast<unsigned char>(c);
    return all < 0x80;
}

}  // namespace netlist
