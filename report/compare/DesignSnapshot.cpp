#include "report/compare/DesignSnapshot.h"

#include <algorithm>
#include <memory>

#include "design/ControlCharacters.h"
#include "design/FixedText.h"
#include "design/StatusMessage.h"
#include "report/DesignConnection.h"
#include "report/ReportPaths.h"

namespace netlist {
namespace {

constexpr std::int32_t kPinsReserved = 16;
// Room for a pin's length and a text of this many bytes, the usual sort.
constexpr std::size_t kBytesReservedPerPin = 10;

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

// "RefDes-PinDes", made in place in the net's list: a design has many nodes.
template <std::size_t N, std::size_t M>
void addNode(const char (&refDes)[N], const char (&pinDes)[M], PinList& pins) {
    const std::string_view ref = TrimmedFixedTextView(std::string_view(refDes, N));
    const std::string_view pin = TrimmedFixedTextView(std::string_view(pinDes, M));
    pins.emplace_back(ref.size() + 1 + pin.size(), [&](char* out) {
        for (const char c : ref) *out++ = IsControlByte(c) ? kControlStandIn : c;
        *out++ = '-';
        for (const char c : pin) *out++ = IsControlByte(c) ? kControlStandIn : c;
    });
}

void addNode(const NetNodeRecord& node, bool board, PinList& pins) {
    if (board)
        addNode(node.pad.padRefDes, node.pad.pin.pinDes, pins);
    else
        addNode(node.symbolPin.symPinRefDes, node.symbolPin.pin.pinDes, pins);
}

// The records are large; one set serves the whole snapshot.
struct Records {
    NetRecord net{};
    NetNodeRecord node{};
    LayerRecord layer{};
    ComponentRecord component{};
};

void readNets(DesignSession& session, Records& records, DesignSnapshot& snapshot) {
    std::vector<std::int32_t> ids;
    for (session.firstNet(records.net); session.ok(); session.nextNet(records.net)) {
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
        const std::int32_t found = session.netById(ids[i], records.net);
        if (found != 0) {
            net.name = StatusMessage(found) + " (net id " + std::to_string(ids[i]) + ")";
            continue;
        }
        net.name = shown(records.net.netName);
        net.pinCount = records.net.nodeCount;
        if (snapshot.isBoard()) net.length = records.net.netLength;
        // The count is the design's word, not a promise of as many nodes.
        net.pins.reserve(static_cast<std::size_t>(std::clamp(net.pinCount, 0, kPinsReserved)) *
                         kBytesReservedPerPin);
        for (session.firstNetNode(ids[i], records.node); session.ok();
             session.nextNetNode(records.node))
            addNode(records.node, snapshot.isBoard(), net.pins);
    }
}

void readLayersAndComponents(DesignSession& session, Records& records, DesignSnapshot& snapshot) {
    for (session.firstLayer(records.layer); session.ok(); session.nextLayer(records.layer))
        if (records.layer.layerType == 0 || records.layer.layerType == 1)
            snapshot.layers = snapshot.layers.value_or(0) + 1;
    if (!snapshot.isBoard()) snapshot.layers.reset();

    std::int64_t total = 0, top = 0, bottom = 0;
    for (session.firstComponent(records.component); session.ok();
         session.nextComponent(records.component)) {
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
    DesignSession session(library);
    const DesignConnection connection = ConnectToDesign(session);
    snapshot.kind = DesignSourceCaption(connection.kind);
    result.status = connection.status;
    if (connection.designOpen()) {
        snapshot.designPath = TrimFixedText(connection.info.designPath);
        snapshot.designName = WithoutControlCharacters(DesignFileNameShown(snapshot.designPath));
        snapshot.title = shown(connection.info.title);
        snapshot.revision = shown(connection.info.revision);
        const auto records = std::make_unique<Records>();
        readNets(session, *records, snapshot);
        readLayersAndComponents(session, *records, snapshot);
    }
    session.close();
    return result;
}

}  // namespace netlist
