// The S-expression reader: each text of data/sexpr-parses.txt read into its
// tree, every node with its place, or refused with the fault and its place.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "design/files/kicad/SExpression.h"
#include "tests/support/TestFiles.h"

namespace netlist::sexpr {
namespace {

// An atom as its text, quoted when it is a string; a list as "(HEAD: ELEMENTS)",
// HEAD empty unless the list begins with a symbol; each with "@LINE:COLUMN".
std::string Tree(const Node& node) {
    std::string text;
    if (node.isList()) {
        text = "(" + std::string(node.head()) + ":";
        for (const Node element : node.children()) text += " " + Tree(element);
        text += ")";
    } else {
        const std::string atom(node.text());
        text = node.kind() == NodeKind::String ? "\"" + atom + "\"" : atom;
    }
    return text + "@" + std::to_string(node.place().line) + ":" +
           std::to_string(node.place().column);
}

// The roots' trees, or "LINE:COLUMN message" of the fault the parser finds.
std::string Outcome(const std::string& text, const Limits& limits, bool skipZone) {
    try {
        const Document document =
            Parse(text, limits, skipZone ? SkippedHeads{"zone"} : SkippedHeads{});
        std::string trees;
        for (const Node root : document.roots()) trees += (trees.empty() ? "" : " ") + Tree(root);
        return trees;
    } catch (const SyntaxError& error) {
        return std::to_string(error.place().line) + ":" + std::to_string(error.place().column) +
               " " + error.what();
    }
}

TEST(SExpression, ReadsTreesWithTheirPlacesAndNamesTheFaults) {
    for (const auto& row : netlist::test::ReadDataCases("design/kicad/data/sexpr-parses.txt")) {
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
        EXPECT_EQ(Outcome(row.input, limits, skipZone),
                  bar == std::string::npos ? row.expected : row.expected.substr(bar + 3))
            << "sexpr-parses.txt:" << row.line;
    }
    // A hostile file of nothing but opening parentheses, under the default.
    EXPECT_EQ(Outcome(std::string(100'000, '('), {}, false),
              "1:257 lists nested deeper than 256 levels");
}

TEST(SExpression, UnescapesStrings) {
    for (const auto& row : netlist::test::ReadDataCases("design/kicad/data/sexpr-strings.txt"))
        EXPECT_EQ((*Parse(row.input).roots().begin()).text(), row.expected)
            << "sexpr-strings.txt:" << row.line;
}

TEST(SExpression, ElementsAreFoundByHeadOrPlaceAndMissedBeyond) {
    const Document document = Parse(R"((net 1 "GND" (x)))");
    const Node net = *document.roots().begin();
    EXPECT_EQ(net.atomAt(2), "GND");
    EXPECT_EQ(net.atomAt(3), "") << "a list";
    EXPECT_EQ(net.atomAt(7), "");
    EXPECT_FALSE(net.child(4).has_value());
    EXPECT_EQ(net.find("x")->place().column, 14u);
    EXPECT_FALSE(net.find("footprint").has_value());
}

}  // namespace
}  // namespace netlist::sexpr
