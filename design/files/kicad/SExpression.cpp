#include "design/files/kicad/SExpression.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

#include "design/files/kicad/ByteScan.h"

namespace netlist::sexpr {
namespace {

using detail::StoredNode;

// What a byte means between tokens; everything else continues a symbol.
enum CharClass : std::uint8_t { kSymbolChar, kBlank, kOpen, kClose, kQuote };

constexpr std::array<CharClass, 256> kCharClasses = [] {
    std::array<CharClass, 256> classes{};
    for (const unsigned char c : {' ', '\t', '\n', '\r', '\f', '\v'}) classes[c] = kBlank;
    classes['('] = kOpen;
    classes[')'] = kClose;
    classes['"'] = kQuote;
    return classes;
}();

// detail::FindSymbolEnd knows the delimiters by value.
static_assert([] {
    for (int c = 0; c < 256; ++c) {
        const bool delimiter =
            c == ' ' || (c >= '\t' && c <= '\r') || c == '(' || c == ')' || c == '"';
        if (delimiter != (kCharClasses[c] != kSymbolChar)) return false;
    }
    return true;
}());

CharClass classOf(char c) {
    return kCharClasses[static_cast<unsigned char>(c)];
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
           std::vector<detail::UnescapedText>& unescapedTexts)
        : text_(text),
          end_(text.data() + text.size()),
          limits_(limits),
          maxTokenBytes_(std::min<std::size_t>(limits.maxTokenBytes, StoredNode::kSizeMask)),
          skipped_(skipped),
          document_(document),
          nodes_(nodes),
          unescaped_(unescaped),
          unescapedTexts_(unescapedTexts) {
        for (const std::string_view head : skipped)
            if (!head.empty()) skippedSizes_[firstByte(head)] |= sizeBit(head.size());
    }

    void run() {
        if (text_.starts_with(files::kByteOrderMark)) pos_ = files::kByteOrderMark.size();
        while (pos_ < text_.size()) {
            switch (classOf(text_[pos_])) {
                case kBlank:
                    skipBlanks();
                    break;
                case kOpen:
                    openList();
                    break;
                case kClose:
                    closeList();
                    break;
                case kQuote:
                    readString();
                    break;
                case kSymbolChar:
                    readSymbol();
                    break;
            }
        }
        if (!open_.empty()) failUnclosed(nodes_[open_.back()].offset, open_.size());
    }

  private:
    [[noreturn]] void fail(std::size_t offset, const std::string& description) const {
        throw SyntaxError(document_.placeOf(offset), description);
    }

    // At the end of the text: innermost is where the innermost open list starts.
    [[noreturn]] void failUnclosed(std::size_t innermost, std::size_t stillOpen) const {
        std::string description = "list not closed: the text ends before its ')'";
        if (stillOpen > 1) description += " (" + std::to_string(stillOpen) + " lists are open)";
        fail(innermost, description);
    }

    // Indentation comes in runs.
    void skipBlanks() {
        do ++pos_;
        while (pos_ < text_.size() && classOf(text_[pos_]) == kBlank);
    }

    [[noreturn]] void failTooDeep() const {
        fail(pos_, "lists nested deeper than " + std::to_string(limits_.maxDepth) + " levels");
    }

    void openList() {
        if (open_.size() >= limits_.maxDepth) failTooDeep();
        open_.push_back(static_cast<std::uint32_t>(nodes_.size()));
        nodes_.push_back({static_cast<std::uint32_t>(pos_), StoredNode::kListBit});
        headNext_ = true;
        ++pos_;
    }

    void closeList() {
        if (open_.empty()) fail(pos_, "unexpected ')': no list is open here");
        nodes_[open_.back()].word =
            StoredNode::kListBit | static_cast<std::uint32_t>(nodes_.size());
        open_.pop_back();
        headNext_ = false;
        ++pos_;
    }

    void addAtom(std::size_t offset, StoredNode::Kind kind, std::size_t textSize) {
        nodes_.push_back({static_cast<std::uint32_t>(offset),
                          static_cast<std::uint32_t>(textSize) |
                              (static_cast<std::uint32_t>(kind) << StoredNode::kKindShift)});
        headNext_ = false;
    }

