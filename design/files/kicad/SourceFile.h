// What the KiCad readers share: the file they read, for messages that name
// the file and the place, and the checked reading of numbers and of the
// outermost expression.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "design/files/DesignFileError.h"
#include "design/files/kicad/SExpression.h"

namespace netlist::kicad {

class SourceFile {
  public:
    explicit SourceFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    // Each throws DesignFileError: "PATH: line L, column C: description".
    [[noreturn]] void fail(sexpr::Place place, std::string_view description) const;
    [[noreturn]] void fail(const sexpr::Node& node, std::string_view description) const;
    // "PATH: description", for faults that belong to no single place.
    [[noreturn]] void fail(std::string_view description) const;

    sexpr::Document parse(std::string_view content, sexpr::SkippedHeads skipped = {}) const;

    // The file's one outermost expression, which must be a list headed by
    // rootHead; kindOfFile names what the file should be, for the message.
    sexpr::Node root(const sexpr::Document& document, std::string_view rootHead,
                     std::string_view kindOfFile) const;

    // The element at index of a list, read as a finite decimal number.
    double number(const sexpr::Node& list, std::size_t index) const;
    // An atom read as a whole number from 0 to 2147483647.
    std::int32_t count(const sexpr::Node& atom, std::string_view what) const;

  private:
    std::filesystem::path path_;
};

// The text of a list's (head VALUE) element, or "" when it has none.
std::string_view ValueOf(const sexpr::Node& list, std::string_view head);

}  // namespace netlist::kicad
