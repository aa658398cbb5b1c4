#include "design/files/kicad/KicadBoardReader.h"

#include <optional>
#include <unordered_set>

#include "design/files/ServedDesignPath.h"
#include "design/files/kicad/NetCollector.h"
#include "design/files/kicad/SourceFile.h"
#include "design/files/kicad/TrackLength.h"
#include "platform/Windows1252.h"

namespace netlist {
namespace {

using kicad::Point;
using sexpr::Node;

// Layer types as the library serves them; the report counts 0 and 1.
constexpr std::int32_t kSignalLayer = 0;
constexpr std::int32_t kPlaneLayer = 1;
constexpr std::int32_t kNonCopperLayer = 2;

std::int32_t layerType(bool copper, std::string_view type) {
    if (!copper) return kNonCopperLayer;
    if (type == "power" || type == "mixed" || type == "jumper") return kPlaneLayer;
    return kSignalLayer;
}

// Before KiCad 6 the layer table holds the user's own layer names, and
// footprints name their layer by that name: copper is known by its number.
// From KiCad 6 on the table and the footprints use the fixed names (F.Cu,
// In1.Cu, B.Cu) whatever the user calls them, and KiCad 9 renumbered the
// layers, so there the name tells.
struct CopperNumbering {
    std::int32_t lastCopper;  // copper layers are numbered 0 to this
    std::int32_t back;
};
// (version 3) and older: 16 copper layers, 0 the back and 15 the front.
constexpr std::int32_t kLastSixteenLayerVersion = 3;
constexpr CopperNumbering kSixteenCopperLayers{15, 0};
// (version 4) to (version 2021xxxx): 32 copper layers, 0 the front, 31 the back.
constexpr std::int32_t kFirstFixedNameVersion = 20211014;  // KiCad 6.0
constexpr CopperNumbering kThirtyTwoCopperLayers{31, 31};

class BoardReader {
  public:
    explicit BoardReader(const std::filesystem::path& path) : file_(path) {}

    DesignData read(std::string_view content) {
        // The outlines and fills of copper zones make up most of a board file
        // and play no part in the report; a zone's net does.
        const sexpr::Document document =
            file_.parse(content, {"pts", "filled_polygon", "setup", "embedded_files", "model"});
        const Node board = file_.root(document, "kicad_pcb", "a KiCad board");

        DesignData design;
        design.kind = DesignKind::Pcb;
        design.designPath = ServedDesignPath(file_.path());
        readNumbering(board);
        // Up to KiCad 9 tracks name their net by its code, so the net table
        // comes first wherever it stands; footprints need the layer table.
        for (const Node item : board.children()) {
            if (item.head() == "net") readNetTableEntry(item);
            if (item.head() == "layers") readLayers(item, design.layers);
        }
        for (const Node item : board.children()) {
            const std::string_view head = item.head();
            if (head == "title_block") {
                design.title = Utf8ToWindows1252(kicad::ValueOf(item, "title"));
                design.revision = Utf8ToWindows1252(kicad::ValueOf(item, "rev"));
                design.engineer = Utf8ToWindows1252(kicad::ValueOf(item, "company"));
            } else if (head == "footprint" || head == "module") {
                design.components.push_back(readFootprint(item));
            } else if (head == "segment") {
                // The points are read one statement at a time: of two faulty
                // points, the start's fault is reported, whatever the compiler.
                if (const auto net = trackNet(item)) {
                    const kicad::Point start = point(item, "start");
                    const kicad::Point end = point(item, "end");
                    nets_.addLength(*net, kicad::StraightLength(start, end));
                }
            } else if (head == "zone") {
                readZoneNet(item);
            } else if (head == "arc") {
                if (const auto net = trackNet(item)) {
                    const kicad::Point start = point(item, "start");
                    const kicad::Point mid = point(item, "mid");
                    const kicad::Point end = point(item, "end");
                    nets_.addLength(*net, kicad::ArcLength(start, mid, end));
                }
            }
            // Everything else (setup, drawings, vias, zones, groups, and
            // whatever newer versions add) has no part in the report.
        }
        design.nets = nets_.finish(file_);
        return design;
    }

  private:
    // (net CODE "NAME"); net 0 and unnamed nets are the "not connected" net.
    void readNetTableEntry(const Node& entry) {
        const std::optional<Node> codeNode = entry.child(1);
        if (!codeNode) file_.fail(entry, "(net ...) needs a net code");
        const std::int32_t code = file_.count(*codeNode, "a net code");
        const std::string_view name = entry.atomAt(2);
        if (code == 0 || name.empty()) {
            if (nets_.byCode(code))
                file_.fail(entry, "net code " + std::to_string(code) + " is given twice");
            unconnectedCodes_.insert(code);
            return;
        }
        if (unconnectedCodes_.count(code))
            file_.fail(entry, "net code " + std::to_string(code) + " is given twice");
        nets_.declare(name, code, file_, entry);
    }

    // (kicad_pcb (version N) ...): which layer rule the file follows.
    void readNumbering(const Node& board) {
        const std::optional<Node> version = board.find("version");
        if (!version) return;
        const std::optional<Node> number = version->child(1);
        if (!number || !number->isAtom()) file_.fail(*version, "(version ...) needs a number");
        const std::int32_t value = file_.count(*number, "a format version");
        if (value <= kLastSixteenLayerVersion)
            numbering_ = kSixteenCopperLayers;
        else if (value < kFirstFixedNameVersion)
            numbering_ = kThirtyTwoCopperLayers;
    }

