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

// Inline: a feature record's dozen fields are read through these, and a
// netlist has a record for every pad.
struct Record {
    std::string_view text;   // without the line end
    std::size_t offset = 0;  // of its first byte in the file

    // The character at a column (1-based), a blank past the end.
    char at(std::size_t column) const { return column - 1 < text.size() ? text[column - 1] : ' '; }
    // Columns first to last (1-based, inclusive), as far as the record reaches.
    std::string_view columns(std::size_t first, std::size_t last) const {
        if (first - 1 >= text.size()) return {};
        return text.substr(first - 1, last - first + 1);
    }
    // From a column to the end.
    std::string_view from(std::size_t column) const {
        return column - 1 < text.size() ? text.substr(column - 1) : std::string_view{};
    }
};

// The place of the first byte below 0x20 or of DEL, or npos: a control
// character, which no field may hold.
std::size_t FirstControlByte(std::string_view text);

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
    // The record at position_, found once however often it is peeked at.
    void findRecord() const;

    std::string_view content_;
    std::filesystem::path path_;
    std::size_t position_ = 0;
    mutable std::optional<Record> found_;
    mutable std::size_t foundAt_ = std::string_view::npos;
    mutable std::size_t afterFound_ = 0;
};

// "found \"TEXT\"", or what stands in for text that is not there.
std::string Found(std::string_view text);

}  // namespace netlist::ipc
