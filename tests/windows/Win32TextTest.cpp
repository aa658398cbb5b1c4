// The Win32 variants of the text, locale and ordering functions: the same
// promises as the ICU ones on Linux.
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "design/LocaleText.h"
#include "design/Windows1252.h"
#include "report/LocaleDateTime.h"
#include "report/NetCollation.h"
#include "tests/windows/Check.h"

namespace netlist {
namespace {

// List items in the order their sort keys give.
std::vector<std::string> sortedByKey(std::vector<std::string> items) {
    std::stable_sort(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
        return NetSortKey(a) < NetSortKey(b);
    });
    return items;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
    return text;
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
            check::Fail(__FILE__, __LINE__,
                        "byte " + std::to_string(byte) + " does not round-trip");
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

TEST_CASE("net sort keys ignore case and put symbols before digits before letters") {
    CHECK_EQ(NetSortKey("gnd.4"), NetSortKey("GND.4"));
    CHECK(NetSortKey("~~~TP01.7") < NetSortKey("07.3"));
    CHECK(NetSortKey("07.3") < NetSortKey("A01.2"));
    for (const char* symbol : {"~", ".", "+", "_", "/", "#"})
        CHECK(NetSortKey(std::string(symbol) + "Z") < NetSortKey("0"));
    // A key before every longer key that begins with it, through the ".".
    CHECK(NetSortKey("A01.2") < NetSortKey("A012.5"));
    CHECK(NetSortKey("") < NetSortKey("."));
    // Windows-1252 letters sort among their base letters.
    CHECK(NetSortKey("Aa") < NetSortKey("\xC4"
                                        "b"));
    CHECK(NetSortKey("\xC4"
                     "b") < NetSortKey("Ba"));
}

TEST_CASE("\"~\" comes before every other punctuation mark and symbol, after the blanks") {
    std::vector<std::string> items{"/VIN.2", "~~~/TP.1"};
    int id = 10;
    for (const char* start :
         {"/", "_", ";", ":",  "!",    "?",    ".",    "\"",   "(",    "[",
          "{", "@", "*", "\\", "&",    "#",    "%",    "`",    "^",    "<",
          "=", "|", "+", "$",  "\x80", "\xA7", "\xB0", "\xAB", "\xBF", "\xD7"}) {
        items.push_back(std::string(start) + "SDA." + std::to_string(++id));
        CHECK(NetSortKey("A~B") < NetSortKey(std::string("A") + start + "B"));
    }
    CHECK_EQ(sortedByKey(items).front(), "~~~/TP.1");
    CHECK(NetSortKey("A B") < NetSortKey("A~B"));
    CHECK(NetSortKey("A\xA0") < NetSortKey("A~"));
}

TEST_CASE("hyphen and apostrophe only break ties") {
    CHECK_EQ(joined(sortedByKey({"AD.1", "A-C.2", "AB.3"})), "AB.3 A-C.2 AD.1");
    CHECK_EQ(joined(sortedByKey({"OD.1", "O'C.2", "OB.3"})), "OB.3 O'C.2 OD.1");
    CHECK(NetSortKey("A-C.2") != NetSortKey("AC.2"));
}

TEST_CASE("the report's net order: single-node nets first, supply nets last") {
    // The items of R10, R2, R1, gnd, GND and +5V with two nodes and of TP1 with one.
    const std::vector<std::string> items{"R10.1",    "R02.2",    "R01.3",    "gnd.4",
                                         "zzzGND.5", "zzz+5V.6", "~~~TP01.7"};
    CHECK_EQ(joined(sortedByKey(items)), "~~~TP01.7 gnd.4 R01.3 R02.2 R10.1 zzz+5V.6 zzzGND.5");
    // Keys equal but for case: the ids decide, text against text.
    CHECK_EQ(joined(sortedByKey({"clk.3", "CLK.12"})), "CLK.12 clk.3");
    CHECK_EQ(joined(sortedByKey({"A01.9", "A005.8"})), "A005.8 A01.9");
}

}  // namespace
}  // namespace netlist
