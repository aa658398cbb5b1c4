#include "report/compare/ReportReader.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "design/Records.h"
#include "design/files/DesignFileError.h"
#include "design/files/SourcePlace.h"
#include "report/compare/PinLayout.h"

namespace netlist {
namespace {

constexpr std::size_t kValueIndex = 15;        // texts start in column 16
constexpr std::size_t kNumberIndex = 14;       // a number's sign stands in column 15
constexpr std::size_t kNumberDigitsIndex = 2;  // a net's running number, from column 3
constexpr std::size_t kNameIndex = 8;          // a net's name, from column 9
constexpr std::size_t kCountIndex = 23;        // the pin count's sign, column 24
constexpr std::size_t kFirstPinIndex = 29;
constexpr std::size_t kLengthIndex = 77;
constexpr std::size_t kTitleIndex = 34;
constexpr std::string_view kFirstLabel = "Created By";
constexpr std::string_view kTitleText = "NETLIST REPORT FROM ";
constexpr std::string_view kTrailerText = "End of Report";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string_view trimRight(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

constexpr std::uint64_t kLongestStatedLength = 1'000'000'000;

struct StatedLength {
    std::int64_t units;         // database units
    std::int32_t unitsPerUnit;  // of the unit stated
};

// "1379.92 mils" or "0.35 mm" (either decimal separator).
std::optional<StatedLength> parseLength(std::string_view text) {
    text = trimRight(text);
    std::int32_t unitsPerUnit = 0;
    if (text.ends_with(" mils")) {
        unitsPerUnit = kUnitsPerMil;
        text.remove_suffix(5);
    } else if (text.ends_with(" mm")) {
        unitsPerUnit = kUnitsPerMm;
        text.remove_suffix(3);
    } else {
        return std::nullopt;
    }
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    if (text.size() < 4 || (text[text.size() - 3] != '.' && text[text.size() - 3] != ',') ||
        !isDigit(text[text.size() - 2]) || !isDigit(text.back()))
        return std::nullopt;
    std::uint64_t whole = 0;
    const std::string_view digits = text.substr(0, text.size() - 3);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), whole);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    // A net length holds at most 845466 mils; far longer is no length the
    // writer wrote, and its database units would overflow.
    if (whole > kLongestStatedLength) return std::nullopt;
    const std::int64_t hundredths = static_cast<std::int64_t>(whole) * 100 +
                                    (text[text.size() - 2] - '0') * 10 + (text.back() - '0');
    const std::int64_t units = (hundredths * unitsPerUnit + 50) / 100;
    return StatedLength{negative ? -units : units, unitsPerUnit};
}

class Reader {
  public:
    Reader(std::string_view content, const std::string& fileName) : fileName_(fileName) {
        std::size_t start = 0;
        while (start < content.size()) {
            std::size_t end = content.find('\n', start);
            if (end == std::string_view::npos) end = content.size();
            std::string_view line = content.substr(start, end - start);
            if (line.ends_with('\r')) line.remove_suffix(1);
            lines_.push_back(line);
            start = end + 1;
        }
    }

    DesignSnapshot read() {
        DesignSnapshot snapshot;
        snapshot.fromReport = true;
        readHeader(snapshot);
        readNets(snapshot);
        checkCounts(snapshot);
        return snapshot;
    }

  private:
    [[noreturn]] void fail(std::size_t index, std::size_t column, const std::string& fault) const {
        throw DesignFileError(files::ParseError({index + 1, column}, fault).message(fileName_));
    }
    [[noreturn]] void notAReport(std::size_t index, std::size_t column,
                                 const std::string& expected) const {
        fail(index, column, "not a netlist report of this program: expected " + expected);
    }

    std::string_view line(std::size_t index) const {
        if (index >= lines_.size())
            fail(index, 1, "the report ends before its \"End of Report\" line: it is incomplete");
        return lines_[index];
    }

