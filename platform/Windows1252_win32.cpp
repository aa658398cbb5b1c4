// The Windows build converts through the system's own code-page tables
// instead of ICU.
#include "platform/Windows1252.h"
#include "platform/windows/WideText.h"

namespace netlist {

std::string Utf8ToWindows1252(std::string_view utf8) {
    if (IsPlainAscii(utf8)) return std::string(utf8);
    return Utf16ToWindows1252(Utf8ToUtf16(utf8));
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    if (IsPlainAscii(bytes)) return std::string(bytes);
    return Utf16ToUtf8(Windows1252ToUtf16(bytes));
}

}  // namespace netlist
