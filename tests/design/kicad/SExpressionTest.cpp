#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/files/kicad/SExpression.h"

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
    const std::pair<const char*, std::string> cases[] = {
        {R"("say \"hi\"")", "say \"hi\""},
        {R"("back\\slash")", "back\\slash"},
        {R"("a\nb\tc\rd\a\b\f\v")", "a\nb\tc\rd\a\b\f\v"},
        {R"("\x41\x4a\x4B!\xe9")", "AJK!\xE9"},
        {R"("\101\60\0619")", "A019"},
        {R"("C:\pcb\out\x\xg")", "C:\\pcb\\out\\x\\xg"},  // unknown escapes stay as written
        {R"("µΩ")", "µΩ"},                                // UTF-8 passes through untouched
    };
    for (const auto& [written, meant] : cases)
        EXPECT_EQ(OnlyRoot(Parse(written)).text(), meant) << written;
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

TEST(SExpression, LimitsAreReadUpToAndIncluding) {
    EXPECT_NO_THROW(Parse("(((((x)))))", {.maxDepth = 5}));
    EXPECT_NO_THROW(Parse("(123456 8)", {.maxInputBytes = 10}));
    const Limits tokens{.maxTokenBytes = 8};
    EXPECT_EQ(OnlyRoot(Parse("(12345678 \"12345678\")", tokens)).atomAt(1), "12345678");
    // The limit applies to the text as written, escapes included.
    EXPECT_EQ(OnlyRoot(Parse(R"(("\"\"\"\""))", tokens)).atomAt(0), "\"\"\"\"");
}

TEST(SExpression, FaultsNameTheirPlace) {
    const std::string unclosedString = "string not closed: the text ends before its closing '\"'";
    const std::string unclosedList = "list not closed: the text ends before its ')'";
    const Limits depth5{.maxDepth = 5}, token8{.maxTokenBytes = 8}, input10{.maxInputBytes = 10};
    const SkippedHeads zone = {"zone"};
    const struct {
        std::string text;
        unsigned line, column;
        std::string fault;
        Limits limits = {};
        SkippedHeads skipped = {};
    } cases[] = {
        {"(a (b))\n  )", 2, 3, "unexpected ')': no list is open here"},
        {"(zone) )", 1, 8, "unexpected ')': no list is open here", {}, zone},
        // A cut-off file: the innermost list still open is named.
        {"(kicad_pcb\n  (net 1 \"GND\")\n  (segment (start 1 2", 3, 12,
         unclosedList + " (3 lists are open)"},
        {"(a b", 1, 1, unclosedList},
        {"(a (zone (pts (xy 1 2)\n  (xy 3", 2, 3, unclosedList + " (4 lists are open)", {}, zone},
        // Unclosed strings are placed at their opening quote.
        {"(a \"never closed)", 1, 4, unclosedString},
        {"(a \"ends in a backslash\\", 1, 4, unclosedString},
        {"(a \"\\\"", 1, 4, unclosedString},
        {"(zone \"open)", 1, 7, unclosedString, {}, zone},
        {"(((\n((( x))))))", 2, 3, "lists nested deeper than 5 levels", depth5},
        {"(zone (((x)))))", 1, 9, "lists nested deeper than 3 levels", {.maxDepth = 3}, zone},
        // A hostile file of nothing but opening parentheses, under the default.
        {std::string(100'000, '('), 1, 257, "lists nested deeper than 256 levels"},
        {"(a 123456789)", 1, 4, "symbol longer than 8 bytes", token8},
        {"(a \"123456789\")", 1, 4, "string longer than 8 bytes", token8},
        {R"(("\"\"\"\"x"))", 1, 2, "string longer than 8 bytes", token8},
        // An unclosed string stops at the limit instead of swallowing the file.
        {"(\"" + std::string(100, 'x'), 1, 2, "string longer than 8 bytes", token8},
        {"(1234567 9)", 1, 1, "the text is larger than 10 bytes", input10},
    };
    for (const auto& c : cases) {
        try {
            Parse(c.text, c.limits, c.skipped);
            ADD_FAILURE() << "parsed without error: " << c.text.substr(0, 40);
        } catch (const SyntaxError& error) {
            EXPECT_EQ(error.what(), c.fault) << c.text.substr(0, 40);
            EXPECT_EQ(error.place().line, c.line) << c.text.substr(0, 40);
            EXPECT_EQ(error.place().column, c.column) << c.text.substr(0, 40);
        }
    }
}

}  // namespace
}  // namespace netlist::sexpr
