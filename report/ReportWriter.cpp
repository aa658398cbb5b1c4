#include "report/ReportWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "design/ControlCharacters.h"

namespace netlist {
namespace {

// Large enough that a whole report goes out in a handful of system calls.
constexpr std::size_t kBufferSize = 1 << 20;
// Tabs write their blanks from here, a run at a time.
constexpr std::string_view kBlanks =
    "                                                                ";

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

// The buffer fills up to its end and goes out in one write. Report items
// are short: they are copied without a call when the buffer has room for
// a whole word of them.
struct ReportWriter::OpenFile {
    explicit OpenFile(const std::string& path)
        // Not cleared: its pages are taken only as the report fills them.
        : target(path), buffer(new char[kBufferSize]), end(buffer.get()) {}

    // A text from outside: its control characters are shown as stand-ins.
    void putText(std::string_view bytes) {
        if (HoldsControlCharacter(bytes))
            put(WithoutControlCharacters(bytes));
        else
            put(bytes);
    }
    void put(std::string_view bytes) {
        const std::size_t size = bytes.size();
        column += static_cast<std::int64_t>(size);
        if (size <= kShort && room() >= kShort) {
            copyShort(end, bytes.data(), size);
            end += size;
            return;
        }
        if (size > room()) {
            flush();
            if (size > kBufferSize) return target.write(bytes);
        }
        std::memcpy(end, bytes.data(), size);
        end += size;
    }
    // Only when the buffer has room for more than kShort bytes and the
    // text is not longer than that.
    void putShort(std::string_view bytes) {
        copyShort(end, bytes.data(), bytes.size());
        end += bytes.size();
        column += static_cast<std::int64_t>(bytes.size());
    }
    void endLine() {
        put("\r\n");
        column = 1;
    }
    void tab(std::int64_t n) {
        n = std::max<std::int64_t>(n, 1);
        if (column > n) endLine();
        std::int64_t blanks = n - column;
        if (blanks <= static_cast<std::int64_t>(kShort) && room() >= kShort) {
            // A whole run of blanks goes in; only the ones wanted count.
            std::memcpy(end, kBlanks.data(), kShort);
            end += blanks;
        } else {
            while (blanks > 0) {
                const auto run = static_cast<std::size_t>(
                    std::min<std::int64_t>(blanks, static_cast<std::int64_t>(kBlanks.size())));
                put(kBlanks.substr(0, run));
                blanks -= static_cast<std::int64_t>(run);
            }
        }
        column = n;
    }
    std::size_t room() const { return kBufferSize - static_cast<std::size_t>(end - buffer.get()); }
    void flush() {
        target.write(std::string_view(buffer.get(), static_cast<std::size_t>(end - buffer.get())));
        end = buffer.get();
    }

    // Copies size bytes, at least one Word and at most two, as the Word at
    // each end; the two may overlap.
    template <typename Word>
    static void copyEnds(char* to, const char* from, std::size_t size) {
        Word head;
        Word tail;
        std::memcpy(&head, from, sizeof head);
        std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
        std::memcpy(to, &head, sizeof head);
        std::memcpy(to + size - sizeof tail, &tail, sizeof tail);
    }

    // Copies 0 to kShort bytes by two overlapping loads and stores.
    static void copyShort(char* to, const char* from, std::size_t size) {
        if (size >= 8) {
            copyEnds<std::uint64_t>(to, from, size);
        } else if (size >= 4) {
            copyEnds<std::uint32_t>(to, from, size);
        } else if (size > 0) {
            to[0] = from[0];
            to[size / 2] = from[size / 2];
            to[size - 1] = from[size - 1];
        }
    }
    static constexpr std::size_t kShort = 16;

    ReportFile target;
    std::unique_ptr<char[]> buffer;
    char* end;
    std::int64_t column = 1;
};

ReportWriter::ReportWriter() = default;
ReportWriter::~ReportWriter() = default;

void ReportWriter::open(const std::string& path) {
    // Opening again drops what the writer held, as a fresh open cuts a file.
    file_.reset();
    file_ = std::make_unique<OpenFile>(path);
}

ReportWriter::OpenFile& ReportWriter::file() {
    if (!file_) throw ReportFileError("the report is not open");
    return *file_;
}

void ReportWriter::print(std::initializer_list<PrintItem> items, LineEnd end) {
    OpenFile& out = file();
    try {
        for (const PrintItem& item : items) {
            switch (item.kind()) {
                case PrintItem::Kind::Text:
                    out.putText(item.text());
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
                case PrintItem::Kind::PageEnd:
                    out.put("\f");
                    break;
            }
        }
        if (end == LineEnd::Ends) out.endLine();
    } catch (...) {
        file_.reset();
        throw;
    }
}

void ReportWriter::printTextsThenTab(std::string_view first, std::string_view second,
                                     std::string_view third, int column) {
    OpenFile& out = file();
    constexpr std::size_t kShort = OpenFile::kShort;
    // With room for the texts, a line end and every blank up to the column,
    // nothing below flushes, so nothing can fail.
    const std::size_t worstCase =
        3 * kShort + 2 + kShort + static_cast<std::size_t>(std::max(column, 1));
    if (first.size() <= kShort && second.size() <= kShort && third.size() <= kShort &&
        out.room() >= worstCase && !HoldsControlCharacter(first) &&
        !HoldsControlCharacter(second) && !HoldsControlCharacter(third)) {
        out.putShort(first);
        out.putShort(second);
        out.putShort(third);
        out.tab(column);
        return;
    }
    print({PrintItem::Text(first), PrintItem::Text(second), PrintItem::Text(third),
           PrintItem::Tab(column)},
          LineEnd::StaysOpen);
}

void ReportWriter::commit() {
    const std::unique_ptr<OpenFile> out = std::move(file_);
    if (!out) throw ReportFileError("the report is not open");
    out->flush();
    out->target.commit();
}

void ReportWriter::abandon() noexcept {
    file_.reset();
}

}  // namespace netlist
