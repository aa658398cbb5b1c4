// A design library in front of another one: counts the calls the tests care
// about and, on request, turns every later request away as a host application
// that has closed its design would.
#pragma once

#include "design/DesignLibrary.h"

namespace netlist::test {

class SpyLibrary final : public DesignLibrary {
  public:
    explicit SpyLibrary(DesignLibrary& inner) : inner_(inner) {}

    int openCalls = 0;
    int closeCalls = 0;
    bool refuseAll = false;

    std::int32_t TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                             SessionContext& context) override;
    std::int32_t TCloseDesign(SessionContext& context, const char* reserved) override;
    std::int32_t TGetDesignInfo(SessionContext& context, DesignInfoRecord& info) override;
    std::int32_t TGetFirstNet(SessionContext& context, NetRecord& net) override;
    std::int32_t TGetNextNet(SessionContext& context, NetRecord& net) override;
    std::int32_t TGetNetById(SessionContext& context, std::int32_t netId, NetRecord& net) override;
    std::int32_t TGetFirstNetNode(SessionContext& context, std::int32_t netId,
                                  NetNodeRecord& node) override;
    std::int32_t TGetNextNetNode(SessionContext& context, NetNodeRecord& node) override;
    std::int32_t TGetFirstLayer(SessionContext& context, LayerRecord& layer) override;
    std::int32_t TGetNextLayer(SessionContext& context, LayerRecord& layer) override;
    std::int32_t TGetFirstComponent(SessionContext& context, ComponentRecord& component) override;
    std::int32_t TGetNextComponent(SessionContext& context, ComponentRecord& component) override;

  private:
    DesignLibrary& inner_;
};

}  // namespace netlist::test
