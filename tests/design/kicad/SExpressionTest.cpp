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
        std::string text;
        if (element.isList()) {
            text.append("(").append(element.head()).append(")");
        } else {
            text = element.text();
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

Node OnlyRoot(const Document& document) {
    EXPECT_EQ(std::distance(document.roots().begin(), document.roots().end()), 1);
    return *document.roots().begin();
}

// Parses text expecting a SyntaxError; returns it for inspection.
SyntaxError FailureOf(std::string_view text, const Limits& limits = {}, SkippedHeads skipped = {}) {
    try {
        Parse(text, limits, skipped);
    } catch (const SyntaxError& error) {
        return error;
    }
    ADD_FAILURE() << "parsed without error: " << text;
    return SyntaxError({}, "");
}

TEST(SExpression, ReadsListsSymbolsAndStringsInOrder) {
    const std::string text = R"((kicad_pcb (version 20211014) (net 1 "GND") "" (net 0 "")))";
    const Document document = Parse(text);
    const Node board = OnlyRoot(document);
    EXPECT_EQ(board.head(), "kicad_pcb");
    EXPECT_EQ(AtomTexts(board),
              (std::vector<std::string>{"kicad_pcb", "(version)", "(net)", "", "(net)"}));

    const Node net = *board.find("net");
    EXPECT_EQ(AtomTexts(net), (std::vector<std::string>{"net", "1", "GND"}));
    EXPECT_EQ(net.child(1)->kind(), NodeKind::Symbol);
    EXPECT_EQ(net.child(2)->kind(), NodeKind::String);
    EXPECT_EQ(board.child(3)->kind(), NodeKind::String);  // the empty string is an atom
    EXPECT_FALSE(net.child(3).has_value());
    EXPECT_EQ(net.atomAt(7), "");
    EXPECT_FALSE(board.find("footprint").has_value());
}

TEST(SExpression, HeadIsOnlyALeadingSymbol) {
    const Document document = Parse(R"(("quoted" x) ((inner) y) () atom)");
    std::vector<Node> roots(document.roots().begin(), document.roots().end());
    ASSERT_EQ(roots.size(), 4u);
    EXPECT_EQ(roots[0].head(), "");
    EXPECT_EQ(roots[1].head(), "");
    EXPECT_EQ(roots[2].head(), "");
    EXPECT_TRUE(roots[2].children().empty());
    EXPECT_EQ(roots[3].head(), "");
    EXPECT_EQ(roots[3].text(), "atom");
    EXPECT_TRUE(roots[3].children().empty());
}

TEST(SExpression, SymbolsEndAtBlanksParenthesesAndQuotes) {
    const Document document = Parse("(a\tb\r\nc\"d\"e(f)g)");
    EXPECT_EQ(AtomTexts(OnlyRoot(document)),
              (std::vector<std::string>{"a", "b", "c", "d", "e", "(f)", "g"}));
}

TEST(SExpression, UnescapesStrings) {
    const struct {
        const char* written;
        std::string meant;
    } cases[] = {
        {R"("say \"hi\"")", "say \"hi\""},
        {R"("back\\slash")", "back\\slash"},
        {R"("a\nb\tc\rd")", "a\nb\tc\rd"},
        {R"("\a\b\f\v")", "\a\b\f\v"},
        {R"("\x41\x4a\x4B!")", "AJK!"},
        {R"("\xe9t\xE9")", "\xE9t\xE9"},
        {R"("\101\60\0619")", "A019"},
        {R"("C:\pcb\out")", "C:\\pcb\\out"},  // unknown escapes stay as written
        {R"("\x")", "\\x"},
        {R"("\xg")", "\\xg"},
        {R"("µΩ")", "µΩ"},  // UTF-8 passes through untouched
    };
    for (const auto& c : cases) {
        const Document document = Parse(c.written);
        EXPECT_EQ(OnlyRoot(document).text(), c.meant) << c.written;
    }
}

TEST(SExpression, EveryNodeKnowsItsLineAndColumn) {
    const std::string text =
        "(kicad_pcb\n"
        "  (title \"two\nlines\") (µΩ x)\r\n"
        "\t(net 1 \"GND\"))";
    const Document document = Parse(text);
    const Node board = OnlyRoot(document);
    EXPECT_EQ(board.place().line, 1u);
    EXPECT_EQ(board.place().column, 1u);

    const Node title = *board.child(1);
    EXPECT_EQ(title.place().line, 2u);
    EXPECT_EQ(title.place().column, 3u);
    EXPECT_EQ(title.child(1)->place().line, 2u);
    EXPECT_EQ(title.child(1)->place().column, 10u);

    // After the string's own line break; columns count characters, not bytes.
    const Node greek = *board.child(2);
    EXPECT_EQ(greek.place().line, 3u);
    EXPECT_EQ(greek.place().column, 9u);
    EXPECT_EQ(greek.child(1)->place().column, 13u);

    const Node net = *board.find("net");
    EXPECT_EQ(net.place().line, 4u);
    EXPECT_EQ(net.place().column, 2u);
    EXPECT_EQ(net.child(2)->place().column, 9u);
}

