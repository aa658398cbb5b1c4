// A reader for the S-expression text that KiCad boards and netlists are
// written in: lists in parentheses, bare symbols and double-quoted strings.
//
// The whole text becomes one flat array of nodes in document order; each node
// records where its subtree ends, so the children of a list are walked by
// jumping from sibling to sibling. A file costs a fixed number of bytes per
// token plus the unescaped strings. Every node can tell its place (line and
// column) in the text, worked out when a message needs it. Limits on nesting
// and on the size of one token keep a hostile file from exhausting memory or
// time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/files/SourcePlace.h"

namespace netlist::sexpr {

enum class NodeKind : std::uint8_t { List, Symbol, String };

struct Limits {
    std::size_t maxDepth = 256;             // lists open at the same time
    std::size_t maxTokenBytes = 16u << 20;  // one symbol or string, as written
    std::size_t maxInputBytes = 1u << 30;   // the whole text
};

// Heads of lists whose contents a reader never looks at (the fill polygons
// of a copper zone make up most of a board file). Such a list keeps its node
// and its head but no other children; the text inside is still checked for
// balance, closed strings and the limits.
using SkippedHeads = std::initializer_list<std::string_view>;

using Place = files::SourcePlace;

// A text that is not a well-formed S-expression, or that breaks a limit.
// what() is the bare description; place() says where.
using SyntaxError = files::ParseError;

class Document;
class NodeRange;

namespace detail {
// 8 bytes per node: where it begins in the text, and one word that says what
// it is. A list's word holds its top bit and, below it, the index one past
// its last descendant; an atom's holds its kind and the size of its text.
// The few strings with escapes keep their unescaped text aside.
struct StoredNode {
    std::uint32_t offset;
    std::uint32_t word;

    static constexpr std::uint32_t kListBit = 1u << 31;
    static constexpr std::uint32_t kKindShift = 29;  // atoms: the kind in bits 29 and 30
    static constexpr std::uint32_t kSizeMask = (1u << kKindShift) - 1;
    enum Kind : std::uint32_t { kSymbol = 0, kPlainString = 1, kUnescapedString = 2, kList = 4 };
    bool isList() const { return (word & kListBit) != 0; }
    Kind kind() const { return isList() ? kList : static_cast<Kind>(word >> kKindShift); }
    std::uint32_t link() const { return word & ~kListBit; }  // lists
    std::uint32_t size() const { return word & kSizeMask; }  // atoms
};

// Where the unescaped text of the string at offset starts.
struct UnescapedText {
    std::uint32_t offset;
    std::uint32_t start;
};
}  // namespace detail

// A light handle on one node of a Document; valid while the document lives.
class Node {
  public:
    NodeKind kind() const;
    bool isList() const { return kind() == NodeKind::List; }
    bool isAtom() const { return !isList(); }

    // An atom's text, strings unescaped and without their quotes; "" for a list.
    std::string_view text() const;
    // A list's first element when that is a symbol ("footprint" for
    // (footprint ...)); "" otherwise.
    std::string_view head() const;
    Place place() const;

    // The elements of a list, head included; empty for an atom.
    NodeRange children() const;
    std::optional<Node> child(std::size_t index) const;
    // The text of the element at index when it is an atom, else "".
    std::string_view atomAt(std::size_t index) const;
    // The first element that is a list with this head.
    std::optional<Node> find(std::string_view listHead) const;

  private:
    friend class Document;
    friend class NodeRange;
    Node(const Document* document, std::uint32_t index) : document_(document), index_(index) {}

    const Document* document_;
    std::uint32_t index_;
};

// The nodes from one index up to (not including) another, sibling by sibling.
class NodeRange {
  public:
    class iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Node;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Node;

        iterator() = default;
        Node operator*() const { return Node(document_, index_); }
        iterator& operator++();  // to the next sibling
        iterator operator++(int) {
            iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const iterator& other) const { return index_ == other.index_; }

      private:
        friend class NodeRange;
        iterator(const Document* document, std::uint32_t index)
            : document_(document), index_(index) {}
        const Document* document_ = nullptr;
        std::uint32_t index_ = 0;
    };

    iterator begin() const { return iterator(document_, first_); }
    iterator end() const { return iterator(document_, end_); }
    bool empty() const { return first_ == end_; }

  private:
    friend class Node;
    friend class Document;
    NodeRange(const Document* document, std::uint32_t first, std::uint32_t end)
        : document_(document), first_(first), end_(end) {}

    const Document* document_;
    std::uint32_t first_;
    std::uint32_t end_;
};

// The parsed text. It refers to the text it was parsed from, which must
// outlive it. Nodes point into the document, so it is neither copied nor
// moved: it is built where it is kept.
class Document {
  public:
    // Throws SyntaxError for an unbalanced or truncated text, an unclosed
    // string, or a text that breaks one of the limits.
    explicit Document(std::string_view text, const Limits& limits = {}, SkippedHeads skipped = {});

    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    Document(Document&&) = delete;
    Document& operator=(Document&&) = delete;

    // The expressions at the outermost level, in order.
    NodeRange roots() const {
        return NodeRange(this, 0, static_cast<std::uint32_t>(nodes_.size()));
    }
    Place placeOf(std::size_t offset) const;

  private:
    friend class Node;
    friend class NodeRange;
    friend class NodeRange::iterator;

    std::string_view text_;
    // The text of a string with escapes, found by its offset.
    std::string_view unescapedText(const detail::StoredNode& node) const;

    std::vector<detail::StoredNode> nodes_;
    std::string unescaped_;
    std::vector<detail::UnescapedText> unescapedTexts_;  // by offset
};

// The accessors the readers call for every node, inline.
inline NodeKind Node::kind() const {
    switch (document_->nodes_[index_].kind()) {
        case detail::StoredNode::kList:
            return NodeKind::List;
        case detail::StoredNode::kSymbol:
            return NodeKind::Symbol;
        default:
            return NodeKind::String;
    }
}

inline std::string_view Node::text() const {
    const detail::StoredNode& node = document_->nodes_[index_];
    switch (node.kind()) {
        case detail::StoredNode::kList:
            return {};
        case detail::StoredNode::kSymbol:
            return {document_->text_.data() + node.offset, node.size()};
        case detail::StoredNode::kPlainString:
            return {document_->text_.data() + node.offset + 1, node.size()};
        case detail::StoredNode::kUnescapedString:
            return document_->unescapedText(node);
    }
    return {};
}

inline std::string_view Node::head() const {
    const detail::StoredNode& node = document_->nodes_[index_];
    const std::uint32_t first = index_ + 1;
    if (!node.isList() || first >= node.link()) return {};
    const detail::StoredNode& element = document_->nodes_[first];
    if (element.kind() != detail::StoredNode::kSymbol) return {};
    return {document_->text_.data() + element.offset, element.size()};
}

inline NodeRange Node::children() const {
    const detail::StoredNode& node = document_->nodes_[index_];
    const std::uint32_t end = node.isList() ? node.link() : index_ + 1;
    return NodeRange(document_, index_ + 1, end);
}

inline NodeRange::iterator& NodeRange::iterator::operator++() {
    const detail::StoredNode& node = document_->nodes_[index_];
    index_ = node.isList() ? node.link() : index_ + 1;
    return *this;
}

// The document of a text, built in place by the caller's initialisation.
inline Document Parse(std::string_view text, const Limits& limits = {}, SkippedHeads skipped = {}) {
    return Document(text, limits, skipped);
}

}  // namespace netlist::sexpr
