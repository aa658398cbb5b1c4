#include "report/LocaleDateTime.h"

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

#include "platform/Windows1252.h"

namespace netlist {
namespace {

std::string formatted(icu::DateFormat* format, UDate when) {
    if (!format) return {};
    icu::UnicodeString text;
    format->format(when, text);
    // Recent locale data separates the time from "AM"/"PM" with a narrow
    // no-break space, which Windows-1252 cannot hold; a blank reads the same.
    text.findAndReplace(icu::UnicodeString(static_cast<UChar>(0x202F)), icu::UnicodeString(u" "));
    text.findAndReplace(icu::UnicodeString(static_cast<UChar>(0x2009)), icu::UnicodeString(u" "));
    std::string utf8;
    text.toUTF8String(utf8);
    return Utf8ToWindows1252(utf8);
}

}  // namespace

std::string LocaleDateTimeText(std::chrono::system_clock::time_point when) {
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    const UDate date = static_cast<UDate>(millis);
    const icu::Locale& locale = icu::Locale::getDefault();
    const std::unique_ptr<icu::DateFormat> dateFormat(
        icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale));
    // The medium time style has the seconds, as the long time of Windows does.
    const std::unique_ptr<icu::DateFormat> timeFormat(
        icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale));
    return formatted(dateFormat.get(), date) + " " + formatted(timeFormat.get(), date);
}

}  // namespace netlist