TEST(SExpression, SkippedListsKeepOnlyTheirHead) {
    const std::string text =
        "(board (zone (pts (xy 1 2) (xy 3 \"(\")) \"a\\\"b\")\n"
        "  (net 1 (zone inner)) zone (x (zone)))";
    const Document document = Parse(text, {}, {"zone"});
    const Node board = OnlyRoot(document);
    EXPECT_EQ(AtomTexts(board),
              (std::vector<std::string>{"board", "(zone)", "(net)", "zone", "(x)"}));
    const Node zone = *board.child(1);
    EXPECT_EQ(AtomTexts(zone), (std::vector<std::string>{"zone"}));
    EXPECT_EQ(zone.place().column, 8u);
    // Nested anywhere, and the text after a skipped list keeps its place.
    const Node net = *board.find("net");
    EXPECT_EQ(AtomTexts(*net.child(2)), (std::vector<std::string>{"zone"}));
    EXPECT_EQ(net.place().line, 2u);
    EXPECT_EQ(net.place().column, 3u);
    EXPECT_EQ(AtomTexts(*board.find("x")->child(1)), (std::vector<std::string>{"zone"}));
}

TEST(SExpression, SkippedListsAreStillChecked) {
    const SkippedHeads zone = {"zone"};
    const SyntaxError unclosed = FailureOf("(a (zone (pts (xy 1 2)\n  (xy 3", {}, zone);
    EXPECT_STREQ(unclosed.what(),
                 "list not closed: the text ends before its ')' (4 lists are open)");
    EXPECT_EQ(unclosed.place().line, 2u);
    EXPECT_EQ(unclosed.place().column, 3u);
    EXPECT_STREQ(FailureOf("(zone \"open)", {}, zone).what(),
                 "string not closed: the text ends before its closing '\"'");
    EXPECT_STREQ(FailureOf("(zone (((x)))))", {.maxDepth = 3}, zone).what(),
                 "lists nested deeper than 3 levels");
    EXPECT_STREQ(FailureOf("(zone) )", {}, zone).what(), "unexpected ')': no list is open here");
}

TEST(SExpression, EmptyOrBlankTextHasNoExpressions) {
    EXPECT_TRUE(Parse("").roots().empty());
    EXPECT_TRUE(Parse(" \r\n\t ").roots().empty());
}

TEST(SExpression, UnbalancedTextIsRefusedWithItsPlace) {
    const SyntaxError extra = FailureOf("(a (b))\n  )");
    EXPECT_STREQ(extra.what(), "unexpected ')': no list is open here");
    EXPECT_EQ(extra.place().line, 2u);
    EXPECT_EQ(extra.place().column, 3u);

    // A cut-off file: the innermost list still open is named.
    const SyntaxError truncated = FailureOf("(kicad_pcb\n  (net 1 \"GND\")\n  (segment (start 1 2");
    EXPECT_EQ(std::string(truncated.what()),
              "list not closed: the text ends before its ')' (3 lists are open)");
    EXPECT_EQ(truncated.place().line, 3u);
    EXPECT_EQ(truncated.place().column, 12u);

    const SyntaxError single = FailureOf("(a b");
    EXPECT_STREQ(single.what(), "list not closed: the text ends before its ')'");
    EXPECT_EQ(single.place().column, 1u);
}

TEST(SExpression, UnclosedStringsAreRefusedAtTheirOpeningQuote) {
    for (const char* text :
         {"(a \"never closed)", "(a \"ends in a backslash\\", "(a \"\\\"", "\""}) {
        const SyntaxError error = FailureOf(text);
        EXPECT_STREQ(error.what(), "string not closed: the text ends before its closing '\"'")
            << text;
        EXPECT_EQ(error.place().column, std::string_view(text).find('"') + 1) << text;
    }
}

TEST(SExpression, NestingUpToTheLimitIsRead) {
    const Limits limits{.maxDepth = 5};
    EXPECT_NO_THROW(Parse("(((((x)))))", limits));
    const SyntaxError error = FailureOf("(((\n((( x))))))", limits);
    EXPECT_STREQ(error.what(), "lists nested deeper than 5 levels");
    EXPECT_EQ(error.place().line, 2u);
    EXPECT_EQ(error.place().column, 3u);

    // A hostile file of nothing but opening parentheses, under the default.
    const SyntaxError hostile = FailureOf(std::string(100'000, '('));
    EXPECT_STREQ(hostile.what(), "lists nested deeper than 256 levels");
    EXPECT_EQ(hostile.place().column, 257u);
}

TEST(SExpression, TokensUpToTheLimitAreRead) {
    const Limits limits{.maxTokenBytes = 8};
    EXPECT_EQ(OnlyRoot(Parse("(12345678)", limits)).atomAt(0), "12345678");
    EXPECT_EQ(OnlyRoot(Parse("(\"12345678\")", limits)).atomAt(0), "12345678");
    // The limit applies to the text as written, escapes included.
    EXPECT_EQ(OnlyRoot(Parse(R"(("\"\"\"\""))", limits)).atomAt(0), "\"\"\"\"");

    const SyntaxError symbol = FailureOf("(a 123456789)", limits);
    EXPECT_STREQ(symbol.what(), "symbol longer than 8 bytes");
    EXPECT_EQ(symbol.place().column, 4u);
    const SyntaxError string = FailureOf("(a \"123456789\")", limits);
    EXPECT_STREQ(string.what(), "string longer than 8 bytes");
    EXPECT_EQ(string.place().column, 4u);
    EXPECT_STREQ(FailureOf(R"(("\"\"\"\"x"))", limits).what(), "string longer than 8 bytes");
    // An unclosed string stops at the limit instead of swallowing the file.
    EXPECT_STREQ(FailureOf("(\"" + std::string(100, 'x'), limits).what(),
                 "string longer than 8 bytes");
}

TEST(SExpression, TextLargerThanTheInputLimitIsRefused) {
    const Limits limits{.maxInputBytes = 10};
    EXPECT_NO_THROW(Parse("(123456 8)", limits));
    EXPECT_STREQ(FailureOf("(1234567 9)", limits).what(), "the text is larger than 10 bytes");
}

}  // namespace
}  // namespace netlist::sexpr