    // A header line: its label, blanks up to the value's column, the value.
    std::string_view labelled(std::size_t index, std::string_view label, std::size_t valueIndex) {
        const std::string_view text = line(index);
        if (!text.starts_with(label)) notAReport(index, 1, "\"" + std::string(label) + "\"");
        const std::string_view gap = text.substr(label.size(), valueIndex - label.size());
        if (!allBlank(gap)) notAReport(index, label.size() + 1, "blanks after the label");
        return text.size() > valueIndex ? text.substr(valueIndex) : std::string_view{};
    }
    std::string text(std::size_t index, std::string_view label) {
        return std::string(trimRight(labelled(index, label, kValueIndex)));
    }
    std::optional<std::int64_t> number(std::size_t index, std::string_view label) {
        const std::string_view value = trimRight(labelled(index, label, kNumberIndex));
        if (value.empty()) return std::nullopt;
        const auto parsed = numberText(value);
        if (!parsed) notAReport(index, kNumberIndex + 1, "a number");
        return parsed;
    }
    // A number as the writer prints it: a sign position, then digits.
    static std::optional<std::int64_t> numberText(std::string_view text) {
        if (text.size() < 2 || (text[0] != ' ' && text[0] != '-')) return std::nullopt;
        std::int64_t value = 0;
        const std::string_view digits = text.substr(1);
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
        return text[0] == '-' ? -value : value;
    }

    // A count that the report leaves empty rather than print 0.
    std::optional<std::int64_t> positiveCount(std::size_t index, std::string_view label) {
        const auto value = number(index, label);
        if (value && *value < 1)
            notAReport(index, kNumberIndex + 1, "a count of at least 1 (none leaves it empty)");
        return value;
    }

    // The counts that the header states and the net table shows must agree.
    void checkCounts(const DesignSnapshot& snapshot) const {
        if (static_cast<std::int64_t>(snapshot.nets.size()) != snapshot.netCount)
            fail(netCountLine_, kNumberIndex + 1,
                 "the header counts " + std::to_string(snapshot.netCount) +
                     " nets, the report lists " + std::to_string(snapshot.nets.size()));
        if (snapshot.connectedPins.has_value() != (snapshot.netCount > 0))
            fail(connectedPinsLine_, kNumberIndex + 1,
                 snapshot.netCount > 0 ? "the connected pins are not counted, though there are nets"
                                       : "connected pins are counted, though there are no nets");
        if (!snapshot.connectedPins || !everyNetCounted_) return;
        std::int64_t sum = 0;
        for (const SnapshotNet& net : snapshot.nets) sum += net.pinCount;
        if (sum != *snapshot.connectedPins)
            fail(connectedPinsLine_, kNumberIndex + 1,
                 "the header counts " + std::to_string(*snapshot.connectedPins) +
                     " connected pins, the nets' pin counts add up to " + std::to_string(sum));
    }

    void readHeader(DesignSnapshot& snapshot) {
        std::size_t i = 0;
        text(i++, kFirstLabel);
        text(i++, "Email");
        snapshot.designName = text(i++, "Design Name");
        snapshot.title = text(i++, "Title ");
        snapshot.revision = text(i++, "Revision");
        text(i++, "Engineer");
        text(i++, "Design By");
        snapshot.date = text(i++, "Date");
        number(i++, "Version");
        snapshot.componentCount = positiveCount(i++, "Components");
        const auto nets = number(i++, "Number of Nets");
        if (!nets) notAReport(i - 1, kNumberIndex + 1, "the number of nets");
        snapshot.netCount = *nets;
        netCountLine_ = i - 1;
        snapshot.pads = text(i++, "Total Pads");
        connectedPinsLine_ = i;
        snapshot.connectedPins = number(i++, "Connected Pins");
        if (line(i).starts_with("layers")) snapshot.layers = positiveCount(i++, "layers");

        const std::string_view title = line(i);
        if (!title.substr(0, kTitleIndex + kTitleText.size()).ends_with(kTitleText) ||
            !allBlank(title.substr(0, kTitleIndex)))
            notAReport(i, 1, "\"" + std::string(kTitleText) + "\" from column 35");
        snapshot.kind = std::string(trimRight(title.substr(kTitleIndex + kTitleText.size())));
        ++i;
        const std::string rule(89, '-');
        if (line(i) != rule) notAReport(i, 1, "a rule of 89 \"-\"");
        if (!line(++i).starts_with("net Id")) notAReport(i, 1, "the column heading");
        if (line(++i) != rule) notAReport(i, 1, "a rule of 89 \"-\"");
        if (!line(++i).empty()) notAReport(i, 1, "an empty line");
        next_ = i + 1;
    }

