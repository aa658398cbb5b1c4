#include "design/files/ipc/RecordFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "design/files/SourcePlace.h"

namespace netlist::ipc {

std::size_t FirstControlByte(std::string_view text) {
    // Eight bytes at a time: a byte below 0x20, or one that is DEL (which
    // XOR 0x7F makes zero), sets its high bit in `flagged`. A borrow may
    // flag a byte above a true one, never one where there is none.
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        const std::uint64_t del = word ^ (0x7F * kOnes);
        const std::uint64_t flagged =
            ((word - 0x20 * kOnes) & ~word & kHighBits) | ((del - kOnes) & ~del & kHighBits);
        if (flagged != 0) break;
    }
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return i;
    }
    return std::string_view::npos;
}

RecordFile::RecordFile(std::string_view content, std::filesystem::path path)
    : content_(content), path_(std::move(path)) {
    if (content_.starts_with(files::kByteOrderMark)) position_ = files::kByteOrderMark.size();
}

void RecordFile::findRecord() const {
    if (foundAt_ == position_) return;
    foundAt_ = position_;
    found_.reset();
    if (position_ >= content_.size()) return;
    const std::size_t end = std::min(content_.find('\n', position_), content_.size());
    std::string_view text = content_.substr(position_, end - position_);
    if (text.ends_with('\r')) text.remove_suffix(1);
    found_ = Record{text, position_};
    afterFound_ = end + 1;
}

std::optional<Record> RecordFile::next() {
    findRecord();
    if (found_) position_ = afterFound_;
    return found_;
}

std::optional<Record> RecordFile::peek() const {
    findRecord();
    return found_;
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
