// The Win32 variants of the text, locale and ordering functions: the same
// promises as the ICU ones on Linux.
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "platform/LocaleText.h"
#include "platform/Windows1252.h"
#include "report/LocaleDateTime.h"
#include "report/NetCollation.h"
#include "tests/windows/Check.h"

namespace netlist::test {
namespace {

// Whether NetSortKey orders the "|"-separated items of texts as written,
// whatever order they come in.
bool sortsAsWritten(const std::string& texts) {
    std::vector<std::string> items;
    for (std::size_t start = 0; start <= texts.size();) {
        const std::size_t end = std::min(texts.find('|', start), texts.size());
        items.push_back(texts.substr(start, end - start));
        start = end + 1;
    }
    std::vector<std::string> sorted(items.rbegin(), items.rend());
    std::stable_sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return NetSortKey(a) < NetSortKey(b);
    });
    return sorted == items;
}

TEST_CASE("UTF-8 to Windows-1252 keeps every character the code page has") {
    CHECK_EQ(Utf8ToWindows1252("J\xC3\xBCrgen \xE2\x82\xAC \xC5\x92 \xE2\x84\xA2"),
             "J\xFCrgen \x80 \x8C \x99");
    CHECK_EQ(Utf8ToWindows1252(""), "");
    // Every defined byte survives the round trip through UTF-8.
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) continue;
        const std::string text(1, static_cast<char>(byte));
        if (Utf8ToWindows1252(Windows1252ToUtf8(text)) != text)
            test::Fail(__FILE__, __LINE__, "byte " + std::to_string(byte) + " does not round-trip");
    }
}

TEST_CASE("characters without a Windows-1252 form become ?, never a look-alike") {
    CHECK_EQ(Utf8ToWindows1252("\xC4\x81"), "?");                   // a with macron, not "a"
    CHECK_EQ(Utf8ToWindows1252("R\xCE\xA9"), "R?");                 // omega
    CHECK_EQ(Utf8ToWindows1252("\xE6\x97\xA5\xE6\x9C\xAC"), "??");  // two CJK characters
    CHECK_EQ(Utf8ToWindows1252("pin \xC3("), "pin ?(");             // malformed UTF-8
}

TEST_CASE("the locale's decimal separator and date are Windows-1252 text") {
    const std::string separator = LocaleDecimalSeparator();
    CHECK(!separator.empty());
    CHECK(separator.find('?') == std::string::npos);

    const auto noon =
        std::chrono::sys_days{std::chrono::year{2024} / 7 / 15} + std::chrono::hours{12};
    const std::string dateTime = LocaleDateTimeText(noon);
    CHECK(dateTime.find("24") != std::string::npos);
    CHECK(dateTime.find(' ') != std::string::npos);
    CHECK(dateTime.find('?') == std::string::npos);
}

TEST_CASE("the report's net order: caseless, symbols before digits before letters") {
    // Single-node nets first, supply nets last; keys equal but for case go by
    // their ids, text against text; hyphen and apostrophe only break ties.
    for (const char* order : {"~~~TP01.7|gnd.4|R01.3|R02.2|R10.1|zzz+5V.6|zzzGND.5", "CLK.12|clk.3",
                              "A005.8|A01.9|A012.5", "AB.3|A-C.2|AD.1", "OB.3|O'C.2|OD.1",
                              "|.|A B|A~B|A+B|Aa|\xC4"
                              "b|Ba"})
        if (!sortsAsWritten(order)) test::Fail(__FILE__, __LINE__, order);
    CHECK(NetSortKey("A-C.2") != NetSortKey("AC.2"));
    CHECK(NetSortKey("A\xA0") < NetSortKey("A~"));
}

TEST_CASE("\"~\" comes before every other punctuation mark and symbol") {
    for (const char start : std::string("/_;:!?.\"([{@*\\&#%`^<=|+$\x80\xA7\xB0\xAB\xBF\xD7"))
        CHECK(NetSortKey("A~B") < NetSortKey(std::string("A") + start + "B"));
    for (const char* symbol : {"~", ".", "+", "_", "/", "#"})
        CHECK(NetSortKey(std::string(symbol) + "Z") < NetSortKey("0"));
}

}  // namespace
}  // namespace netlist::test