    static bool isCountLine(std::string_view text) {
        return text.size() > kCountIndex + 1 && allBlank(text.substr(0, kCountIndex)) &&
               (text[kCountIndex] == ' ' || text[kCountIndex] == '-') &&
               isDigit(text[kCountIndex + 1]);
    }

    // The pin count from column 24, then blanks up to column 30. Returns
    // whether the pins start on this line: a count of five digits or more
    // reaches column 30 and pushes them to the next one.
    bool count(std::size_t index, SnapshotNet& net) {
        const std::string_view text = line(index);
        std::size_t end = kCountIndex + 1;
        while (end < text.size() && isDigit(text[end])) ++end;
        const auto value = numberText(text.substr(kCountIndex, end - kCountIndex));
        if (!value || *value > INT32_MAX || *value < INT32_MIN)
            notAReport(index, kCountIndex + 1, "the net's pin count");
        if (!allBlank(text.substr(end, kFirstPinIndex > end ? kFirstPinIndex - end : 0)))
            notAReport(index, end + 1, "blanks up to column 30");
        net.pinCount = static_cast<std::int32_t>(*value);
        return end < kFirstPinIndex;
    }

    // The net's pin lines, from column 30 on, the net's length cut from the
    // last one where it stands there.
    PinTexts readPins(std::size_t first, std::size_t countLine, SnapshotNet& net,
                      DesignSnapshot& snapshot) {
        std::vector<std::string_view> regions;
        std::size_t i = first;
        for (; !line(i).empty(); ++i) {
            const std::string_view text = line(i);
            if (i != countLine && !allBlank(text.substr(0, kFirstPinIndex)))
                notAReport(i, 1, "blanks up to column 30 before a net's further pins");
            regions.push_back(text.size() > kFirstPinIndex ? text.substr(kFirstPinIndex)
                                                           : std::string_view{});
        }
        bool lengthFollows = false;
        constexpr std::size_t kLengthOffset = kLengthIndex - kFirstPinIndex;
        if (!regions.empty() && regions.back().size() > kLengthOffset) {
            const std::size_t last = i - 1;
            const std::string_view pins = regions.back().substr(0, kLengthOffset);
            if (const auto length = parseLength(regions.back().substr(kLengthOffset))) {
                net.length = length->units;
                snapshot.statedLengthUnits =
                    std::max(snapshot.statedLengthUnits, length->unitsPerUnit);
                regions.back() = pins;
                lengthFollows = true;
            } else if (allBlank(pins)) {
                notAReport(last, kLengthIndex + 1, "the net's length (\"... mils\" or \"... mm\")");
            }
            // Otherwise a pin text runs on past the last pin column, which
            // the pins' layout cannot explain.
        }
        return ReadPinTexts(regions, lengthFollows, net.pinCount);
    }

    void readNets(DesignSnapshot& snapshot) {
        std::size_t i = next_;
        while (true) {
            if (!line(i).empty()) notAReport(i, 1, "an empty line before the next net");
            const std::string_view row = line(++i);
            if (row.size() > kTitleIndex && allBlank(row.substr(0, kTitleIndex)) &&
                row.substr(kTitleIndex).starts_with(kTrailerText))
                break;
            snapshot.nets.push_back(
                readNet(i, static_cast<std::int64_t>(snapshot.nets.size()) + 1, snapshot));
            while (!line(i).empty()) ++i;
        }
        for (std::size_t rest = i + 1; rest < lines_.size(); ++rest)
            if (!lines_[rest].empty()) fail(rest, 1, "text after the \"End of Report\" line");
    }

