#include "report/ReportWriter.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace netlist {
namespace {

// Large enough that a whole report goes out in a handful of system calls.
constexpr std::size_t kFlushThreshold = 1 << 20;

// The sign position, at most 20 digits and the trailing blank.
using NumberBuffer = std::array<char, 24>;

std::string_view formatNumber(std::int64_t value, NumberBuffer& buffer) {
    // The magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude = value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                              : static_cast<std::uint64_t>(value);
    buffer[0] = value < 0 ? '-' : ' ';
    char* end = std::to_chars(buffer.data() + 1, buffer.data() + buffer.size() - 1, magnitude).ptr;
    *end++ = ' ';
    return std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

}  // namespace

std::string NumberText(std::int64_t value) {
    NumberBuffer buffer;
    return std::string(formatNumber(value, buffer));
}

struct ReportWriter::OpenFile {
    explicit OpenFile(const std::string& path) : target(path) { buffer.reserve(kFlushThreshold); }

    void put(std::string_view bytes) {
        buffer.append(bytes);
        column += static_cast<std::int64_t>(bytes.size());
    }
    void endLine() {
        buffer.append("\r\n");
        column = 1;
    }
    void tab(std::int64_t n) {
        n = std::max<std::int64_t>(n, 1);
        if (column > n) endLine();
        buffer.append(static_cast<std::size_t>(n - column), ' ');
        column = n;
    }
    void flushIfFull() {
        if (buffer.size() < kFlushThreshold) return;
        target.write(buffer);
        buffer.clear();
    }

    ReportFile target;
    std::string buffer;
    std::int64_t column = 1;
};

ReportWriter::ReportWriter() = default;
ReportWriter::~ReportWriter() = default;

void ReportWriter::OpenOutput(const std::string& path, int fileNumber) {
    // Opening a number again drops what it held, as a fresh open cuts a file.
    files_.erase(fileNumber);
    files_.emplace(fileNumber, std::make_unique<OpenFile>(path));
}

ReportWriter::OpenFile& ReportWriter::file(int fileNumber) const {
    const auto found = files_.find(fileNumber);
    if (found == files_.end())
        throw ReportFileError("file number " + std::to_string(fileNumber) + " is not open");
    return *found->second;
}

void ReportWriter::Print(int fileNumber, std::initializer_list<PrintItem> items, LineEnd end) {
    OpenFile& out = file(fileNumber);
    for (const PrintItem& item : items) {
        switch (item.kind()) {
            case PrintItem::Kind::Text:
                out.put(item.text());
                break;
            case PrintItem::Kind::Number: {
                NumberBuffer number;
                out.put(formatNumber(item.number(), number));
                break;
            }
            case PrintItem::Kind::Nothing:
                break;
            case PrintItem::Kind::Tab:
                out.tab(item.number());
                break;
        }
    }
    if (end == LineEnd::Ends) out.endLine();
    try {
        out.flushIfFull();
    } catch (...) {
        files_.erase(fileNumber);
        throw;
    }
}

void ReportWriter::CloseAll() {
    auto files = std::move(files_);
    files_.clear();
    std::optional<ReportFileError> firstError;
    for (auto& [number, out] : files) {
        try {
            out->target.write(out->buffer);
            out->target.commit();
        } catch (const ReportFileError& error) {
            if (!firstError) firstError = error;
        }
    }
    if (firstError) throw *firstError;
}

void ReportWriter::AbandonAll() noexcept {
    files_.clear();
}

}  // namespace netlist
