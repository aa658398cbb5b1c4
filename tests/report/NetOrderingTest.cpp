#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <sstream>

#include "report/NetCollation.h"
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

// The list order of item texts, as List1 gives it.
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

}  // namespace
}  // namespace netlist::test