    [[noreturn]] void tokenTooLong(std::size_t start, const char* what) const {
        fail(start,
             std::string(what) + " longer than " + std::to_string(maxTokenBytes_) + " bytes");
    }

    // Moves past a symbol; returns its size.
    std::size_t scanSymbol() {
        const char* const start = text_.data() + pos_;
        const char* const p =
            detail::FindSymbolEnd(start, end_, [](char c) { return classOf(c) != kSymbolChar; });
        const std::size_t size = static_cast<std::size_t>(p - start);
        if (size > maxTokenBytes_) tokenTooLong(pos_, "symbol");
        pos_ += size;
        return size;
    }

    void readSymbol() {
        const std::size_t start = pos_;
        const std::size_t size = scanSymbol();
        const bool isHead = headNext_;
        addAtom(start, StoredNode::kSymbol, size);
        if (!isHead) return;
        const std::string_view head = text_.substr(start, size);
        if ((skippedSizes_[firstByte(head)] & sizeBit(size)) == 0) return;
        for (const std::string_view skippedHead : skipped_)
            if (head == skippedHead) return skipRestOfList();
    }

    // Most heads are not skipped, which a glance at their first byte and
    // size tells: bit n of skippedSizes_[c] is set when a skipped head
    // begins with c and has n bytes (the last bit: 63 or more).
    static unsigned char firstByte(std::string_view head) {
        return static_cast<unsigned char>(head.front());
    }
    static std::uint64_t sizeBit(std::size_t size) {
        return std::uint64_t{1} << std::min<std::size_t>(size, 63);
    }

    // Moves past a string; returns whether it holds escapes. The closing
    // quote is looked for many bytes at a time; a string that is not closed
    // or is too long is walked again byte by byte, which tells which fault
    // comes first.
    bool scanString() {
        const std::size_t start = pos_;
        const char* const content = text_.data() + start + 1;
        bool hasEscapes = false;
        const char* p = content;
        for (;;) {
            p = detail::FindEither(p, end_, '"', '\\');
            if (p == end_ || *p == '"') break;
            hasEscapes = true;
            if (end_ - p < 2) return checkedScanString();
            p += 2;  // the backslash and the escaped character, whatever it is
        }
        if (p == end_ || static_cast<std::size_t>(p - content) > maxTokenBytes_)
            return checkedScanString();
        pos_ = static_cast<std::size_t>(p + 1 - text_.data());
        return hasEscapes;
    }

    // scanString's walk that stops at the first fault.
    bool checkedScanString() {
        const std::size_t start = pos_;
        const std::size_t contentStart = ++pos_;
        bool hasEscapes = false;
        for (;;) {
            if (pos_ >= text_.size())
                fail(start, "string not closed: the text ends before its closing '\"'");
            if (pos_ - contentStart > maxTokenBytes_) tokenTooLong(start, "string");
            const char c = text_[pos_];
            if (c == '"') break;
            if (c == '\\') {
                hasEscapes = true;
                ++pos_;  // the escaped character, whatever it is
            }
            ++pos_;
        }
        ++pos_;  // the closing quote
        return hasEscapes;
    }

    void readString() {
        const std::size_t start = pos_;
        const bool hasEscapes = scanString();
        const std::size_t contentSize = pos_ - start - 2;
        if (!hasEscapes) return addAtom(start, StoredNode::kPlainString, contentSize);
        const std::size_t textBegin = unescaped_.size();
        appendUnescaped(text_.substr(start + 1, contentSize), unescaped_);
        unescapedTexts_.push_back(
            {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(textBegin)});
        addAtom(start, StoredNode::kUnescapedString, unescaped_.size() - textBegin);
    }

