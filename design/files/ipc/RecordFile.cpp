#include "design/files/ipc/RecordFile.h"

#include <algorithm>

#include "design/files/SourcePlace.h"

namespace netlist::ipc {

char Record::at(std::size_t column) const {
    return column - 1 < text.size() ? text[column - 1] : ' ';
}

std::string_view Record::columns(std::size_t first, std::size_t last) const {
    if (first - 1 >= text.size()) return {};
    return text.substr(first - 1, last - first + 1);
}

std::string_view Record::from(std::size_t column) const {
    return column - 1 < text.size() ? text.substr(column - 1) : std::string_view{};
}

RecordFile::RecordFile(std::string_view content, std::filesystem::path path)
    : content_(content), path_(std::move(path)) {
    if (content_.starts_with(files::kByteOrderMark)) position_ = files::kByteOrderMark.size();
}

std::optional<Record> RecordFile::lineAt(std::size_t offset) const {
    if (offset >= content_.size()) return std::nullopt;
    const std::size_t end = std::min(content_.find('\n', offset), content_.size());
    std::string_view text = content_.substr(offset, end - offset);
    if (text.ends_with('\r')) text.remove_suffix(1);
    return Record{text, offset};
}

std::optional<Record> RecordFile::next() {
    const std::optional<Record> record = lineAt(position_);
    if (record) position_ = std::min(content_.find('\n', position_), content_.size()) + 1;
    return record;
}

std::optional<Record> RecordFile::peek() const {
    return lineAt(position_);
}

void RecordFile::failAtOffset(std::size_t offset, std::string_view description) const {
    throw DesignFileError(
        files::ParseError(files::PlaceOf(content_, offset), std::string(description))
            .message(path_));
}

// Columns count bytes here, as the fields do: a name of UTF-8 characters
// takes as many columns as it has bytes.
void RecordFile::fail(const Record& record, std::size_t column,
                      std::string_view description) const {
    files::SourcePlace place = files::PlaceOf(content_, record.offset);
    place.column = column;
    throw DesignFileError(files::ParseError(place, std::string(description)).message(path_));
}

void RecordFile::failAtEnd(std::string_view description) const {
    failAtOffset(content_.size(), description);
}

std::string Found(std::string_view text) {
    if (text.empty()) return "but the record ends before";
    return "found " + files::Quoted(text);
}

}  // namespace netlist::ipc
