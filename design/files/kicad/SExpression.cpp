#include "design/files/kicad/SExpression.h"

#include <algorithm>
#include <limits>

namespace netlist::sexpr {
namespace {

using detail::StoredNode;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool endsSymbol(char c) {
    return isBlank(c) || c == '(' || c == ')' || c == '"';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

// Backslash escapes as the files write them: the C ones, \xHH and \ooo. An
// unknown escape stays as written, backslash included, so that a Windows
// path such as "C:\pcb" survives.
void appendUnescaped(std::string_view raw, std::string& out) {
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '\\' || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        const char escape = raw[++i];
        switch (escape) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'v':
                out += '\v';
                break;
            case '"':
            case '\\':
                out += escape;
                break;
            case 'x': {
                int value = 0;
                std::size_t digits = 0;
                while (digits < 2 && i + 1 < raw.size() && hexValue(raw[i + 1]) >= 0) {
                    value = value * 16 + hexValue(raw[++i]);
                    ++digits;
                }
                if (digits == 0)
                    out += "\\x";
                else
                    out += static_cast<char>(value);
                break;
            }
            default:
                if (isOctal(escape)) {
                    int value = escape - '0';
                    for (int digits = 1; digits < 3 && i + 1 < raw.size() && isOctal(raw[i + 1]);
                         ++digits)
                        value = value * 8 + (raw[++i] - '0');
                    out += static_cast<char>(value & 0xFF);
                } else {
                    out += '\\';
                    out += escape;
                }
        }
    }
}

class Parser {
  public:
    Parser(std::string_view text, const Limits& limits, SkippedHeads skipped,
           const Document& document, std::vector<StoredNode>& nodes, std::string& unescaped,
           std::vector<std::uint32_t>& lineStarts)
        : text_(text),
          limits_(limits),
          skipped_(skipped),
          document_(document),
          nodes_(nodes),
          unescaped_(unescaped),
          lineStarts_(lineStarts) {}

    void run() {
        lineStarts_.push_back(0);
        while (pos_ < text_.size()) {
            switch (text_[pos_]) {
                case '\n':
                    ++pos_;
                    lineStarts_.push_back(static_cast<std::uint32_t>(pos_));
                    break;
                case ' ':
                case '\t':
                case '\r':
                case '\f':
                case '\v':
                    ++pos_;
                    break;
                case '(':
                    openList();
                    break;
                case ')':
                    closeList();
                    break;
                case '"':
                    readString();
                    break;
                default:
                    readSymbol();
            }
        }
        const std::size_t stillOpen = open_.size() + skippedOpen_.size();
        if (stillOpen > 0) {
            std::string description = "list not closed: the text ends before its ')'";
            if (stillOpen > 1) description += " (" + std::to_string(stillOpen) + " lists are open)";
            fail(skippedOpen_.empty() ? nodes_[open_.back()].offset : skippedOpen_.back(),
                 description);
        }
    }

  private:
    [[noreturn]] void fail(std::size_t offset, const std::string& description) const {
        throw SyntaxError(document_.placeOf(offset), description);
    }

    bool skipping() const { return skipping_; }

    void openList() {
        if (open_.size() + skippedOpen_.size() >= limits_.maxDepth)
            fail(pos_, "lists nested deeper than " + std::to_string(limits_.maxDepth) + " levels");
        if (skipping()) {
            skippedOpen_.push_back(static_cast<std::uint32_t>(pos_));
        } else {
            open_.push_back(static_cast<std::uint32_t>(nodes_.size()));
            nodes_.push_back({static_cast<std::uint32_t>(pos_), 0, 0});
        }
        ++pos_;
    }

    void closeList() {
        if (!skippedOpen_.empty()) {
            skippedOpen_.pop_back();
        } else {
            if (open_.empty()) fail(pos_, "unexpected ')': no list is open here");
            skipping_ = false;  // a skipped list ends with its own ')'
            nodes_[open_.back()].link = static_cast<std::uint32_t>(nodes_.size());
            open_.pop_back();
        }
        ++pos_;
    }

    void addAtom(std::size_t offset, StoredNode::Kind kind, std::size_t textSize,
                 std::size_t link = 0) {
        if (skipping()) return;
        nodes_.push_back({static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(link),
                          static_cast<std::uint32_t>(textSize) |
                              (static_cast<std::uint32_t>(kind) << StoredNode::kSizeBits)});
    }

    [[noreturn]] void tokenTooLong(std::size_t start, const char* what) const {
        fail(start,
             std::string(what) + " longer than " + std::to_string(maxTokenBytes()) + " bytes");
    }

    std::size_t maxTokenBytes() const {
        return std::min<std::size_t>(limits_.maxTokenBytes, StoredNode::kSizeMask);
    }

    void readSymbol() {
        const std::size_t start = pos_;
        const std::size_t limit = maxTokenBytes();
        while (pos_ < text_.size() && !endsSymbol(text_[pos_])) {
            ++pos_;
            if (pos_ - start > limit) tokenTooLong(start, "symbol");
        }
        const bool isHead = !skipping() && !open_.empty() && open_.back() + 1 == nodes_.size();
        addAtom(start, StoredNode::kSymbol, pos_ - start);
        if (isHead) {
            const std::string_view head = text_.substr(start, pos_ - start);
            for (const std::string_view skippedHead : skipped_)
                if (head == skippedHead) skipping_ = true;
        }
    }

