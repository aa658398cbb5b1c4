#include "platform/windows/WideText.h"

#include <windows.h>

namespace netlist {
namespace {

constexpr UINT kWindows1252 = 1252;

// Malformed UTF-8 becomes U+FFFD, which has no Windows-1252 form and so ends
// up as "?" like any other character without one.
std::wstring toUtf16(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string fromUtf16(UINT codePage, DWORD flags, const char* defaultChar, std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, defaultChar, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, defaultChar,
                        nullptr);
    return bytes;
}

}  // namespace

std::wstring Windows1252ToUtf16(std::string_view bytes) {
    return toUtf16(kWindows1252, bytes);
}

std::wstring Utf8ToUtf16(std::string_view utf8) {
    return toUtf16(CP_UTF8, utf8);
}

// Without WC_NO_BEST_FIT_CHARS Windows would write "a" for "ā" and the like.
std::string Utf16ToWindows1252(std::wstring_view wide) {
    return fromUtf16(kWindows1252, WC_NO_BEST_FIT_CHARS, "?", wide);
}

std::string Utf16ToUtf8(std::wstring_view wide) {
    return fromUtf16(CP_UTF8, 0, nullptr, wide);
}

}  // namespace netlist
