#include "design/files/kicad/SourceFile.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

#include "design/Records.h"
#include "design/Windows1252.h"

namespace netlist::kicad {
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
