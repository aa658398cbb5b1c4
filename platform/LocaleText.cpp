#include "platform/LocaleText.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>

#include "platform/Windows1252.h"

namespace netlist {

const std::string& LocaleDecimalSeparator() {
    static const std::string separator = [] {
        UErrorCode error = U_ZERO_ERROR;
        const icu::DecimalFormatSymbols symbols(icu::Locale::getDefault(), error);
        if (U_FAILURE(error)) return std::string(".");
        std::string utf8;
        symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol).toUTF8String(utf8);
        const std::string bytes = Utf8ToWindows1252(utf8);
        return bytes.empty() ? std::string(".") : bytes;
    }();
    return separator;
}

}  // namespace netlist
