#include "design/files/json/FastDesignReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "design/files/ServedDesignPath.h"
#include "design/files/SourcePlace.h"
#include "design/files/Utf8Sequence.h"
#include "design/files/json/DesignSchema.h"
#include "platform/Windows1252.h"

namespace netlist::json {
namespace {

// The bytes that stand for themselves in a JSON text.
constexpr std::array<bool, 256> kPlainAscii = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return plain;
}();

// Every read below returns false to give up.
class Reader {
  public:
    explicit Reader(std::string_view content)
        : at_(content.data()), end_(content.data() + content.size()) {}

    std::optional<FastRead> read() {
        if (std::string_view(at_, static_cast<std::size_t>(end_ - at_))
                .starts_with(files::kByteOrderMark))
            at_ += files::kByteOrderMark.size();
        FastRead read;
        if (!design(read)) return std::nullopt;
        skipSpace();
        if (at_ != end_ || !netIdsUnique(read.design.nets)) return std::nullopt;
        return read;
    }

  private:
    bool design(FastRead& read) {
        DesignData& design = read.design;
        return fields(Shape::Design, [&](Field field) {
            switch (field) {
                case Field::Kind:
                    return kind(design.kind);
                case Field::DesignPath:
                    read.designPathGiven = true;
                    return text(design.designPath) && !DesignPathFault(design.designPath);
                case Field::Title:
                    return text(design.title);
                case Field::Engineer:
                    return text(design.engineer);
                case Field::Revision:
                    return text(design.revision);
                case Field::Layers:
                    return list([&] {
                        DesignLayer& layer = design.layers.emplace_back();
                        return fields(Shape::Layer, [&](Field of) {
                            return of == Field::LayerName ? text(layer.name) : integer(layer.type);
                        });
                    });
                case Field::Components:
                    return list([&] {
                        DesignComponent& component = design.components.emplace_back();
                        return fields(Shape::Component, [&](Field of) {
                            if (of == Field::RefDes) return text(component.refDes);
                            return integer(of == Field::PadCount ? component.padCount
                                                                 : component.bottomSide);
                        });
                    });
                case Field::Nets:
                    return list([&] { return net(design.nets.emplace_back()); });
                case Field::Status:
                    return status(design.forcedStatus);
                default:
                    return false;
            }
        });
    }

    bool net(DesignNet& net) {
        bool countGiven = false;
        const bool read = fields(Shape::Net, [&](Field field) {
            switch (field) {
                case Field::NetId:
                    return integer(net.id) && net.id >= 0;
                case Field::NetName:
                    return text(net.name);
                case Field::NetLength:
                    return integer(net.length);
                case Field::NodeCount:
                    countGiven = true;
                    return integer(net.nodeCount);
                default:
                    return nodes(net.nodes);
            }
        });
        if (!countGiven)
            net.nodeCount = static_cast<std::int32_t>(
                std::min<std::size_t>(net.nodes.size(), std::numeric_limits<std::int32_t>::max()));
        return read;
    }

    // The nodes' texts gather as views in a scratch list that keeps its room
    // from net to net; each node is then built once, in a list of its net's
    // exact size: large designs hold hundreds of thousands of nodes, and no
    // net keeps spare room.
    bool nodes(std::vector<DesignNode>& nodes) {
        pendingNodes_.clear();
        const bool read = list([&] {
            PendingNode& node = pendingNodes_.emplace_back();
            return take('[') && lastingText(node.refDes) && take(',') && lastingText(node.pinDes) &&
                   take(']');
        });
        nodes.reserve(pendingNodes_.size());
        for (const PendingNode& node : pendingNodes_) nodes.emplace_back(node);
        spilledTexts_.clear();
        return read;
    }

    // Two texts of a node, and the node they make: converted in place of
    // the list's element, without a copy between.
    struct PendingNode {
        std::string_view refDes;
        std::string_view pinDes;
        operator DesignNode() const { return DesignNode{std::string(refDes), std::string(pinDes)}; }
    };

    // A text that stays readable until the net's nodes are built: a view of
    // the file's bytes when it holds plain ASCII only, else of its converted
    // copy in spilledTexts_.
    bool lastingText(std::string_view& into) {
        std::string_view utf8;
        bool ascii = false;
        if (!string(utf8, ascii)) return false;
        if (ascii && utf8.data() != escaped_.data()) {
            into = utf8;
            return true;
        }
        into = spilledTexts_.emplace_back(Utf8ToWindows1252(utf8));
        return true;
    }

