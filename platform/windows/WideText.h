// Windows-1252 and UTF-8 texts to and from the UTF-16 of the Win32 API.
// Windows only.
#pragma once

#include <string>
#include <string_view>

namespace netlist {

std::wstring Windows1252ToUtf16(std::string_view bytes);
std::wstring Utf8ToUtf16(std::string_view utf8);

// Every character without a Windows-1252 form becomes "?".
std::string Utf16ToWindows1252(std::wstring_view wide);
std::string Utf16ToUtf8(std::wstring_view wide);

}  // namespace netlist
