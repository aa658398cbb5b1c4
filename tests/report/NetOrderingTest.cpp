#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "design/standin/StandInLibrary.h"
#include "report/NetCollation.h"
#include "report/NetOrdering.h"
#include "tests/report/ReportTestSupport.h"

namespace netlist {
namespace {

TEST(NetSortKeyText, PrefixesSupplyAndSingleNodeNetsAndPadsAFinalDigit) {
    struct Case {
        const char* name;
        std::int32_t nodes;
        const char* key;
    };
    const Case cases[] = {
        {"GND", 2, "zzzGND"},
        {"GNDA", 2, "zzzGNDA"},
        {"gnd", 2, "gnd"},
        {"Vcc3", 2, "Vcc03"},
        {"VCC_5", 2, "zzzVCC_05"},
        {"SHIELD", 2, "zzzSHIELD"},
        {"+5V", 2, "zzz+5V"},
        {"-12V", 2, "zzz-12V"},
        {"GND", 1, "~~~zzzGND"},
        {"TP1", 1, "~~~TP01"},
        {"5", 1, "~~~05"},
        {"7", 3, "07"},
        {"0", 3, "0"},
        {"A1", 2, "A01"},
        {"A12", 2, "A12"},
        {"A10", 2, "A10"},
        {"A0", 2, "A0"},
        {"A01", 2, "A001"},
        {"NET.1", 2, "NET.01"},
        {"", 2, ""},
        {"", 1, "~~~"},
        {"GN", 2, "GN"},
        {"+", 0, "zzz+"},
        {"SH1", 2, "SH01"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NetSortKeyText(c.name, c.nodes), c.key) << c.name << " with " << c.nodes;
}

TEST(NetItemText, JoinsKeyAndIdAndReadsTheIdBackFromTheLastDot) {
    EXPECT_EQ(NetItemText("A01", 57), "A01.57");
    EXPECT_EQ(NetItemText("NET.01", 23), "NET.01.23");
    EXPECT_EQ(ReadNetId("NET.01.23"), 23);
    EXPECT_EQ(ReadNetId("X.Y.7"), 7);
    EXPECT_EQ(ReadNetId(".0"), 0);
    for (const std::int32_t id : {0, 1, 32767, 32768, 100000, INT_MAX, -3, INT_MIN})
        EXPECT_EQ(ReadNetId(NetItemText("~~~zzzGND", id)), id) << id;
}

TEST(NetItemText, ItemsWithoutAWholeIdAreNotRead) {
    EXPECT_EQ(ReadNetId("A01"), std::nullopt);
    EXPECT_EQ(ReadNetId("A01."), std::nullopt);
    EXPECT_EQ(ReadNetId("A01.5x"), std::nullopt);
    EXPECT_EQ(ReadNetId("A01.99999999999"), std::nullopt);
}

// The list order of item texts, as List1 gives it.
std::vector<std::string> Sorted(std::vector<std::string> items) {
    NetList list;
    for (const auto& item : items) list.AddItem(item);
    std::vector<std::string> sorted;
    for (std::int64_t i = 0; i < list.ListCount(); ++i) sorted.emplace_back(list.List(i));
    return sorted;
}

TEST(NetCollation, IgnoresCase) {
    EXPECT_EQ(NetSortKey("CLK"), NetSortKey("clk"));
    EXPECT_EQ(NetSortKey("zzzGND.4"), NetSortKey("ZZZgnd.4"));
    EXPECT_EQ(NetSortKey("\xC9T\xC9"), NetSortKey("\xE9t\xE9"));  // Windows-1252 É and é
}

TEST(NetCollation, SymbolsComeBeforeDigitsAndDigitsBeforeLetters) {
    for (const char* symbol : {"~", ".", "+", "_", "/", "#", "(", "!"}) {
        EXPECT_LT(NetSortKey(symbol), NetSortKey("0")) << symbol;
        EXPECT_LT(NetSortKey(symbol), NetSortKey("a")) << symbol;
        EXPECT_LT(NetSortKey(symbol), NetSortKey("A")) << symbol;
    }
    EXPECT_LT(NetSortKey("9"), NetSortKey("a"));
    EXPECT_LT(NetSortKey("a"), NetSortKey("B"));
    EXPECT_LT(NetSortKey("B"), NetSortKey("c"));
}

TEST(NetCollation, HyphenAndApostropheOnlyBreakTies) {
    EXPECT_LT(NetSortKey("A-C"), NetSortKey("AD"));
    EXPECT_GT(NetSortKey("A-C"), NetSortKey("AB"));
    EXPECT_LT(NetSortKey("A'C"), NetSortKey("AD"));
    EXPECT_NE(NetSortKey("AB"), NetSortKey("A-B"));
    EXPECT_NE(NetSortKey("AB"), NetSortKey("A'B"));
    EXPECT_NE(NetSortKey("A-B"), NetSortKey("A'B"));
    // Unlike "_", a hyphen does not weigh against the letters that follow it.
    EXPECT_GT(NetSortKey("A-Z"), NetSortKey("A_B"));
    EXPECT_LT(NetSortKey("A_Z"), NetSortKey("AB"));
}

TEST(NetCollation, ALeadingPartComesFirst) {
    EXPECT_LT(NetSortKey("R1"), NetSortKey("R10"));
    EXPECT_LT(NetSortKey("A"), NetSortKey("A-"));
    EXPECT_LT(NetSortKey(""), NetSortKey("~"));
}

TEST(NetCollation, TextsBeyondTheUsualLengthAndEveryByteValueHaveKeys) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    EXPECT_FALSE(NetSortKey(all).empty());
    EXPECT_LT(NetSortKey(std::string(500, 'a')), NetSortKey(std::string(500, 'a') + "b"));
}

TEST(NetList, ReportsTheExampleNetsInTheirOrder) {
    // R10, R2, R1, gnd, GND, +5V with two nodes, TP1 with one.
    const std::vector<std::string> items = {
        NetItemText(NetSortKeyText("R10", 2), 1), NetItemText(NetSortKeyText("R2", 2), 2),
        NetItemText(NetSortKeyText("R1", 2), 3),  NetItemText(NetSortKeyText("gnd", 2), 4),
        NetItemText(NetSortKeyText("GND", 2), 5), NetItemText(NetSortKeyText("+5V", 2), 6),
        NetItemText(NetSortKeyText("TP1", 1), 7)};
    EXPECT_EQ(Sorted(items), (std::vector<std::string>{"~~~TP01.7", "gnd.4", "R01.3", "R02.2",
                                                       "R10.1", "zzz+5V.6", "zzzGND.5"}));
}

TEST(NetList, OrdersPaddedDigitsCaseTwinsAndDottedNames) {
    EXPECT_EQ(Sorted({"A01.2", "A005.1"}), (std::vector<std::string>{"A005.1", "A01.2"}));
    // CLK and clk compare equal, so their ids decide, as texts: 12 before 3.
    EXPECT_EQ(Sorted({"clk.3", "CLK.12"}), (std::vector<std::string>{"CLK.12", "clk.3"}));
    // The "." before the id sorts before every digit and letter.
    EXPECT_EQ(Sorted({"NET01.2", "NET.01.23", "NET.5"}),
              (std::vector<std::string>{"NET.01.23", "NET.5", "NET01.2"}));
    EXPECT_EQ(Sorted({"AB.10", "A-B.2", "AB.2"}),
              (std::vector<std::string>{"AB.10", "AB.2", "A-B.2"}));
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
        const std::string item = "N" + std::to_string(random() % 50) + "." + std::to_string(i);
        list.AddItem(item);
        added.push_back(item);
        if (i % 17 == 0) {
            ASSERT_EQ(list.ListCount(), i + 1);
        }
        if (i % 13 == 0) (void)list.List(0);
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

TEST(CollectNets, FillsTheListAndTotalsTheConnectedPins) {
    DesignData design = testing::Design(
        DesignKind::Pcb, "/boards/a.pcb",
        {testing::Net(4, "NET.1", {"U1-1", "U2-2"}), testing::Net(9, "TP1", {"TP1-1"})});
    design.nets[0].nodeCount = 40;  // the count the library reports, not the nodes it lists
    StandInLibrary library(design);
    ASSERT_EQ(library.TOpenDesign(0, kInterfaceVersion, "PCB", theSessionContext), 0);
    NetRecord net{};
    NetList list;
    EXPECT_EQ(CollectNets(library, net, list), 41);
    EXPECT_EQ(dbStatus, 32162);  // the walk's normal end stays in dbStatus
    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.List(0), "~~~TP01.9");
    EXPECT_EQ(list.List(1), "NET.01.4");
}

TEST(CollectNets, ADesignWithoutNetsHasNoConnectedPinTotal) {
    StandInLibrary library(testing::Design(DesignKind::Pcb, "/boards/a.pcb", {}));
    ASSERT_EQ(library.TOpenDesign(0, kInterfaceVersion, "PCB", theSessionContext), 0);
    NetRecord net{};
    NetList list;
    EXPECT_EQ(CollectNets(library, net, list), std::nullopt);
    EXPECT_EQ(list.ListCount(), 0);
}

}  // namespace
}  // namespace netlist
