#include "report/compare/PinLayout.h"

#include <optional>

namespace netlist {
namespace {

constexpr std::size_t kStopWidth = 12;
constexpr std::size_t kStops = 4;
constexpr std::size_t kNoText = std::string_view::npos;

std::string_view trimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == kNoText ? std::string_view{} : text.substr(0, end + 1);
}

// Where a line's first text starts, as a stop; none when the line is blank
// or its first text stands between stops.
std::optional<std::size_t> firstStop(std::string_view line) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first == kNoText || first % kStopWidth != 0 || first / kStopWidth >= kStops)
        return std::nullopt;
    return first / kStopWidth;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(' ') == kNoText;
}

// The texts a line holds from stop `first` to stop `last`, when the writer
// could have written them so: every text but the last fills its stop's
// columns at most, each starts with a character of its own at its stop, and
// each holds the "-" between reference and pin. lastIsLong: the line's last
// text ran past its stop's columns, which pushed what followed to the next
// line.
std::optional<std::vector<std::string_view>> textsBetween(std::string_view line, std::size_t first,
                                                          std::size_t last, bool lastIsLong) {
    std::vector<std::string_view> texts;
    for (std::size_t stop = first; stop <= last; ++stop) {
        const std::size_t at = stop * kStopWidth;
        if (at >= line.size() || line[at] == ' ') return std::nullopt;
        const std::string_view text =
            trimRight(stop == last ? line.substr(at) : line.substr(at, kStopWidth));
        if (text.find('-') == kNoText) return std::nullopt;
        texts.push_back(text);
    }
    if ((texts.back().size() > kStopWidth) != lastIsLong) return std::nullopt;
    return texts;
}

// A best guess for a line that fits no layout of the writer's: a text
// starts at the line's first character and at every stop after it that
// does not hold a blank.
std::vector<std::string_view> guessedTexts(std::string_view line) {
    std::vector<std::string_view> texts;
    std::size_t start = line.find_first_not_of(' ');
    while (start != kNoText) {
        std::size_t next = (start / kStopWidth + 1) * kStopWidth;
        while (next < kStops * kStopWidth && next < line.size() && line[next] == ' ')
            next += kStopWidth;
        if (next >= kStops * kStopWidth || next >= line.size()) next = kNoText;
        texts.push_back(trimRight(line.substr(start, next == kNoText ? kNoText : next - start)));
        start = next;
    }
    return texts;
}

class Reader {
  public:
    Reader(const std::vector<std::string_view>& lines, bool lengthFollows, std::int64_t count)
        : lines_(lines), lengthFollows_(lengthFollows), count_(count) {}

    PinTexts read() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (isBlank(lines_[i]))
                blankLine(i);
            else
                textLine(i);
        }
        return std::move(result_);
    }

  private:
    void add(const std::vector<std::string_view>& texts) {
        for (const std::string_view text : texts) result_.pins.emplace_back(text);
    }

    void guess(std::string_view line) {
        result_.ambiguous = true;
        add(guessedTexts(line));
        // Whatever the next line holds is taken as it comes.
        nextStop_.reset();
    }

    // A blank line stands where the writer moved on after a long text: its
    // blanks reach the stop of the next text, or the whole line makes room
    // for the net's length.
    void blankLine(std::size_t i) {
        const bool onlyLine = lines_.size() == 1;
        if (onlyLine) return;  // a net without pins
        if (!afterLongText_) result_.ambiguous = true;
        afterLongText_ = false;
        // Only the line that fills a group of four may be followed by more.
        const bool fullGroup = lines_[i].size() == kStops * kStopWidth;
        if (i + 1 < lines_.size() && !fullGroup) result_.ambiguous = true;
        nextStop_ = 0;
    }

    void textLine(std::size_t i) {
        const std::string_view line = lines_[i];
        const std::optional<std::size_t> first = firstStop(line);
        if (!first || (nextStop_ && *first != *nextStop_)) return guess(line);
        std::optional<std::vector<std::string_view>> texts;
        if (i + 1 == lines_.size()) {
            // The net's last line: every text on it ends within its stop.
            const std::size_t last = (trimRight(line).size() - 1) / kStopWidth;
            if (last < kStops) texts = textsBetween(line, *first, last, false);
        } else if (i + 2 == lines_.size() && lengthFollows_ && isBlank(lines_[i + 1])) {
            texts = lastTextsBeforeLength(line, *first);
        } else if (isBlank(lines_[i + 1])) {
            const std::size_t blanks = lines_[i + 1].size();
            if (blanks % kStopWidth == 0 && blanks / kStopWidth >= *first + 1 &&
                blanks / kStopWidth <= kStops)
                texts = textsBetween(line, *first, blanks / kStopWidth - 1, true);
        } else if (const std::optional<std::size_t> next = firstStop(lines_[i + 1])) {
            // A line that starts the next group follows a full one whose last
            // text fitted; any other follows a long text just before its stop.
            if (*next == 0)
                texts = textsBetween(line, *first, kStops - 1, false);
            else if (*next > *first)
                texts = textsBetween(line, *first, *next - 1, true);
        }
        if (!texts) return guess(line);
        add(*texts);
        afterLongText_ = texts->back().size() > kStopWidth;
        nextStop_ = (*first + texts->size()) % kStops;
    }

    // The line before the one the net's length was pushed to: its last text
    // ran long, at a stop that only the pin count can tell when more than
    // one would do.
    std::optional<std::vector<std::string_view>> lastTextsBeforeLength(std::string_view line,
                                                                       std::size_t first) {
        std::vector<std::vector<std::string_view>> readings;
        for (std::size_t last = first; last < kStops; ++last)
            if (auto texts = textsBetween(line, first, last, true)) readings.push_back(*texts);
        if (readings.size() == 1) return readings.front();
        const auto counted = static_cast<std::int64_t>(result_.pins.size());
        std::optional<std::vector<std::string_view>> byCount;
        for (const auto& texts : readings) {
            if (counted + static_cast<std::int64_t>(texts.size()) != count_) continue;
            if (byCount) return std::nullopt;
            byCount = texts;
        }
        return byCount;
    }

    const std::vector<std::string_view>& lines_;
    const bool lengthFollows_;
    const std::int64_t count_;
    PinTexts result_;
    std::optional<std::size_t> nextStop_ = 0;
    bool afterLongText_ = false;
};

}  // namespace

PinTexts ReadPinTexts(const std::vector<std::string_view>& lines, bool lengthFollows,
                      std::int64_t count) {
    return Reader(lines, lengthFollows, count).read();
}

}  // namespace netlist