    void readString() {
        const std::size_t start = pos_;
        const std::size_t contentStart = ++pos_;
        const std::size_t limit = maxTokenBytes();
        bool hasEscapes = false;
        for (;;) {
            if (pos_ >= text_.size())
                fail(start, "string not closed: the text ends before its closing '\"'");
            if (pos_ - contentStart > limit) tokenTooLong(start, "string");
            const char c = text_[pos_];
            if (c == '"') break;
            if (c == '\\') {
                hasEscapes = true;
                if (++pos_ >= text_.size()) continue;  // reported as not closed
            }
            if (text_[pos_] == '\n') lineStarts_.push_back(static_cast<std::uint32_t>(pos_ + 1));
            ++pos_;
        }
        const std::size_t contentSize = pos_ - contentStart;
        if (contentSize > limit) tokenTooLong(start, "string");
        ++pos_;  // the closing quote
        if (!hasEscapes || skipping()) {
            addAtom(start, StoredNode::kPlainString, contentSize);
            return;
        }
        const std::size_t textBegin = unescaped_.size();
        appendUnescaped(text_.substr(contentStart, contentSize), unescaped_);
        addAtom(start, StoredNode::kUnescapedString, unescaped_.size() - textBegin, textBegin);
    }

    std::string_view text_;
    const Limits& limits_;
    SkippedHeads skipped_;
    const Document& document_;
    std::vector<StoredNode>& nodes_;
    std::string& unescaped_;
    std::vector<std::uint32_t>& lineStarts_;
    std::size_t pos_ = 0;
    std::vector<std::uint32_t> open_;  // the kept lists not yet closed, innermost last
    // Inside a skipped list, which is the innermost kept one: the lists
    // opened within it are only tracked by where they start.
    bool skipping_ = false;
    std::vector<std::uint32_t> skippedOpen_;
};

}  // namespace

// ---- Nodes -------------------------------------------------------------------

NodeKind Node::kind() const {
    switch (document_->nodes_[index_].kind()) {
        case StoredNode::kList:
            return NodeKind::List;
        case StoredNode::kSymbol:
            return NodeKind::Symbol;
        default:
            return NodeKind::String;
    }
}

std::string_view Node::text() const {
    const StoredNode& node = document_->nodes_[index_];
    switch (node.kind()) {
        case StoredNode::kList:
            return {};
        case StoredNode::kSymbol:
            return document_->text_.substr(node.offset, node.size());
        case StoredNode::kPlainString:
            return document_->text_.substr(node.offset + 1, node.size());
        case StoredNode::kUnescapedString:
            return std::string_view(document_->unescaped_).substr(node.link, node.size());
    }
    return {};
}

std::string_view Node::head() const {
    const StoredNode& node = document_->nodes_[index_];
    const std::uint32_t first = index_ + 1;
    if (node.kind() != StoredNode::kList || first >= node.link) return {};
    if (document_->nodes_[first].kind() != StoredNode::kSymbol) return {};
    return Node(document_, first).text();
}

Place Node::place() const {
    return document_->placeOf(document_->nodes_[index_].offset);
}

NodeRange Node::children() const {
    const StoredNode& node = document_->nodes_[index_];
    const std::uint32_t end = node.kind() == StoredNode::kList ? node.link : index_ + 1;
    return NodeRange(document_, index_ + 1, end);
}

std::optional<Node> Node::child(std::size_t index) const {
    for (const Node element : children()) {
        if (index == 0) return element;
        --index;
    }
    return std::nullopt;
}

std::string_view Node::atomAt(std::size_t index) const {
    const std::optional<Node> element = child(index);
    return element && element->isAtom() ? element->text() : std::string_view{};
}

std::optional<Node> Node::find(std::string_view listHead) const {
    for (const Node element : children())
        if (element.isList() && element.head() == listHead) return element;
    return std::nullopt;
}

NodeRange::iterator& NodeRange::iterator::operator++() {
    const StoredNode& node = document_->nodes_[index_];
    index_ = node.kind() == StoredNode::kList ? node.link : index_ + 1;
    return *this;
}

// ---- Document ------------------------------------------------------------------

Place Document::placeOf(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const std::size_t lineIndex = after == lineStarts_.begin()
                                      ? 0
                                      : static_cast<std::size_t>(after - lineStarts_.begin()) - 1;
    const std::size_t lineStart = lineStarts_.empty() ? 0 : lineStarts_[lineIndex];
    std::size_t column = 1;
    for (std::size_t i = lineStart; i < offset; ++i)
        if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) ++column;
    return Place{lineIndex + 1, column};
}

Document Parse(std::string_view text, const Limits& limits, SkippedHeads skipped) {
    Document document(text);
    // Offsets are stored in 32 bits.
    const std::size_t maxInput =
        std::min<std::size_t>(limits.maxInputBytes, std::numeric_limits<std::uint32_t>::max() - 1);
    if (text.size() > maxInput)
        throw SyntaxError(Place{},
                          "the text is larger than " + std::to_string(maxInput) + " bytes");
    // Room for a token every four bytes, more than real files hold: growing
    // would copy the array, while room never touched costs no memory.
    document.nodes_.reserve(text.size() / 4);
    Parser(text, limits, skipped, document, document.nodes_, document.unescaped_,
           document.lineStarts_)
        .run();
    return document;
}

}  // namespace netlist::sexpr