    // The list just opened keeps its head and nothing more: the rest is only
    // checked for balance, strings and the limits, up to the list's ')'.
    // Between parentheses and quotes lie only blanks and symbols, so the scan
    // goes from one of those to the next, sixteen bytes at a time, and looks
    // at the symbols in between only when there is room for one that is too
    // long. Only the depth of the lists open inside is kept; where the
    // innermost starts is worked out again should the text end inside.
    void skipRestOfList() {
        const char* const text = text_.data();
        const std::size_t contentStart = pos_;
        std::size_t depth = 0;
        std::size_t gapStart = pos_;
        for (std::size_t chunk = pos_; chunk < text_.size();) {
            unsigned found = detail::MaskOfAny(text + chunk, end_, '(', ')', '"');
            std::size_t next = chunk + 16;
            for (; found != 0; found &= found - 1) {
                const std::size_t at = chunk + static_cast<std::size_t>(std::countr_zero(found));
                if (at - gapStart > maxTokenBytes_) checkSymbolsBetween(gapStart, at);
                pos_ = at;
                if (text[at] == '(') {
                    if (open_.size() + depth >= limits_.maxDepth) failTooDeep();
                    ++depth;
                } else if (text[at] == ')') {
                    if (depth == 0) return closeList();
                    --depth;
                } else {
                    scanString();
                    next = pos_;  // the chunk's later bits may lie inside the string
                    gapStart = pos_;
                    break;
                }
                gapStart = at + 1;
            }
            chunk = next;
        }
        pos_ = text_.size();
        if (pos_ - gapStart > maxTokenBytes_) checkSymbolsBetween(gapStart, pos_);
        failUnclosed(depth == 0 ? nodes_[open_.back()].offset : innermostOpenFrom(contentStart),
                     open_.size() + depth);
    }

    // Where the innermost list still open at the end of the text starts,
    // walking from offset, where no list is open, in a text already checked.
    std::size_t innermostOpenFrom(std::size_t offset) const {
        std::vector<std::size_t> starts;
        for (std::size_t at = offset; at < text_.size(); ++at) {
            if (text_[at] == '(') {
                starts.push_back(at);
            } else if (text_[at] == ')') {
                starts.pop_back();
            } else if (text_[at] == '"') {
                for (++at; text_[at] != '"'; ++at)
                    if (text_[at] == '\\') ++at;
            }
        }
        return starts.back();
    }

    // Fails at the first symbol too long in a stretch of blanks and symbols.
    void checkSymbolsBetween(std::size_t from, std::size_t to) {
        const std::size_t resume = pos_;
        for (pos_ = from; pos_ < to;)
            if (classOf(text_[pos_]) == kBlank)
                ++pos_;
            else
                scanSymbol();
        pos_ = resume;
    }

    std::string_view text_;
    const char* const end_;
    const Limits& limits_;
    const std::size_t maxTokenBytes_;
    SkippedHeads skipped_;
    const Document& document_;
    std::vector<StoredNode>& nodes_;
    std::string& unescaped_;
    std::vector<detail::UnescapedText>& unescapedTexts_;
    std::size_t pos_ = 0;
    std::vector<std::uint32_t> open_;  // the kept lists not yet closed, innermost last
    bool headNext_ = false;            // whether a list was opened just before
    std::array<std::uint64_t, 256> skippedSizes_{};
};

}  // namespace

// ---- Nodes -------------------------------------------------------------------

Place Node::place() const {
    return document_->placeOf(document_->nodes_[index_].offset);
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

// ---- Document ------------------------------------------------------------------

std::string_view Document::unescapedText(const detail::StoredNode& node) const {
    const auto it = std::lower_bound(unescapedTexts_.begin(), unescapedTexts_.end(), node.offset,
                                     [](const detail::UnescapedText& text, std::uint32_t offset) {
                                         return text.offset < offset;
                                     });
    return {unescaped_.data() + it->start, node.size()};
}

// Places are needed only for messages, so they are worked out when asked
// for rather than recorded while reading.
Place Document::placeOf(std::size_t offset) const {
    return files::PlaceOf(text_, offset);
}

Document::Document(std::string_view text, const Limits& limits, SkippedHeads skipped)
    : text_(text) {
    // Offsets are stored in 32 bits, and node indices (no more than the
    // bytes of the text) in 31.
    const std::size_t maxInput =
        std::min<std::size_t>(limits.maxInputBytes, detail::StoredNode::kListBit - 1);
    if (text.size() > maxInput)
        throw SyntaxError(Place{},
                          "the text is larger than " + std::to_string(maxInput) + " bytes");
    // Room for a token every four bytes, more than real files hold: growing
    // would copy the array, while room never touched costs no memory.
    nodes_.reserve(text.size() / 4);
    Parser(text, limits, skipped, *this, nodes_, unescaped_, unescapedTexts_).run();
}

}  // namespace netlist::sexpr
