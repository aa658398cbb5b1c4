#include "platform/Windows1252.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <memory>
#include <stdexcept>

namespace netlist {
namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// One converter per thread: ICU converters keep state and are not shareable.
UConverter* windows1252() {
    thread_local Converter converter = [] {
        UErrorCode error = U_ZERO_ERROR;
        Converter opened(ucnv_open("windows-1252", &error));
        if (U_FAILURE(error)) throw std::runtime_error("ICU has no windows-1252 converter");
        ucnv_setSubstChars(opened.get(), "?", 1, &error);
        return opened;
    }();
    return converter.get();
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8) {
    if (IsPlainAscii(utf8)) return std::string(utf8);  // the common case, byte-identical
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    UConverter* converter = windows1252();
    std::string bytes(static_cast<std::size_t>(text.length()) * 2 + 1, '\0');
    UErrorCode error = U_ZERO_ERROR;
    const int32_t written =
        ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()),
                        text.getBuffer(), text.length(), &error);
    if (U_FAILURE(error)) return std::string(utf8.size(), '?');
    bytes.resize(static_cast<std::size_t>(written));
    return bytes;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    if (IsPlainAscii(bytes)) return std::string(bytes);
    UConverter* converter = windows1252();
    UErrorCode error = U_ZERO_ERROR;
    icu::UnicodeString text(bytes.data(), static_cast<int32_t>(bytes.size()), converter, error);
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

}  // namespace netlist
