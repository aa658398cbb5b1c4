// The Windows build asks the user's locale settings directly instead of ICU.
#include <windows.h>

#include <iterator>

#include "platform/LocaleText.h"
#include "platform/windows/WideText.h"

namespace netlist {

const std::string& LocaleDecimalSeparator() {
    static const std::string separator = [] {
        wchar_t buffer[8] = {};  // the setting holds at most four characters
        const int length =
            GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buffer, std::size(buffer));
        if (length <= 1) return std::string(".");
        const std::string bytes = Utf16ToWindows1252(std::wstring_view(buffer, length - 1));
        return bytes.empty() ? std::string(".") : bytes;
    }();
    return separator;
}

}  // namespace netlist
