#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "design/files/kicad/SExpression.h"
#include "tests/support/TestFiles.h"

namespace netlist::sexpr {
namespace {

// The elements of a list: atoms as their text, lists as "(head)".
std::vector<std::string> AtomTexts(const Node& list) {
    std::vector<std::string> texts;
    for (const Node element : list.children()) {
        std::string text(element.isList() ? "(" : "");
        text.append(element.isList() ? element.head() : element.text());
        texts.push_back(text.append(element.isList() ? ")" : ""));
    }
    return texts;
}

Node OnlyRoot(const Document& document) {
    EXPECT_EQ(std::distance(document.roots().begin(), document.roots().end()), 1);
    return *document.roots().begin();
}

TEST(SExpression, ReadsListsSymbolsAndStringsInOrderWithTheirPlaces) {
    const std::string text =
        "(kicad_pcb (version 20211014) \"\"\n"
        "  (title \"two\nlines\") (\xC2\xB5\xCE\xA9 x)\r\n"
        "\t(net 1 \"GND\") (a\tb\r\nc\"d\"e(f)g))";
    const Document document = Parse(text);
    const Node board = OnlyRoot(document);
    EXPECT_EQ(board.head(), "kicad_pcb");
    EXPECT_EQ(AtomTexts(board), (std::vector<std::string>{"kicad_pcb", "(version)", "", "(title)",
                                                          "(\xC2\xB5\xCE\xA9)", "(net)", "(a)"}));
    EXPECT_EQ(board.child(2)->kind(), NodeKind::String);  // the empty string is an atom
    const Node net = *board.find("net");
    EXPECT_EQ(AtomTexts(net), (std::vector<std::string>{"net", "1", "GND"}));
    EXPECT_EQ(net.child(1)->kind(), NodeKind::Symbol);
    EXPECT_EQ(net.child(2)->kind(), NodeKind::String);
    EXPECT_FALSE(net.child(3).has_value());
    EXPECT_EQ(net.atomAt(7), "");
    EXPECT_FALSE(board.find("footprint").has_value());
    // Symbols end at blanks, parentheses and quotes.
    EXPECT_EQ(AtomTexts(*board.find("a")),
              (std::vector<std::string>{"a", "b", "c", "d", "e", "(f)", "g"}));

    // Lines follow line breaks, also inside strings; columns count characters, not bytes.
    const std::pair<Node, std::pair<unsigned, unsigned>> places[] = {
        {board, {1, 1}},
        {*board.child(3), {2, 3}},
        {*board.child(3)->child(1), {2, 10}},
        {*board.child(4), {3, 9}},
        {*board.child(4)->child(1), {3, 13}},
        {net, {4, 2}},
        {*net.child(2), {4, 9}},
    };
    for (const auto& [node, place] : places) {
        EXPECT_EQ(node.place().line, place.first);
        EXPECT_EQ(node.place().column, place.second);
    }
}

TEST(SExpression, HeadIsOnlyALeadingSymbol) {
    const Document document = Parse(R"(("quoted" x) ((inner) y) () atom)");
    std::vector<Node> roots(document.roots().begin(), document.roots().end());
    ASSERT_EQ(roots.size(), 4u);
    for (const Node& root : roots) EXPECT_EQ(root.head(), "");
    EXPECT_TRUE(roots[2].children().empty());
    EXPECT_EQ(roots[3].text(), "atom");
    EXPECT_TRUE(Parse(" \r\n\t ").roots().empty());
}

TEST(SExpression, UnescapesStrings) {
    for (const auto& row : netlist::test::ReadDataCases("design/kicad/data/sexpr-strings.txt"))
        EXPECT_EQ(OnlyRoot(Parse(row.input)).text(), row.expected)
            << "sexpr-strings.txt:" << row.line;
}

TEST(SExpression, SkippedListsKeepOnlyTheirHead) {
    const std::string text =
        "(board (zone (pts (xy 1 2) (xy 3 \"(\")) \"a\\\"b\")\n"
        "  (net 1 (zone inner)) zone (x (zone)))";
    const Document document = Parse(text, {}, {"zone"});
    const Node board = OnlyRoot(document);
    EXPECT_EQ(AtomTexts(board),
              (std::vector<std::string>{"board", "(zone)", "(net)", "zone", "(x)"}));
    EXPECT_EQ(AtomTexts(*board.child(1)), (std::vector<std::string>{"zone"}));
    // Nested anywhere, and the text after a skipped list keeps its place.
    const Node net = *board.find("net");
    EXPECT_EQ(AtomTexts(*net.child(2)), (std::vector<std::string>{"zone"}));
    EXPECT_EQ(net.place().line, 2u);
    EXPECT_EQ(net.place().column, 3u);
}

// "LINE:COLUMN message" of the fault the parser finds.
std::string FaultOf(const std::string& text, const Limits& limits, bool skipZone = false) {
    try {
        Parse(text, limits, skipZone ? SkippedHeads{"zone"} : SkippedHeads{});
    } catch (const SyntaxError& error) {
        return std::to_string(error.place().line) + ":" + std::to_string(error.place().column) +
               " " + error.what();
    }
    return "parsed without error";
}

TEST(SExpression, FaultsNameTheirPlace) {
    for (const auto& row : netlist::test::ReadDataCases("design/kicad/data/sexpr-faults.txt")) {
        const std::size_t bar = row.expected.find(" | ");
        Limits limits;
        bool skipZone = false;
        std::istringstream options(bar == std::string::npos ? "" : row.expected.substr(0, bar));
        for (std::string name; options >> name;) {
            if (name == "zone") {
                skipZone = true;
                continue;
            }
            std::size_t& limit = name == "depth"   ? limits.maxDepth
                                 : name == "token" ? limits.maxTokenBytes
                                                   : limits.maxInputBytes;
            options >> limit;
        }
        EXPECT_EQ(FaultOf(row.input, limits, skipZone),
                  bar == std::string::npos ? row.expected : row.expected.substr(bar + 3))
            << "sexpr-faults.txt:" << row.line;
    }
    // A hostile file of nothing but opening parentheses, under the default.
    EXPECT_EQ(FaultOf(std::string(100'000, '('), {}), "1:257 lists nested deeper than 256 levels");
}

}  // namespace
}  // namespace netlist::sexpr
