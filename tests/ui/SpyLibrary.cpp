#include "tests/ui/SpyLibrary.h"

#include "design/StatusCodes.h"

namespace netlist::test {

std::int32_t SpyLibrary::TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                                     SessionContext& context) {
    ++openCalls;
    if (refuseAll) return status::kConnectionError;
    return inner_.TOpenDesign(reserved, version, kind, context);
}

std::int32_t SpyLibrary::TCloseDesign(SessionContext& context, const char* reserved) {
    ++closeCalls;
    if (refuseAll) return status::kNoConnection;
    return inner_.TCloseDesign(context, reserved);
}

std::int32_t SpyLibrary::TGetDesignInfo(SessionContext& context, DesignInfoRecord& info) {
    return refuseAll ? status::kNoConnection : inner_.TGetDesignInfo(context, info);
}

std::int32_t SpyLibrary::TGetFirstNet(SessionContext& context, NetRecord& net) {
    return refuseAll ? status::kNoConnection : inner_.TGetFirstNet(context, net);
}

std::int32_t SpyLibrary::TGetNextNet(SessionContext& context, NetRecord& net) {
    return refuseAll ? status::kNoConnection : inner_.TGetNextNet(context, net);
}

std::int32_t SpyLibrary::TGetNetById(SessionContext& context, std::int32_t netId, NetRecord& net) {
    return refuseAll ? status::kNoConnection : inner_.TGetNetById(context, netId, net);
}

std::int32_t SpyLibrary::TGetFirstNetNode(SessionContext& context, std::int32_t netId,
                                          NetNodeRecord& node) {
    return refuseAll ? status::kNoConnection : inner_.TGetFirstNetNode(context, netId, node);
}

std::int32_t SpyLibrary::TGetNextNetNode(SessionContext& context, NetNodeRecord& node) {
    return refuseAll ? status::kNoConnection : inner_.TGetNextNetNode(context, node);
}

std::int32_t SpyLibrary::TGetFirstLayer(SessionContext& context, LayerRecord& layer) {
    return refuseAll ? status::kNoConnection : inner_.TGetFirstLayer(context, layer);
}

std::int32_t SpyLibrary::TGetNextLayer(SessionContext& context, LayerRecord& layer) {
    return refuseAll ? status::kNoConnection : inner_.TGetNextLayer(context, layer);
}

std::int32_t SpyLibrary::TGetFirstComponent(SessionContext& context, ComponentRecord& component) {
    return refuseAll ? status::kNoConnection : inner_.TGetFirstComponent(context, component);
}

std::int32_t SpyLibrary::TGetNextComponent(SessionContext& context, ComponentRecord& component) {
    return refuseAll ? status::kNoConnection : inner_.TGetNextComponent(context, component);
}

}  // namespace netlist::test
