#include "design/files/ipc/IpcNetlistReader.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "design/TextHash.h"
#include "design/TextIndex.h"
#include "design/files/FileBytes.h"
#include "design/files/ServedDesignPath.h"
#include "design/files/SourcePlace.h"
#include "design/files/ipc/FeatureRecord.h"
#include "design/files/ipc/PartTable.h"
#include "design/files/ipc/RecordFile.h"
#include "platform/Windows1252.h"

namespace netlist {
namespace {

using ipc::Feature;
using ipc::FeatureKind;
using ipc::Record;

constexpr std::string_view kNoNet = "N/C";
constexpr std::string_view kVia = "VIA";
// A net name field that stands for a long name given by a parameter record.
constexpr std::string_view kAliasPrefix = "NNAME";
// As many characters of a file's text as a message quotes.
constexpr std::size_t kQuotedCharacters = 100;

// Keyed by text, looked up by the fields' views without a copy of each.
template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHasher, std::equal_to<>>;

bool isBlankRecord(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool isComment(std::string_view text) {
    return text.starts_with('C') && (text.size() == 1 || text[1] == ' ');
}

std::string_view trimmedRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view skipBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

// The words of a text joined by single blanks: "CUST  0" is "CUST 0".
std::string normalisedWords(std::string_view text) {
    std::string words;
    for (text = skipBlanks(text); !text.empty();) {
        const std::size_t end = std::min(text.find(' '), text.size());
        if (!words.empty()) words += ' ';
        words += text.substr(0, end);
        text = skipBlanks(text.substr(end));
    }
    return words;
}

// A pin's texts are kept as their places in the file.
static_assert(kMaxDesignFileBytes <= UINT32_MAX);

class IpcReader {
  public:
    IpcReader(std::string_view content, const std::filesystem::path& path)
        : file_(content, path), content_(content), plainAscii_(IsPlainAscii(content)) {}

    DesignData read() {
        DesignData design;
        design.kind = DesignKind::Pcb;
        design.designPath = ServedDesignPath(file_.path());
        if (!readRecords())
            file_.failAtEnd(
                "the file ends without its end record \"999\": it may have been cut short");
        finish(design);
        return design;
    }

  private:
    struct Net {
        std::string name;  // as in the file
        std::int32_t nodes = 0;
    };
    // A pad of a part in a net, in the file's order, its texts as places in
    // the file. The nets' nodes are made at the end, each
    // net's at once: most nets have a few nodes, and growing each net's list
    // would cost more than reading its records.
    struct Pin {
        std::uint32_t net;
        std::uint32_t refDesAt;
        std::uint32_t pinAt;
        std::uint8_t refDesLength;
        std::uint8_t pinLength;
    };

    // Up to the end record; false when the file ends before it. What
    // follows the end record is not read.
    bool readRecords() {
        while (const std::optional<Record> record = file_.next()) {
            const std::string_view text = record->text;
            if (isBlankRecord(text) || text.starts_with('C')) continue;
            checkPlainText(*record);
            if (text.starts_with('P')) {
                readParameter(*record);
            } else if (const std::optional<FeatureKind> kind = ipc::FeatureKindOf(*record)) {
                readFeature(ipc::ReadFeature(*record, *kind, file_));
                continuation(record->columns(2, 3));
            } else if (record->columns(1, 3) == "999") {
                return true;
            } else if (text.size() >= 3 && text[0] == '3' && isDigit(text[1]) && isDigit(text[2])) {
                // Conductors, outlines and the other records that describe
                // the board's shapes rather than its nets.
                continuation(record->columns(2, 3));
            } else if (text.starts_with('0')) {
                file_.fail(*record, 1,
                           "a continuation record (\"0\" in column 1) must follow the record it "
                           "continues, with the same code in columns 2 and 3");
            } else {
                file_.fail(*record, 1,
                           "expected a record: \"C\" (comment), \"P\" (parameter), 317, 327 or "
                           "367 (feature), or 999 (end), found " +
                               files::Quoted(record->columns(1, 3)));
            }
        }
        return false;
    }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    // Fields stand at fixed columns, so a tab or another control character
    // would put every field after it in the wrong place.
    void checkPlainText(const Record& record) const {
        const std::size_t control = ipc::FirstControlByte(record.text);
        if (control == std::string_view::npos) return;
        file_.fail(record, control + 1,
                   "a control character " + files::Quoted(record.text.substr(control, 1)) +
                       " in a record, whose fields stand at fixed columns");
    }

    // The records that continue the one just read ("0" in column 1, then
    // that record's columns 2 and 3): the text from column 4 of each, blanks
    // at its end left out.
    std::string continuation(std::string_view code) {
        std::string joined;
        while (const std::optional<Record> next = file_.peek()) {
            if (!next->text.starts_with('0') || next->columns(2, 3) != code) break;
            checkPlainText(*next);
            joined += trimmedRight(next->from(4));
            file_.next();
        }
        return joined;
    }

    // "P  NAME VALUE": the name from column 2 or later, the value after it.
    void readParameter(const Record& record) {
        const std::string_view rest = skipBlanks(record.from(2));
        if (rest.empty()) file_.fail(record, 2, "a parameter record needs a name after \"P\"");
        const std::string_view name = rest.substr(0, std::min(rest.find(' '), rest.size()));
        const std::string_view text = record.text;
        const std::size_t nameColumn = text.size() - rest.size() + 1;
        const std::size_t valueStart =
            text.size() - skipBlanks(text.substr(text.size() - rest.size() + name.size())).size();
        const std::size_t valueColumn = valueStart + 1;
        const std::string value =
            std::string(trimmedRight(text.substr(valueStart))) + continuation(record.columns(2, 3));

        if (name == "UNITS") {
            const std::string units = normalisedWords(value);
            if (units != "CUST 0" && units != "CUST 1" && units != "CUST 2" && units != "SI" &&
                units != "INCH")
                file_.fail(
                    record, valueColumn,
                    "expected the units CUST 0, CUST 1, CUST 2, SI or INCH, " + ipc::Found(value));
        } else if (name == "JOB") {
            job_ = value;
        } else if (name == "TITLE") {
            title_ = value;
        } else if (name == "REV") {
            revision_ = value;
        } else if (name.starts_with(kAliasPrefix)) {
            readAlias(record, name, nameColumn, value, valueColumn);
        }
        // Other parameters (CODE, VER, IMAGE, arrayDim, ...) say nothing the
        // report shows.
    }

    void readAlias(const Record& record, std::string_view alias, std::size_t aliasColumn,
                   const std::string& name, std::size_t valueColumn) {
        if (name.empty())
            file_.fail(record, valueColumn,
                       "the net name alias " + files::Quoted(alias) + " needs a net name");
        if (netIndex_.find(alias))
            file_.fail(record, aliasColumn,
                       files::Quoted(alias) +
                           " is given as a net name alias after a feature record used it as a "
                           "net name");
        const auto [it, added] = aliases_.try_emplace(std::string(alias), name);
        if (!added && it->second != name)
            file_.fail(record, aliasColumn,
                       "the net name alias " + files::Quoted(alias) + " is given to " +
                           files::Quoted(it->second, kQuotedCharacters) + " already");
    }

    void readFeature(const Feature& feature) {
        highestAccess_ = std::max(highestAccess_, feature.access);
        std::optional<std::size_t> net;
        if (!feature.netName.empty() && feature.netName != kNoNet) net = netNamed(feature.netName);
        // Vias and features of no part (tooling holes) belong to the board.
        if (feature.refDes.empty() || (feature.refDes == kVia && feature.pin.empty())) return;
        bool added = false;
        ipc::PadCounts& part = parts_.countsOf(feature.refDes, added);
        if (added) partNames_.push_back(feature.refDes);
        ++part.pads;
        if (feature.kind == FeatureKind::SurfacePad)
            ++(feature.access >= 2 ? part.bottomSurfacePads : part.topSurfacePads);
        if (net) {
            ++nets_[*net].nodes;
            pins_.push_back({static_cast<std::uint32_t>(*net), placeOf(feature.refDes),
                             placeOf(feature.pin), static_cast<std::uint8_t>(feature.refDes.size()),
                             static_cast<std::uint8_t>(feature.pin.size())});
        }
    }

    std::uint32_t placeOf(std::string_view field) const {
        return static_cast<std::uint32_t>(field.data() - content_.data());
    }

    // Windows-1252, as the library serves texts; a file of ASCII alone
    // needs no conversion of each.
    std::string converted(std::string_view text) const {
        return plainAscii_ ? std::string(text) : Utf8ToWindows1252(text);
    }

    std::size_t netNamed(std::string_view field) {
        // A net's features usually follow one another: the last one's net
        // needs no lookup.
        if (lastNet_ && field == lastNetField_) return *lastNet_;
        const auto alias = aliases_.empty() ? aliases_.end() : aliases_.find(field);
        const std::string_view name = alias == aliases_.end() ? field : alias->second;
        const auto next = static_cast<std::uint32_t>(nets_.size());
        const std::size_t net = netIndex_.numberOf(name, next);
        if (net == next) nets_.push_back(Net{std::string(name)});
        lastNetField_.assign(field);
        lastNet_ = net;
        return net;
    }

    void finish(DesignData& design) {
        design.title = Utf8ToWindows1252(title_ ? *title_ : job_.value_or(""));
        design.revision = Utf8ToWindows1252(revision_);
        // Surface pads on the secondary side are reached from the highest
        // layer, whose number is the layer count.
        if (highestAccess_ >= 2)
            for (int layer = 1; layer <= highestAccess_; ++layer)
                design.layers.push_back(DesignLayer{"Layer " + std::to_string(layer), 0});
        design.nets.reserve(nets_.size());
        std::int32_t id = 0;
        for (const Net& net : nets_) {
            design.nets.push_back(DesignNet{++id, converted(net.name), 0, net.nodes, {}});
            design.nets.back().nodes.reserve(static_cast<std::size_t>(net.nodes));
        }
        for (const Pin& pin : pins_)
            design.nets[pin.net].nodes.push_back(
                {converted(content_.substr(pin.refDesAt, pin.refDesLength)),
                 converted(content_.substr(pin.pinAt, pin.pinLength))});
        const std::vector<ipc::PadCounts> counts = parts_.countsInOrder();
        design.components.reserve(counts.size());
        for (std::size_t part = 0; part < counts.size(); ++part)
            design.components.push_back(DesignComponent{
                converted(partNames_[part]), counts[part].pads,
                counts[part].bottomSurfacePads > 0 && counts[part].topSurfacePads == 0 ? 1 : 0});
    }

    ipc::RecordFile file_;
    std::optional<std::string> job_;
    std::optional<std::string> title_;
    std::string revision_;
    TextMap<std::string> aliases_;
    std::vector<Net> nets_;
    struct NameOfNet {
        const std::vector<Net>* nets;
        std::string_view operator()(std::uint32_t net) const { return (*nets)[net].name; }
    };
    TextIndex<NameOfNet> netIndex_{NameOfNet{&nets_}};
    std::string lastNetField_;
    std::optional<std::size_t> lastNet_;
    std::string_view content_;
    bool plainAscii_;
    ipc::PartTable parts_;
    std::vector<std::string_view> partNames_;  // in the file's content, by part number
    std::deque<Pin> pins_;
    int highestAccess_ = 0;
};

}  // namespace

bool LooksLikeIpcNetlist(std::string_view content) {
    ipc::RecordFile file(content, {});
    while (const std::optional<Record> record = file.next()) {
        const std::string_view text = record->text;
        if (isBlankRecord(text) || isComment(text)) continue;
        if (text.starts_with("P ")) return true;
        return ipc::FeatureKindOf(*record) || trimmedRight(text) == "999";
    }
    return false;
}

bool HasIpcNetlistExtension(const std::filesystem::path& path) {
    // UTF-8 on every platform, where string() may fail on Windows.
    std::u8string extension = path.extension().u8string();
    for (char8_t& c : extension)
        if (c >= u8'A' && c <= u8'Z') c = static_cast<char8_t>(c - u8'A' + u8'a');
    return extension == u8".ipc" || extension == u8".d356" || extension == u8".356";
}

DesignData ReadIpcNetlist(std::string_view content, const std::filesystem::path& path) {
    return IpcReader(content, path).read();
}

}  // namespace netlist
