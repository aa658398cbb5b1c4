// The Windows build converts through the system's own code-page tables
// instead of ICU.
#include "platform/Windows1252.h"
#include "platform/windows/WideText.h"

namespace netlist {
namespace {

bool isPlainAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    if (isPlainAscii(utf8)) return std::string(utf8);
    return Utf16ToWindows1252(Utf8ToUtf16(utf8));
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    if (isPlainAscii(bytes)) return std::string(bytes);
    return Utf16ToUtf8(Windows1252ToUtf16(bytes));
}

}  // namespace netlist
