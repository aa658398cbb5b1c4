// Conversion between UTF-8 (design files, the window) and Windows-1252 (the
// library's texts and the report's bytes), through ICU's converter.
#pragma once

#include <string>
#include <string_view>

namespace netlist {

// Characters without a Windows-1252 form become "?"; malformed UTF-8 too.
std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace netlist
