// The records of an IPC-D-356 netlist: one per line, its fields at fixed
// columns, and the messages that name a record's line and column.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "design/files/DesignFileError.h"

namespace netlist::ipc {

struct Record {
    std::string_view text;   // without the line end
    std::size_t offset = 0;  // of its first byte in the file

    // The character at a column (1-based), a blank past the end.
    char at(std::size_t column) const;
    // Columns first to last (1-based, inclusive), as far as the record reaches.
    std::string_view columns(std::size_t first, std::size_t last) const;
    // From a column to the end.
    std::string_view from(std::size_t column) const;
};

class RecordFile {
  public:
    // The content outlives this; a leading byte order mark is skipped.
    RecordFile(std::string_view content, std::filesystem::path path);

    // The next line, or nothing at the end of the file.
    std::optional<Record> next();
    // The line next() would give, without moving on.
    std::optional<Record> peek() const;

    // Each throws DesignFileError: "PATH: line L, column C: description";
    // the column may lie past the record's end, where a field is missing.
    [[noreturn]] void fail(const Record& record, std::size_t column,
                           std::string_view description) const;
    // At the end of the file.
    [[noreturn]] void failAtEnd(std::string_view description) const;

    const std::filesystem::path& path() const { return path_; }

  private:
    [[noreturn]] void failAtOffset(std::size_t offset, std::string_view description) const;
    std::optional<Record> lineAt(std::size_t offset) const;

    std::string_view content_;
    std::filesystem::path path_;
    std::size_t position_ = 0;
};

// "found \"TEXT\"", or what stands in for text that is not there.
std::string Found(std::string_view text);

}  // namespace netlist::ipc