    void readLayers(const Node& layers, std::vector<DesignLayer>& served) {
        for (const Node entry : layers.children()) {
            // (NUMBER "NAME" TYPE ["USER NAME"])
            if (!entry.isList()) continue;
            const std::string_view name = entry.atomAt(1);
            if (name.empty()) file_.fail(entry, "a layer entry needs a layer name");
            if (!layerNames_.insert(std::string(name)).second) continue;
            bool copper = name.ends_with(".Cu");
            if (numbering_) {
                const std::optional<Node> number = entry.child(0);
                if (!number || !number->isAtom()) file_.fail(entry, "a layer entry needs a number");
                const std::int32_t ordinal = file_.count(*number, "a layer number");
                copper = ordinal <= numbering_->lastCopper;
                if (ordinal == numbering_->back) backName_ = name;
            }
            served.push_back(
                DesignLayer{Utf8ToWindows1252(name), layerType(copper, entry.atomAt(2))});
        }
    }

    DesignComponent readFootprint(const Node& footprint) {
        DesignComponent component;
        bool haveReference = false;
        for (const Node item : footprint.children()) {
            const std::string_view head = item.head();
            if (head == "layer") {
                component.bottomSide = item.atomAt(1) == backName_ ? 1 : 0;
            } else if (!haveReference && head == "fp_text" && item.atomAt(1) == "reference") {
                component.refDes = Utf8ToWindows1252(fpTextReference(item));
                haveReference = true;
            } else if (!haveReference && head == "property" && item.atomAt(1) == "Reference") {
                component.refDes = Utf8ToWindows1252(item.atomAt(2));
                haveReference = true;
            }
        }
        for (const Node item : footprint.children()) {
            if (item.head() != "pad") continue;
            const std::optional<Node> number = item.child(1);
            if (!number || !number->isAtom()) file_.fail(item, "a pad needs a pad number");
            ++component.padCount;
            if (const std::optional<Node> netNode = item.find("net"))
                if (const auto net = padNet(*netNode))
                    nets_.addNode(*net, component.refDes, Utf8ToWindows1252(number->text()));
        }
        return component;
    }

    // (fp_text reference [locked] TEXT ...): a locked text has the bare flag
    // before its text. Old files write the text bare too, so the flag is
    // told by being followed by another atom.
    static std::string_view fpTextReference(const Node& text) {
        const std::optional<Node> first = text.child(2);
        if (!first || !first->isAtom()) return {};
        if (first->kind() == sexpr::NodeKind::Symbol && first->text() == "locked") {
            const std::optional<Node> second = text.child(3);
            if (second && second->isAtom()) return second->text();
        }
        return first->text();
    }

    // A pad names its net: (net CODE "NAME") up to KiCad 9, (net "NAME") in
    // KiCad 10. Nothing for the "not connected" net.
    std::optional<std::size_t> padNet(const Node& netNode) {
        const std::optional<Node> first = netNode.child(1);
        const std::optional<Node> second = netNode.child(2);
        if (first && second) {
            const std::int32_t code = file_.count(*first, "a net code");
            const std::string_view name = second->text();
            if (code == 0 || name.empty()) return std::nullopt;
            return nets_.byName(name);
        }
        return netByCodeOrName(netNode);
    }

    // KiCad 10 names a net only where it is used, so a net that only zones
    // use exists only there: (zone (net "NAME") ...). Up to KiCad 9 a zone
    // gives its net's code, which the net table already holds.
    void readZoneNet(const Node& zone) {
        const std::optional<Node> netNode = zone.find("net");
        if (!netNode) return;
        const std::optional<Node> value = netNode->child(1);
        if (value && value->kind() == sexpr::NodeKind::String && !value->text().empty())
            nets_.byName(value->text());
    }

    // A track names its net: (net CODE) up to KiCad 9, (net "NAME") in KiCad
    // 10. Nothing when it has no net or the "not connected" one.
    std::optional<std::size_t> trackNet(const Node& track) {
        const std::optional<Node> netNode = track.find("net");
        if (!netNode) return std::nullopt;
        return netByCodeOrName(*netNode);
    }

    std::optional<std::size_t> netByCodeOrName(const Node& netNode) {
        const std::optional<Node> value = netNode.child(1);
        if (!value) file_.fail(netNode, "(net ...) needs a net code or name");
        if (value->kind() == sexpr::NodeKind::String) {
            if (value->text().empty()) return std::nullopt;
            return nets_.byName(value->text());
        }
        const std::int32_t code = file_.count(*value, "a net code");
        if (code == 0 || unconnectedCodes_.count(code)) return std::nullopt;
        const std::optional<std::size_t> net = nets_.byCode(code);
        if (!net)
            file_.fail(netNode,
                       "net code " + std::to_string(code) + " is not in the board's net table");
        return net;
    }

    Point point(const Node& track, std::string_view head) const {
        const std::optional<Node> coordinates = track.find(head);
        if (!coordinates)
            file_.fail(track, "(" + std::string(track.head()) + " ...) needs (" +
                                  std::string(head) + " X Y)");
        return Point{file_.number(*coordinates, 1), file_.number(*coordinates, 2)};
    }

    kicad::SourceFile file_;
    kicad::NetCollector nets_;
    std::unordered_set<std::int32_t> unconnectedCodes_;
    std::unordered_set<std::string> layerNames_;
    std::optional<CopperNumbering> numbering_;  // none: layers are known by name
    std::string_view backName_ = "B.Cu";
};

}  // namespace

DesignData ReadKicadBoard(std::string_view content, const std::filesystem::path& path) {
    return BoardReader(path).read(content);
}

}  // namespace netlist
