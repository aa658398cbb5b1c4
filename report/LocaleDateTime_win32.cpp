// The Windows build asks the user's date and time formats of the system.
#include <windows.h>

#include <cstdint>
#include <iterator>
#include <string>

#include "platform/windows/WideText.h"
#include "report/LocaleDateTime.h"

namespace netlist {
namespace {

// From the clock's count since 1970 to the system's local calendar time.
SYSTEMTIME localTime(std::chrono::system_clock::time_point when) {
    constexpr std::int64_t kTicksFrom1601To1970 = 116444736000000000;  // 100 ns ticks
    const auto ticks =
        std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>>(
            when.time_since_epoch())
            .count() +
        kTicksFrom1601To1970;
    FILETIME fileTime;
    fileTime.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) & 0xFFFFFFFF);
    fileTime.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32);
    SYSTEMTIME universal{};
    SYSTEMTIME local{};
    FileTimeToSystemTime(&fileTime, &universal);
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) return universal;
    return local;
}

// Blanks that Windows-1252 cannot hold become plain ones, and the direction
// marks of right-to-left locales are dropped rather than turned into "?".
std::string toReportText(std::wstring text) {
    std::wstring cleaned;
    cleaned.reserve(text.size());
    for (const wchar_t c : text) {
        if (c == 0x200E || c == 0x200F) continue;
        cleaned.push_back(c == 0x202F || c == 0x2009 ? L' ' : c);
    }
    return Utf16ToWindows1252(cleaned);
}

std::string shortDate(const SYSTEMTIME& time) {
    wchar_t buffer[128];
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                       buffer, static_cast<int>(std::size(buffer)), nullptr);
    return length > 1 ? toReportText(std::wstring(buffer, length - 1)) : std::string();
}

std::string longTime(const SYSTEMTIME& time) {
    wchar_t buffer[128];
    const int length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, buffer,
                                       static_cast<int>(std::size(buffer)));
    return length > 1 ? toReportText(std::wstring(buffer, length - 1)) : std::string();
}

}  // namespace

std::string LocaleDateTimeText(std::chrono::system_clock::time_point when) {
    const SYSTEMTIME time = localTime(when);
    return shortDate(time) + " " + longTime(time);
}

}  // namespace netlist
