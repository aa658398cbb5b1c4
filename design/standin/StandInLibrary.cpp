#include "design/standin/StandInLibrary.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string_view>

#include "design/FixedText.h"
#include "design/StatusCodes.h"

namespace netlist {
namespace {

std::uint32_t nextInstanceTag() {
    static std::atomic<std::uint32_t> counter{0x5D51A000};
    return ++counter;
}

}  // namespace

StandInLibrary::StandInLibrary(DesignData design)
    : design_(std::move(design)), netIndexById_(design_.nets), instanceTag_(nextInstanceTag()) {}

bool StandInLibrary::isOpen(const SessionContext& context) const {
    ContextContents contents;
    std::memcpy(&contents, context.opaque, sizeof contents);
    return contents.owner == instanceTag_ && contents.served != 0;
}

StandInLibrary::Served StandInLibrary::served(const SessionContext& context) const {
    ContextContents contents;
    std::memcpy(&contents, context.opaque, sizeof contents);
    return static_cast<Served>(contents.served);
}

std::optional<std::int32_t> StandInLibrary::refusal(Operation operation,
                                                    const SessionContext& context) const {
    if (const auto& forced = design_.forcedStatus[static_cast<std::size_t>(operation)])
        return *forced;
    if (!isOpen(context)) return status::kNoConnection;
    return std::nullopt;
}

std::int32_t StandInLibrary::TOpenDesign(std::int32_t, std::int32_t, const char* kind,
                                         SessionContext& context) {
    const std::string_view requested = kind ? kind : "";
    Served wanted;
    if (requested == "PCB") {
        wanted = Served::Board;
    } else if (requested == "SCH") {
        wanted = Served::Schematic;
    } else {
        return status::kConnectionError;
    }
    if (const auto& forced =
            design_.forcedStatus[static_cast<std::size_t>(Operation::TOpenDesign)]) {
        if (*forced != status::kOk) return *forced;
    } else {
        const bool serves = design_.kind == DesignKind::PcbAndSch ||
                            (design_.kind == DesignKind::Pcb && wanted == Served::Board) ||
                            (design_.kind == DesignKind::Sch && wanted == Served::Schematic);
        // A refused open leaves the context as it was, so an earlier open stays usable.
        if (!serves) return status::kConnectionError;
    }
    const ContextContents contents{instanceTag_, static_cast<std::uint8_t>(wanted)};
    std::memset(context.opaque, 0, sizeof context.opaque);
    std::memcpy(context.opaque, &contents, sizeof contents);
    walk_ = Walk::None;
    return status::kOk;
}

std::int32_t StandInLibrary::TCloseDesign(SessionContext& context, const char*) {
    if (auto refused = refusal(Operation::TCloseDesign, context)) return *refused;
    std::memset(context.opaque, 0, sizeof context.opaque);
    walk_ = Walk::None;
    return status::kOk;
}

std::int32_t StandInLibrary::TGetDesignInfo(SessionContext& context, DesignInfoRecord& info) {
    if (auto refused = refusal(Operation::TGetDesignInfo, context)) return *refused;
    StoreFixedText(info.designPath, design_.designPath);
    StoreFixedText(info.title, design_.title);
    StoreFixedText(info.engineer, design_.engineer);
    StoreFixedText(info.revision, design_.revision);
    return status::kOk;
}

// ---- Nets -------------------------------------------------------------------

void StandInLibrary::fillNet(const DesignNet& net, NetRecord& record) const {
    record.netId = net.id;
    StoreFixedText(record.netName, net.name);
    record.nodeCount = net.nodeCount;
    record.netLength = net.length;
}

std::int32_t StandInLibrary::deliverNet(NetRecord& record) {
    if (walkNext_ >= design_.nets.size()) {
        walk_ = Walk::None;
        return status::kNoMoreNets;
    }
    fillNet(design_.nets[walkNext_++], record);
    return status::kOk;
}

std::int32_t StandInLibrary::TGetFirstNet(SessionContext& context, NetRecord& net) {
    if (auto refused = refusal(Operation::TGetFirstNet, context)) return *refused;
    walk_ = Walk::Nets;
    walkNext_ = 0;
    return deliverNet(net);
}

std::int32_t StandInLibrary::TGetNextNet(SessionContext& context, NetRecord& net) {
    if (auto refused = refusal(Operation::TGetNextNet, context)) return *refused;
    if (walk_ != Walk::Nets) return status::kGetFirstNotCalled;
    return deliverNet(net);
}

std::int32_t StandInLibrary::TGetNetById(SessionContext& context, std::int32_t netId,
                                         NetRecord& net) {
    if (auto refused = refusal(Operation::TGetNetById, context)) return *refused;
    const auto found = netIndexById_.find(netId);
    if (!found) return status::kNetNotFound;
    const DesignNet& served = design_.nets[*found];
    // Callers list a net's nodes next: fetching the first of them now
    // overlaps the wait for memory with the caller's work in between.
    const std::size_t ahead = std::min<std::size_t>(served.nodes.size(), 4);
    for (std::size_t i = 0; i < ahead; ++i) __builtin_prefetch(&served.nodes[i]);
    fillNet(served, net);
    return status::kOk;
}

// ---- Net nodes ----------------------------------------------------------------

void StandInLibrary::fillNode(const DesignNode& node, Served kind, NetNodeRecord& record) const {
    if (kind == Served::Board) {
        StoreFixedText(record.pad.padRefDes, node.refDes);
        StoreFixedText(record.pad.pin.pinDes, node.pinDes);
    } else {
        StoreFixedText(record.symbolPin.symPinRefDes, node.refDes);
        StoreFixedText(record.symbolPin.pin.pinDes, node.pinDes);
    }
}

std::int32_t StandInLibrary::deliverNode(const SessionContext& context, NetNodeRecord& record) {
    const DesignNet& net = design_.nets[walkNet_];
    if (walkNext_ >= net.nodes.size()) {
        walk_ = Walk::None;
        return status::kNoMoreItems;
    }
    fillNode(net.nodes[walkNext_++], served(context), record);
    return status::kOk;
}

std::int32_t StandInLibrary::TGetFirstNetNode(SessionContext& context, std::int32_t netId,
                                              NetNodeRecord& node) {
    if (auto refused = refusal(Operation::TGetFirstNetNode, context)) return *refused;
    const auto found = netIndexById_.find(netId);
    if (!found) {
        // No node walk began, so the next continuing call must not go on with
        // the nodes of the net walked before.
        walk_ = Walk::None;
        return status::kNetNotFound;
    }
    walk_ = Walk::Nodes;
    walkNet_ = *found;
    walkNext_ = 0;
    return deliverNode(context, node);
}

std::int32_t StandInLibrary::TGetNextNetNode(SessionContext& context, NetNodeRecord& node) {
    if (auto refused = refusal(Operation::TGetNextNetNode, context)) return *refused;
    if (walk_ != Walk::Nodes) return status::kGetFirstNotCalled;
    return deliverNode(context, node);
}

// ---- Layers and components ------------------------------------------------------

std::int32_t StandInLibrary::deliverLayer(LayerRecord& record) {
    if (walkNext_ >= design_.layers.size()) {
        walk_ = Walk::None;
        return status::kNoMoreLayers;
    }
    const DesignLayer& layer = design_.layers[walkNext_++];
    StoreFixedText(record.layerName, layer.name);
    record.layerType = layer.type;
    return status::kOk;
}

std::int32_t StandInLibrary::TGetFirstLayer(SessionContext& context, LayerRecord& layer) {
    if (auto refused = refusal(Operation::TGetFirstLayer, context)) return *refused;
    walk_ = Walk::Layers;
    walkNext_ = 0;
    return deliverLayer(layer);
}

std::int32_t StandInLibrary::TGetNextLayer(SessionContext& context, LayerRecord& layer) {
    if (auto refused = refusal(Operation::TGetNextLayer, context)) return *refused;
    if (walk_ != Walk::Layers) return status::kGetFirstNotCalled;
    return deliverLayer(layer);
}

std::int32_t StandInLibrary::deliverComponent(ComponentRecord& record) {
    if (walkNext_ >= design_.components.size()) {
        walk_ = Walk::None;
        return status::kNoMoreComponents;
    }
    const DesignComponent& component = design_.components[walkNext_++];
    StoreFixedText(record.opaqueTexts[0], component.refDes);
    record.padCount = component.padCount;
    record.bottomSide = component.bottomSide;
    return status::kOk;
}

std::int32_t StandInLibrary::TGetFirstComponent(SessionContext& context,
                                                ComponentRecord& component) {
    if (auto refused = refusal(Operation::TGetFirstComponent, context)) return *refused;
    walk_ = Walk::Components;
    walkNext_ = 0;
    return deliverComponent(component);
}

std::int32_t StandInLibrary::TGetNextComponent(SessionContext& context,
                                               ComponentRecord& component) {
    if (auto refused = refusal(Operation::TGetNextComponent, context)) return *refused;
    if (walk_ != Walk::Components) return status::kGetFirstNotCalled;
    return deliverComponent(component);
}

}  // namespace netlist
