#include "report/compare/DesignSnapshot.h"

#include <algorithm>
#include <memory>

#include "design/ControlCharacters.h"
#include "design/FixedText.h"
#include "design/StatusMessage.h"
#include "report/ReportPaths.h"

namespace netlist {
namespace {

constexpr std::int32_t kPinsReserved = 16;

// The reference designator of a component record: the stand-in serves it
// in the record's first text field.
std::string componentRefDes(const ComponentRecord& record) {
    return TrimFixedText(record.opaqueTexts[0]);
}

// A text as the report shows it: trimmed, its control characters replaced.
template <std::size_t N>
std::string shown(const char (&field)[N]) {
    std::string text = TrimFixedText(field);
    if (HoldsControlCharacter(text)) text = WithoutControlCharacters(text);
    return text;
}

std::string nodeText(const NetNodeRecord& node, bool board) {
    if (board) return shown(node.pad.padRefDes) + "-" + shown(node.pad.pin.pinDes);
    return shown(node.symbolPin.symPinRefDes) + "-" + shown(node.symbolPin.pin.pinDes);
}

// The records are large; one set serves the whole snapshot.
struct Records {
    DesignInfoRecord info{};
    NetRecord net{};
    NetNodeRecord node{};
    LayerRecord layer{};
    ComponentRecord component{};
};

void readNets(DesignLibrary& library, SessionContext& context, Records& records,
              DesignSnapshot& snapshot) {
    std::vector<std::int32_t> ids;
    for (std::int32_t status = library.TGetFirstNet(context, records.net); status == 0;
         status = library.TGetNextNet(context, records.net)) {
        snapshot.connectedPins = snapshot.connectedPins.value_or(0) + records.net.nodeCount;
        ids.push_back(records.net.netId);
    }
    snapshot.netCount = static_cast<std::int64_t>(ids.size());
    snapshot.nets.resize(ids.size());
    // Each net is then read by its id, as a report reads it, so that a net
    // the library cannot find by id shows as the report's row for it does.
    // The node walks come after the net walk: the library keeps one walk at
    // a time.
    for (std::size_t i = 0; i < ids.size(); ++i) {
        SnapshotNet& net = snapshot.nets[i];
        const std::int32_t found = library.TGetNetById(context, ids[i], records.net);
        if (found != 0) {
            net.name = StatusMessage(found) + " (net id " + std::to_string(ids[i]) + ")";
            continue;
        }
        net.name = shown(records.net.netName);
        net.pinCount = records.net.nodeCount;
        if (snapshot.isBoard()) net.length = records.net.netLength;
        // The count is the design's word, not a promise of as many nodes.
        net.pins.reserve(static_cast<std::size_t>(std::clamp(net.pinCount, 0, kPinsReserved)));
        for (std::int32_t status = library.TGetFirstNetNode(context, ids[i], records.node);
             status == 0; status = library.TGetNextNetNode(context, records.node))
            net.pins.push_back(nodeText(records.node, snapshot.isBoard()));
    }
}

void readLayersAndComponents(DesignLibrary& library, SessionContext& context, Records& records,
                             DesignSnapshot& snapshot) {
    for (std::int32_t status = library.TGetFirstLayer(context, records.layer); status == 0;
         status = library.TGetNextLayer(context, records.layer))
        if (records.layer.layerType == 0 || records.layer.layerType == 1)
            snapshot.layers = snapshot.layers.value_or(0) + 1;
    if (!snapshot.isBoard()) snapshot.layers.reset();

    std::int64_t total = 0, top = 0, bottom = 0;
    for (std::int32_t status = library.TGetFirstComponent(context, records.component); status == 0;
         status = library.TGetNextComponent(context, records.component)) {
        snapshot.componentCount = snapshot.componentCount.value_or(0) + 1;
        const std::int32_t pads = records.component.padCount;
        total += pads;
        (records.component.bottomSide == 0 ? top : bottom) += pads;
        snapshot.components.push_back({componentRefDes(records.component), pads});
    }
    snapshot.pads = std::to_string(total) + " Top Side= " + std::to_string(top) +
                    " Bottom Side= " + std::to_string(bottom);
}

}  // namespace

SnapshotResult TakeSnapshot(DesignLibrary& library) {
    SnapshotResult result;
    DesignSnapshot& snapshot = result.snapshot;
    SessionContext context{};
    const std::int32_t boardStatus = library.TOpenDesign(0, kInterfaceVersion, "PCB", context);
    const std::int32_t schematicStatus = library.TOpenDesign(0, kInterfaceVersion, "SCH", context);
    snapshot.kind = schematicStatus == 0 ? "Schmatic" : boardStatus == 0 ? "Pcb" : "";

    auto records = std::make_unique<Records>();
    result.status = library.TGetDesignInfo(context, records->info);
    if (result.status == 0) {
        snapshot.designPath = TrimFixedText(records->info.designPath);
        snapshot.designName = WithoutControlCharacters(DesignFileNameShown(snapshot.designPath));
        snapshot.title = shown(records->info.title);
        snapshot.revision = shown(records->info.revision);
        readNets(library, context, *records, snapshot);
        readLayersAndComponents(library, context, *records, snapshot);
    }
    library.TCloseDesign(context, "");
    return result;
}

}  // namespace netlist
