// The Windows build orders the nets with the system's own sort keys: the
// comparison its sorted list boxes use, in the user's locale and ignoring
// case. Its word sort already lets "-" and "'" weigh only to break ties; "~"
// is moved before the other punctuation, as on Linux.
#include <windows.h>

#include "platform/windows/WideText.h"
#include "report/NetCollation.h"

namespace netlist {

namespace {

// The system puts "~" after most punctuation. EN QUAD, a blank that no
// Windows-1252 text holds, sorts after the blanks and before every
// punctuation mark and symbol, where "~" belongs.
constexpr wchar_t kTildeStandIn = L'\u2000';

}  // namespace

std::string NetSortKey(std::string_view windows1252Text) {
    std::wstring text = Windows1252ToUtf16(windows1252Text);
    if (text.empty()) return {};  // the system refuses an empty text; it sorts first
    for (wchar_t& character : text)
        if (character == L'~') character = kTildeStandIn;
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length = static_cast<int>(text.size());
    const int needed = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, text.data(), length, nullptr,
                                     0, nullptr, nullptr, 0);
    if (needed <= 0) return std::string(windows1252Text);
    std::string key(static_cast<std::size_t>(needed), '\0');
    // A sort key is a byte array; the wide-character destination type is the
    // API's and means nothing here.
    const int written =
        LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFlags, text.data(), length,
                      reinterpret_cast<wchar_t*>(key.data()), needed, nullptr, nullptr, 0);
    // The key's own terminating zero byte is left off: a key that is the
    // start of another still sorts first without it.
    key.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return key;
}

void AppendNetSortKey(std::string_view windows1252Text, std::string& keys) {
    keys += NetSortKey(windows1252Text);
}

// The system's keys are the only keys here.
bool AppendCompactNetSortKey(std::string_view, std::string&) {
    return false;
}

}  // namespace netlist
