#include "design/files/kicad/SourceFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

#include "design/Records.h"
#include "platform/Windows1252.h"

namespace netlist::kicad {
namespace {

// The number of a board, nearly always a plain decimal such as -161.163,
// worked out directly: its digits as a whole number up to 2^53 and a power
// of ten up to 10^22 are both exact doubles, and their quotient is rounded
// correctly, so it is the very double that from_chars gives. Anything else
// is left to from_chars.
std::optional<double> plainDecimal(std::string_view text) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    std::uint64_t digits = 0;
    std::size_t count = 0;
    const auto readDigits = [&] {
        const char* const first = p;
        for (; p != end && *p >= '0' && *p <= '9'; ++p) digits = digits * 10 + (*p - '0');
        count += static_cast<std::size_t>(p - first);
        return p != first;
    };
    if (!readDigits()) return std::nullopt;
    std::size_t fractionDigits = 0;
    if (p != end && *p == '.') {
        ++p;
        const std::size_t before = count;
        if (!readDigits()) return std::nullopt;
        fractionDigits = count - before;
    }
    // Up to 19 digits cannot overflow the whole number.
    if (p != end || count > 19 || digits > (std::uint64_t{1} << 53) ||
        fractionDigits >= std::size(kPowersOfTen))
        return std::nullopt;
    const double value = static_cast<double>(digits) / kPowersOfTen[fractionDigits];
    return negative ? -value : value;
}

}  // namespace

void SourceFile::fail(sexpr::Place place, std::string_view description) const {
    throw DesignFileError(files::ParseError(place, std::string(description)).message(path_));
}

void SourceFile::fail(const sexpr::Node& node, std::string_view description) const {
    fail(node.place(), description);
}

void SourceFile::fail(std::string_view description) const {
    throw DesignFileError(path_.string() + ": " + std::string(description));
}

sexpr::Document SourceFile::parse(std::string_view content, sexpr::SkippedHeads skipped) const {
    try {
        return sexpr::Parse(content, sexpr::Limits{}, skipped);
    } catch (const sexpr::SyntaxError& error) {
        throw DesignFileError(error.message(path_));
    }
}

sexpr::Node SourceFile::root(const sexpr::Document& document, std::string_view rootHead,
                             std::string_view kindOfFile) const {
    const sexpr::NodeRange roots = document.roots();
    if (roots.empty()) fail("holds no expression; expected " + std::string(kindOfFile));
    auto it = roots.begin();
    const sexpr::Node root = *it;
    if (root.head() != rootHead)
        fail(root, "expected " + std::string(kindOfFile) + ", starting with \"(" +
                       std::string(rootHead) + "\"");
    if (++it != roots.end())
        fail(*it, "unexpected text after the end of the (" + std::string(rootHead) + " ...) list");
    return root;
}

double SourceFile::number(const sexpr::Node& list, std::size_t index) const {
    const std::optional<sexpr::Node> element = list.child(index);
    if (!element || !element->isAtom()) {
        std::string description = "(";
        description += list.head();
        description += " ...) needs a number here";
        fail(element ? *element : list, description);
    }
    std::string_view text = element->text();
    if (text.size() > 1 && text.front() == '+') text.remove_prefix(1);
    if (const std::optional<double> plain = plainDecimal(text)) return *plain;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        fail(*element, "expected a number, found " + files::Quoted(element->text()));
    return value;
}

std::int32_t SourceFile::count(const sexpr::Node& atom, std::string_view what) const {
    const std::string_view text = atom.text();
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!atom.isAtom() || error != std::errc{} || end != text.data() + text.size() || value < 0)
        fail(atom, std::string(what) + " must be a whole number from 0 to 2147483647, found " +
                       (atom.isAtom() ? files::Quoted(text) : std::string("a list")));
    return value;
}

std::string_view ValueOf(const sexpr::Node& list, std::string_view head) {
    const std::optional<sexpr::Node> element = list.find(head);
    return element ? element->atomAt(1) : std::string_view{};
}

}  // namespace netlist::kicad