    bool status(std::array<std::optional<std::int32_t>, kOperationCount>& forced) {
        std::uint32_t given = 0;
        return object([&](std::string_view name) {
            const auto operation = OperationFromName(name);
            if (!operation) return false;
            const std::uint32_t bit = 1u << static_cast<unsigned>(*operation);
            std::int32_t code = 0;
            if ((given & bit) || !integer(code) || (code == 0 && IsContinuingCall(*operation)))
                return false;
            given |= bit;
            forced[static_cast<std::size_t>(*operation)] = code;
            return true;
        });
    }

    // An object of the keys KeysOf(shape), each at most once, the required
    // ones all given; value(field) reads the value of each.
    template <typename Value>
    bool fields(Shape shape, Value value) {
        const auto keys = KeysOf(shape);
        std::uint32_t given = 0;
        const bool read = object([&](std::string_view name) {
            for (std::size_t i = 0; i < keys.size(); ++i) {
                if (keys[i].name != name) continue;
                if (given & (1u << i)) return false;
                given |= 1u << i;
                return value(keys[i].field);
            }
            return false;
        });
        for (std::size_t i = 0; read && i < keys.size(); ++i)
            if (keys[i].required && !(given & (1u << i))) return false;
        return read;
    }

    // member(name) reads the value of each key.
    template <typename Member>
    bool object(Member member) {
        if (!take('{')) return false;
        if (take('}')) return true;
        do {
            std::string_view name;
            bool ascii = false;
            if (!string(name, ascii) || !take(':') || !member(name)) return false;
        } while (take(','));
        return take('}');
    }

    template <typename Element>
    bool list(Element element) {
        if (!take('[')) return false;
        if (take(']')) return true;
        do {
            if (!element()) return false;
        } while (take(','));
        return take(']');
    }

    bool kind(DesignKind& kind) {
        std::string_view name;
        bool ascii = false;
        if (!string(name, ascii)) return false;
        const auto named = KindFromName(name);
        if (named) kind = *named;
        return named.has_value();
    }

    bool text(std::string& into) {
        std::string_view utf8;
        bool ascii = false;
        if (!string(utf8, ascii)) return false;
        into = Utf8ToWindows1252(utf8);
        return true;
    }

    // A text in double quotes, in UTF-8: a view of the file's bytes, or of
    // escaped_ when the text has escapes. ascii: no byte of 0x80 or more.
    bool string(std::string_view& utf8, bool& ascii) {
        if (!take('"')) return false;
        // Scanned with local pointers: at_ is read through char pointers, which
        // the compiler must take to alias it.
        const char* const start = at_;
        const char* const end = end_;
        const char* last = start;
        while (last != end && kPlainAscii[static_cast<unsigned char>(*last)]) ++last;
        ascii = true;
        if (last != end && *last == '"') {
            utf8 = std::string_view(start, static_cast<std::size_t>(last - start));
            at_ = last + 1;
            return true;
        }
        at_ = last;
        return restOfString(start, utf8, ascii);
    }

    // The rest of a text that holds more than plain ASCII characters.
    bool restOfString(const char* start, std::string_view& utf8, bool& ascii) {
        const char* plainFrom = start;  // with escapes: what is not yet in escaped_
        bool escapes = false;
        while (at_ != end_) {
            const auto c = static_cast<unsigned char>(*at_);
            if (c == '"') {
                if (escapes) {
                    escaped_.append(plainFrom, at_);
                    utf8 = escaped_;
                } else {
                    utf8 = std::string_view(start, static_cast<std::size_t>(at_ - start));
                }
                ++at_;
                return true;
            }
            if (c == '\\') {
                if (!escapes) escaped_.clear();
                escapes = true;
                escaped_.append(plainFrom, at_);
                if (!escape(ascii)) return false;
                plainFrom = at_;
            } else if (kPlainAscii[c]) {
                ++at_;
            } else if (c < 0x80) {
                return false;  // a control character
            } else {
                ascii = false;
                std::size_t length = 0;
                if (!files::NextCodePoint(
                        std::string_view(at_, static_cast<std::size_t>(end_ - at_)), length))
                    return false;
                at_ += length;
            }
        }
        return false;
    }