    // The row's "W" or blank, then the net's running number. A number of up
    // to five digits leaves the name on the row, from column 9; a longer one
    // reaches past column 9 and ends the row, and the name starts the next
    // line from column 9. Returns the index of the line with the name.
    std::size_t runningNumber(std::size_t rowIndex, std::int64_t expected) const {
        const std::string_view row = line(rowIndex);
        if (row.size() <= kNumberDigitsIndex || (row[0] != 'W' && row[0] != ' ') || row[1] != ' ' ||
            !isDigit(row[kNumberDigitsIndex]))
            notAReport(rowIndex, 1,
                       "a net row: \"W\" or a blank, the net's number from column 3, its name "
                       "from column 9");
        std::size_t end = kNumberDigitsIndex;
        while (end < row.size() && isDigit(row[end])) ++end;
        const std::string wanted = std::to_string(expected);
        if (row.substr(kNumberDigitsIndex, end - kNumberDigitsIndex) != wanted)
            notAReport(rowIndex, kNumberDigitsIndex + 1, "the net's running number " + wanted);
        std::size_t nameIndex = rowIndex;
        if (end >= kNameIndex) {
            if (row.substr(end) != " ")
                notAReport(rowIndex, end + 1,
                           "the end of the row: a running number this long puts the net's name "
                           "on the next line");
            nameIndex = rowIndex + 1;
            end = 0;
        }
        const std::string_view text = line(nameIndex);
        if (text.size() < kNameIndex || !allBlank(text.substr(end, kNameIndex - end)))
            notAReport(nameIndex, end + 1, "blanks up to the net's name in column 9");
        return nameIndex;
    }

    SnapshotNet readNet(std::size_t rowIndex, std::int64_t number, DesignSnapshot& snapshot) {
        const std::size_t nameIndex = runningNumber(rowIndex, number);
        const std::string_view row = line(nameIndex);
        SnapshotNet net;
        // The one line whose start may hold more than blanks before the pins.
        std::size_t countLine = nameIndex;
        bool pinsOnCountLine = false;
        if (nameIndex + 1 < lines_.size() && isCountLine(lines_[nameIndex + 1])) {
            // A name of 16 characters or more pushes the count to the next line.
            net.name = trimRight(row.substr(kNameIndex));
            pinsOnCountLine = count(++countLine, net);
        } else if (row.size() > kCountIndex + 1 &&
                   (row[kCountIndex] == ' ' || row[kCountIndex] == '-') &&
                   isDigit(row[kCountIndex + 1])) {
            net.name = trimRight(row.substr(kNameIndex, kCountIndex - kNameIndex));
            pinsOnCountLine = count(nameIndex, net);
        } else {
            // A net the library could not read: its row names the failure and
            // lists no pins.
            net.name = trimRight(row.substr(kNameIndex));
            everyNetCounted_ = false;
        }
        PinTexts pins =
            readPins(pinsOnCountLine ? countLine : countLine + 1, countLine, net, snapshot);
        net.pins = PinList(pins.pins);
        net.pinsAmbiguous = pins.ambiguous;
        return net;
    }

    const std::string& fileName_;
    std::vector<std::string_view> lines_;
    std::size_t next_ = 0;
    std::size_t netCountLine_ = 0;
    std::size_t connectedPinsLine_ = 0;
    bool everyNetCounted_ = true;
};

}  // namespace

bool LooksLikeReport(std::string_view content) {
    return content.starts_with(kFirstLabel);
}

DesignSnapshot ReadReport(std::string_view content, const std::string& fileName) {
    return Reader(content, fileName).read();
}

}  // namespace netlist
