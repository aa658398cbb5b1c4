// Feeds arbitrary bytes to the S-expression reader under small limits and
// walks every node it keeps. A SyntaxError is the expected answer to bad
// input; a crash, a sanitizer report, a hang or a broken tree is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "design/files/kicad/SExpression.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace netlist::sexpr;
using netlist::test::Check;

// Returns the number of nodes in the subtree.
// depth counts the lists around the node, the node itself included.
std::size_t walk(const Node& node, std::size_t depth, const Limits& limits) {
    Check(depth <= limits.maxDepth || node.isAtom());
    const Place place = node.place();
    Check(place.line >= 1 && place.column >= 1);
    if (node.isAtom()) {
        Check(node.children().empty() && node.head().empty());
        if (node.kind() == NodeKind::Symbol) Check(!node.text().empty());
        return 1;
    }
    std::size_t count = 1;
    std::size_t index = 0;
    for (const Node child : node.children()) {
        if (index == 0 && child.kind() == NodeKind::Symbol) Check(node.head() == child.text());
        Check(node.atomAt(index) == (child.isAtom() ? child.text() : std::string_view{}));
        count += walk(child, depth + 1, limits);
        ++index;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Limits limits{.maxDepth = 32, .maxTokenBytes = 64, .maxInputBytes = 1 << 20};
    // Half the inputs also skip the contents of (x ...) lists.
    const bool skip = size > 0 && (data[0] & 1);
    try {
        const Document document = skip ? Parse(text, limits, {"x"}) : Parse(text, limits);
        std::size_t count = 0;
        for (const Node root : document.roots()) count += walk(root, 1, limits);
        Check(count <= size);
    } catch (const SyntaxError& error) {
        Check(error.place().line >= 1 && error.place().column >= 1);
    }
    return 0;
}