    // Appends what the escape at at_ stands for to escaped_ and passes it.
    bool escape(bool& ascii) {
        if (end_ - at_ < 2) return false;
        const char simple = simpleEscape(at_[1]);
        if (simple != '\0') {
            escaped_ += simple;
            at_ += 2;
            return true;
        }
        if (at_[1] != 'u') return false;
        // \uXXXX, or a surrogate pair of two; \u0000 and lone surrogates are faults.
        std::int32_t code = hex4(at_ + 2);
        std::ptrdiff_t length = 6;
        if (code >= 0xD800 && code <= 0xDBFF) {
            const std::int32_t low =
                end_ - at_ >= 12 && at_[6] == '\\' && at_[7] == 'u' ? hex4(at_ + 8) : -1;
            if (low < 0xDC00 || low > 0xDFFF) return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            length = 12;
        } else if (code <= 0 || (code >= 0xDC00 && code <= 0xDFFF)) {
            return false;
        }
        appendUtf8(code);
        ascii = ascii && code < 0x80;
        at_ += length;
        return true;
    }

    static char simpleEscape(char escape) {
        switch (escape) {
            case '"':
            case '\\':
            case '/':
                return escape;
            case 'b':
                return '\b';
            case 'f':
                return '\f';
            case 'n':
                return '\n';
            case 'r':
                return '\r';
            case 't':
                return '\t';
            default:
                return '\0';
        }
    }

    // The four hex digits from `from` on, or -1.
    std::int32_t hex4(const char* from) const {
        if (end_ - from < 4) return -1;
        std::int32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = from[i];
            const char lower = static_cast<char>(c | 0x20);
            const int digit = c >= '0' && c <= '9'           ? c - '0'
                              : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10
                                                             : -1;
            if (digit < 0) return -1;
            value = value * 16 + digit;
        }
        return value;
    }

    void appendUtf8(std::int32_t code) {
        const auto put = [&](std::int32_t byte) { escaped_ += static_cast<char>(byte); };
        if (code < 0x80) {
            put(code);
        } else if (code < 0x800) {
            put(0xC0 | (code >> 6));
            put(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            put(0xE0 | (code >> 12));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        } else {
            put(0xF0 | (code >> 18));
            put(0x80 | ((code >> 12) & 0x3F));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        }
    }

    // A whole number within 32 bits, without leading zeros, fraction or exponent.
    bool integer(std::int32_t& into) {
        skipSpace();
        const char* digits = at_ != end_ && *at_ == '-' ? at_ + 1 : at_;
        const char* after = digits;
        std::int64_t value = 0;
        while (after != end_ && after - digits <= 10 && *after >= '0' && *after <= '9')
            value = value * 10 + (*after++ - '0');
        const auto count = after - digits;
        if (count == 0 || count > 10 || (count > 1 && *digits == '0')) return false;
        if (after != end_ && (*after == '.' || *after == 'e' || *after == 'E')) return false;
        if (digits != at_) value = -value;
        if (value < std::numeric_limits<std::int32_t>::min() ||
            value > std::numeric_limits<std::int32_t>::max())
            return false;
        into = static_cast<std::int32_t>(value);
        at_ = after;
        return true;
    }

    bool take(char token) {
        if (at_ == end_ || *at_ != token) {  // most files have no blanks between tokens
            skipSpace();
            if (at_ == end_ || *at_ != token) return false;
        }
        ++at_;
        return true;
    }

    void skipSpace() {
        const char* at = at_;
        while (at != end_ && (*at == ' ' || *at == '\n' || *at == '\r' || *at == '\t')) ++at;
        at_ = at;
    }

    // Files list their nets by rising id nearly always, which shows at once
    // that no id is repeated; otherwise the ids are sorted to find out.
    static bool netIdsUnique(const std::vector<DesignNet>& nets) {
        const auto rising = [](const DesignNet& a, const DesignNet& b) { return a.id < b.id; };
        if (std::adjacent_find(nets.begin(), nets.end(), std::not_fn(rising)) == nets.end())
            return true;
        std::vector<std::int32_t> ids;
        ids.reserve(nets.size());
        for (const DesignNet& net : nets) ids.push_back(net.id);
        std::sort(ids.begin(), ids.end());
        return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
    }

    const char* at_;
    const char* const end_;
    std::string escaped_;
    std::vector<PendingNode> pendingNodes_;
    // Elements of a deque stay in place as it grows: views of them hold.
    std::deque<std::string> spilledTexts_;
};

}  // namespace

std::optional<FastRead> ReadWellFormedDesign(std::string_view content) {
    return Reader(content).read();
}

}  // namespace netlist::json
