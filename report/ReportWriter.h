// A report's only output channel: print statements laid out in columns. The
// writer keeps the current column (1-based), so a statement may continue a
// line that an earlier statement left open. Bytes are written as given
// (Windows-1252), lines end with CR LF, and nothing ever breaks a line by
// itself. A text item's control characters are written as "?"
// (design/ControlCharacters.h): the only control characters a report holds
// are its line ends and the form feed of PageEnd(). Output is buffered and
// reaches the target file, complete, only at commit().
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "report/ReportFile.h"

namespace netlist {

// A sign position (blank or "-"), the digits, one trailing blank: 16000 gives
// " 16000 ", -7 gives "-7 ".
std::string NumberText(std::int64_t value);

// One item of a print statement.
class PrintItem {
  public:
    enum class Kind { Text, Number, Nothing, Tab, PageEnd };

    static PrintItem Text(std::string_view text) { return {Kind::Text, text, 0}; }
    static PrintItem Number(std::int64_t value) { return {Kind::Number, {}, value}; }
    // A value item that holds no value: writes nothing.
    static PrintItem Nothing() { return {Kind::Nothing, {}, 0}; }
    // A value item: a number when it holds one, nothing otherwise.
    static PrintItem Value(std::optional<std::int64_t> value) {
        return value ? Number(*value) : Nothing();
    }
    // Moves to column n (values below 1 count as 1), ending the line first
    // when the current column is already past n.
    static PrintItem Tab(int n) { return {Kind::Tab, {}, n}; }
    // A form feed, after the last line of a report, so that a printer starts
    // a fresh page after it.
    static PrintItem PageEnd() { return {Kind::PageEnd, {}, 0}; }

    Kind kind() const { return kind_; }
    std::string_view text() const { return text_; }
    std::int64_t number() const { return number_; }

  private:
    PrintItem(Kind kind, std::string_view text, std::int64_t number)
        : kind_(kind), text_(text), number_(number) {}

    Kind kind_;
    std::string_view text_;  // the caller's text; it must outlive the statement
    std::int64_t number_;
};

enum class LineEnd { Ends, StaysOpen };

class ReportWriter {
  public:
    ReportWriter();
    // Without a commit the target stays as it was.
    ~ReportWriter();

    // Opens path for output, its column at 1. The file is created, or
    // replaced at commit(). Throws ReportFileError.
    void open(const std::string& path);
    // Writes the items in order, then CR LF when the statement ends the line.
    // Throws ReportFileError when the report is not open or cannot be
    // written; the report is then abandoned.
    void print(std::initializer_list<PrintItem> items, LineEnd end);
    // The same as print({Text(first), Text(second), Text(third),
    // Tab(column)}, LineEnd::StaysOpen): the statement every listed node
    // makes, written without going through the items one by one.
    void printTextsThenTab(std::string_view first, std::string_view second, std::string_view third,
                           int column);
    // Flushes the report and puts it in place of its target. Throws
    // ReportFileError when it cannot be completed.
    void commit();
    // Drops the report without touching the target.
    void abandon() noexcept;

  private:
    struct OpenFile;
    OpenFile& file();

    std::unique_ptr<OpenFile> file_;
};

}  // namespace netlist
