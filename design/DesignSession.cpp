#include "design/DesignSession.h"

namespace netlist {

std::int32_t DesignSession::open(const char* kind) {
    return keep(library_->TOpenDesign(0, kInterfaceVersion, kind, context_));
}

std::int32_t DesignSession::close() {
    return keep(library_->TCloseDesign(context_, ""));
}

std::int32_t DesignSession::readDesignInfo(DesignInfoRecord& info) {
    return keep(library_->TGetDesignInfo(context_, info));
}

std::int32_t DesignSession::firstNet(NetRecord& net) {
    return keep(library_->TGetFirstNet(context_, net));
}

std::int32_t DesignSession::nextNet(NetRecord& net) {
    return keep(library_->TGetNextNet(context_, net));
}

std::int32_t DesignSession::netById(std::int32_t netId, NetRecord& net) {
    return keep(library_->TGetNetById(context_, netId, net));
}

std::int32_t DesignSession::firstNetNode(std::int32_t netId, NetNodeRecord& node) {
    return keep(library_->TGetFirstNetNode(context_, netId, node));
}

std::int32_t DesignSession::nextNetNode(NetNodeRecord& node) {
    return keep(library_->TGetNextNetNode(context_, node));
}

std::int32_t DesignSession::firstLayer(LayerRecord& layer) {
    return keep(library_->TGetFirstLayer(context_, layer));
}

std::int32_t DesignSession::nextLayer(LayerRecord& layer) {
    return keep(library_->TGetNextLayer(context_, layer));
}

std::int32_t DesignSession::firstComponent(ComponentRecord& component) {
    return keep(library_->TGetFirstComponent(context_, component));
}

std::int32_t DesignSession::nextComponent(ComponentRecord& component) {
    return keep(library_->TGetNextComponent(context_, component));
}

}  // namespace netlist
