// The order of nets: sort keys, the net list, and compact keys against ICU's
// own keys in locales with and without rules of their own for ASCII.
#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <climits>
#include <random>
#include <sstream>

#include "report/NetCollation.h"
#include "report/NetKeyMaker.h"
#include "report/NetList.h"
#include "report/NetOrdering.h"
#include "tests/support/TestFiles.h"

namespace netlist::test {
namespace {

TEST(NetSortKeyText, PrefixesSupplyAndSingleNodeNetsAndPadsAFinalDigit) {
    for (const auto& row : test::ReadDataCases("report/data/net-sort-keys.txt")) {
        const std::size_t close = row.input.rfind('"');
        EXPECT_EQ(
            NetSortKeyText(row.input.substr(1, close - 1), std::stoi(row.input.substr(close + 1))),
            row.expected)
            << "net-sort-keys.txt:" << row.line;
    }
}

TEST(NetItemText, JoinsKeyAndIdAndReadsTheIdBackFromTheLastDot) {
    EXPECT_EQ(NetItemText("NET.01", 23), "NET.01.23");
    for (const std::int32_t id : {0, 32768, INT_MAX, -3, INT_MIN})
        EXPECT_EQ(ReadNetId(NetItemText("X.Y", id)), id) << id;
    for (const char* item : {"A01", "A01.", "A01.5x", "A01.99999999999"})
        EXPECT_EQ(ReadNetId(item), std::nullopt) << item;
}

// The list order of item texts, as the net list gives it.
std::vector<std::string> Sorted(const std::vector<std::string>& items) {
    NetList list;
    for (const auto& item : items) list.AddItem(item);
    std::vector<std::string> sorted;
    for (std::int64_t i = 0; i < list.ListCount(); ++i) sorted.emplace_back(list.List(i));
    return sorted;
}

TEST(NetCollation, OrdersCaselessSymbolsDigitsLettersAndBreaksTiesWithHyphens) {
    EXPECT_EQ(NetSortKey("CLK"), NetSortKey("clk"));
    EXPECT_EQ(NetSortKey("\xC9T\xC9"), NetSortKey("\xE9t\xE9"));  // Windows-1252 É and é
    EXPECT_NE(NetSortKey("A-B"), NetSortKey("A'B"));
    for (const auto& row : test::ReadDataCases("report/data/net-order.txt")) {
        std::vector<std::string> texts;
        std::istringstream lines(row.input);
        for (std::string line; std::getline(lines, line);)
            texts.push_back(line == std::string(1, '\0') ? "" : line);
        if (row.expected == "list") {
            EXPECT_EQ(Sorted(std::vector<std::string>(texts.rbegin(), texts.rend())), texts)
                << "net-order.txt:" << row.line;
            continue;
        }
        for (std::size_t i = 1; i < texts.size(); ++i)
            EXPECT_LT(NetSortKey(texts[i - 1]), NetSortKey(texts[i]))
                << "net-order.txt:" << row.line;
    }
}

TEST(NetList, SingleNodeNetsOpenTheListWhateverPunctuationOtherNamesBeginWith) {
    // KiCad's hierarchical names begin with "/"; others with any mark or
    // symbol, Windows-1252 ones among them.
    const std::vector<std::string> starts = {
        "/", "_",  ";", ":", "!",    "?",    ".",    "\"",   "(",    "[",    "{",    "@",
        "*", "\\", "&", "#", "%",    "`",    "^",    "<",    "=",    "|",    ">",    ")",
        "]", "}",  ",", "$", "\x80", "\xA7", "\xB0", "\xAB", "\xBF", "\xD7", "\xA6", "\xB6"};
    std::vector<std::string> items = {NetItemText(NetSortKeyText("/TP", 1), 1),
                                      NetItemText(NetSortKeyText("/VIN", 2), 2)};
    std::int32_t id = 10;
    for (const std::string& start : starts) {
        items.push_back(NetItemText(NetSortKeyText(start + "SDA", 3), ++id));
        // "~" also comes first inside a name.
        EXPECT_LT(NetSortKey("A~B"), NetSortKey("A" + start + "B")) << start;
    }
    items.push_back(NetItemText(NetSortKeyText("GND", 1), 3));
    const std::vector<std::string> sorted = Sorted(items);
    EXPECT_EQ(std::vector<std::string>(sorted.begin(), sorted.begin() + 2),
              (std::vector<std::string>{"~~~/TP.1", "~~~zzzGND.3"}));
}

TEST(NetList, KeepsItsOrderWhenReadsAndAddsInterleave) {
    std::mt19937 random(7);
    NetList list;
    std::vector<std::string> added;
    for (int i = 0; i < 300; ++i) {
        added.push_back("N" + std::to_string(random() % 50) + "." + std::to_string(i));
        list.AddItem(added.back());
        if (i % 13 == 0) {
            EXPECT_EQ(list.ListCount(), i + 1);
        }
    }
    std::vector<std::string> listed;
    for (std::int64_t i = 0; i < list.ListCount(); ++i) listed.emplace_back(list.List(i));
    EXPECT_EQ(listed, Sorted(added));
    for (std::size_t i = 1; i < listed.size(); ++i)
        EXPECT_LE(NetSortKey(listed[i - 1]), NetSortKey(listed[i]));
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_THROW((void)list.List(0), std::out_of_range);
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Texts of printable ASCII, short and alike, so that pairs often differ only
// in case, in a hyphen or apostrophe, or in the locale's special letters.
std::vector<std::string> asciiTexts() {
    std::vector<std::string> texts;
    std::istringstream fixed(
        "|~|~~~A.1|-|'|--|A-|A'|a-b|AB|A-B|A'B|ab'|ch|CH|h|c|cz|aa|AA|ae|dzs|ly|i"
        "|I|y|v|w|zzz+5V.3|NET.01.2|/VIN|_A|(A)|Net-(U1-Pad3).7");
    for (std::string text; std::getline(fixed, text, '|');) texts.push_back(text);
    const std::string alphabet = "aAbcChHiIlLsyzZvw-'~._/ 019+()";
    std::mt19937 random(12);
    for (int i = 0; i < 150; ++i) {
        std::string text;
        const std::size_t length = random() % 6;
        for (std::size_t j = 0; j < length; ++j) text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    for (int c = 0x20; c < 0x7F; ++c) texts.push_back(std::string(1, static_cast<char>(c)) + "x");
    return texts;
}

TEST(NetKeyMaker, CompactKeysCompareAsIcuKeysInEveryLocale) {
    const std::vector<std::string> texts = asciiTexts();
    for (const char* locale : {"", "en_US", "en_US_POSIX", "de", "cs", "sk", "da", "hu", "cy", "tr",
                               "lt", "fr_CA", "sv", "ja", "zh", "ru"}) {
        const NetKeyMaker maker{icu::Locale(locale)};
        std::vector<std::string> full(texts.size());
        std::vector<std::string> compact(texts.size());
        std::vector<bool> hasCompact(texts.size());
        std::size_t compactCount = 0;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            maker.AppendKey(texts[i], full[i]);
            hasCompact[i] = maker.AppendCompactKey(texts[i], compact[i]);
            EXPECT_TRUE(hasCompact[i] || compact[i].empty()) << locale << ": " << texts[i];
            compactCount += hasCompact[i];
        }
        // Most texts have a compact key, except where the secondary weights
        // count from the end of the text (Canadian French).
        EXPECT_EQ(compactCount > texts.size() / 2, std::string(locale) != "fr_CA") << locale;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            for (std::size_t j = 0; j < texts.size(); ++j) {
                if (!hasCompact[i] || !hasCompact[j]) continue;
                ASSERT_EQ(sign(compact[i].compare(compact[j])), sign(full[i].compare(full[j])))
                    << locale << ": \"" << texts[i] << "\" against \"" << texts[j] << "\"";
            }
        }
    }
}

TEST(NetList, KeepsItsOrderWhenAnItemWithoutACompactKeyJoinsLater) {
    const std::vector<std::string> added = {"B.1", "a-b.2", "\xC4\x62.3", "AB.4", "Ab.5", "~~~Z.6"};
    NetList list;
    for (std::size_t i = 0; i < added.size(); ++i) {
        list.AddItem(added[i]);
        if (i == 1) (void)list.List(0);  // in place with compact keys
    }
    for (std::int64_t i = 1; i < list.ListCount(); ++i)
        EXPECT_LT(std::pair(NetSortKey(list.List(i - 1)), std::string(list.List(i - 1))),
                  std::pair(NetSortKey(list.List(i)), std::string(list.List(i))));
}

}  // namespace
}  // namespace netlist::test
