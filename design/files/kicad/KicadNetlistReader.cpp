#include "design/files/kicad/KicadNetlistReader.h"

#include <optional>
#include <unordered_map>

#include "design/files/ServedDesignPath.h"
#include "design/files/kicad/NetCollector.h"
#include "design/files/kicad/SourceFile.h"
#include "platform/Windows1252.h"

namespace netlist {
namespace {

using kicad::ValueOf;
using sexpr::Node;

std::string partKey(std::string_view lib, std::string_view part) {
    std::string key(lib);
    key += '\n';  // cannot occur inside either name
    key += part;
    return key;
}

class NetlistReader {
  public:
    explicit NetlistReader(const std::filesystem::path& path) : file_(path) {}

    DesignData read(std::string_view content) {
        const sexpr::Document document = file_.parse(content);
        const Node root = file_.root(document, "export", "a KiCad netlist export");

        DesignData design;
        design.kind = DesignKind::Sch;
        design.designPath = ServedDesignPath(file_.path());
        for (const Node section : root.children()) {
            const std::string_view head = section.head();
            if (head == "design") {
                readTitleBlock(section, design);
            } else if (head == "components") {
                for (const Node comp : section.children())
                    if (comp.head() == "comp") readComponent(comp);
            } else if (head == "libparts") {
                for (const Node libpart : section.children())
                    if (libpart.head() == "libpart") readLibpart(libpart);
            } else if (head == "nets") {
                for (const Node net : section.children())
                    if (net.head() == "net") readNet(net);
            }
        }

        const auto pinsInNets = nets_.distinctPinsByRefDes();
        for (PendingComponent& pending : components_) {
            std::size_t pins = 0;
            if (const auto listed = pinCountByPart_.find(pending.partKey);
                pending.hasLibsource && listed != pinCountByPart_.end()) {
                pins = listed->second;
            } else if (const auto inNets = pinsInNets.find(pending.component.refDes);
                       inNets != pinsInNets.end()) {
                pins = inNets->second;
            }
            pending.component.padCount = static_cast<std::int32_t>(pins);
            design.components.push_back(std::move(pending.component));
        }
        design.nets = nets_.finish(file_);
        return design;
    }

  private:
    struct PendingComponent {
        DesignComponent component;  // top side; padCount filled once all is read
        bool hasLibsource = false;
        std::string partKey;
    };

    // The root sheet's title block: the sheet numbered 1, else the first.
    void readTitleBlock(const Node& designSection, DesignData& design) const {
        std::optional<Node> chosen;
        for (const Node sheet : designSection.children()) {
            if (sheet.head() != "sheet") continue;
            if (!chosen) chosen = sheet;
            if (ValueOf(sheet, "number") == "1") {
                chosen = sheet;
                break;
            }
        }
        if (!chosen) return;
        const std::optional<Node> titleBlock = chosen->find("title_block");
        if (!titleBlock) return;
        design.title = Utf8ToWindows1252(ValueOf(*titleBlock, "title"));
        design.revision = Utf8ToWindows1252(ValueOf(*titleBlock, "rev"));
        design.engineer = Utf8ToWindows1252(ValueOf(*titleBlock, "company"));
    }

    void readComponent(const Node& comp) {
        PendingComponent pending;
        pending.component.refDes = Utf8ToWindows1252(ValueOf(comp, "ref"));
        if (const std::optional<Node> libsource = comp.find("libsource")) {
            pending.hasLibsource = true;
            pending.partKey = partKey(ValueOf(*libsource, "lib"), ValueOf(*libsource, "part"));
        }
        components_.push_back(std::move(pending));
    }

    // A library part and its aliases, with the number of pins it lists.
    void readLibpart(const Node& libpart) {
        std::size_t pins = 0;
        if (const std::optional<Node> pinList = libpart.find("pins"))
            for (const Node pin : pinList->children())
                if (pin.head() == "pin") ++pins;
        const std::string_view lib = ValueOf(libpart, "lib");
        pinCountByPart_.try_emplace(partKey(lib, ValueOf(libpart, "part")), pins);
        if (const std::optional<Node> aliases = libpart.find("aliases"))
            for (const Node alias : aliases->children())
                if (alias.head() == "alias")
                    pinCountByPart_.try_emplace(partKey(lib, alias.atomAt(1)), pins);
    }

    void readNet(const Node& net) {
        const std::string_view name = ValueOf(net, "name");
        if (name.empty()) return;  // never written by KiCad; nothing to key it by
        std::size_t index;
        const std::optional<Node> code = net.find("code");
        if (code && code->child(1))
            index = nets_.declare(name, file_.count(*code->child(1), "a net code"), file_, net);
        else
            index = nets_.byName(name);
        for (const Node node : net.children())
            if (node.head() == "node")
                nets_.addNode(index, Utf8ToWindows1252(ValueOf(node, "ref")),
                              Utf8ToWindows1252(ValueOf(node, "pin")));
    }

    kicad::SourceFile file_;
    kicad::NetCollector nets_;
    std::vector<PendingComponent> components_;
    std::unordered_map<std::string, std::size_t> pinCountByPart_;
};

}  // namespace

DesignData ReadKicadNetlist(std::string_view content, const std::filesystem::path& path) {
    return NetlistReader(path).read(content);
}

}  // namespace netlist
