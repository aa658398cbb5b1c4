// A design library in front of another one: counts the session calls and, on
// request, turns the session away as a host application that has let go of
// its design would. The walks pass through unchanged.
#pragma once

#include "design/DesignLibrary.h"
#include "design/StatusCodes.h"

namespace netlist::test {

class SpyLibrary final : public DesignLibrary {
  public:
    explicit SpyLibrary(DesignLibrary& inner) : inner_(inner) {}

    int openCalls = 0;
    int closeCalls = 0;
    bool refuseAll = false;

    std::int32_t TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                             SessionContext& context) override {
        ++openCalls;
        return refuseAll ? status::kConnectionError
                         : inner_.TOpenDesign(reserved, version, kind, context);
    }
    std::int32_t TCloseDesign(SessionContext& context, const char* reserved) override {
        ++closeCalls;
        return refuseAll ? status::kNoConnection : inner_.TCloseDesign(context, reserved);
    }
    std::int32_t TGetDesignInfo(SessionContext& context, DesignInfoRecord& info) override {
        return refuseAll ? status::kNoConnection : inner_.TGetDesignInfo(context, info);
    }
#define NETLIST_SPY_PASSES(name, Record)                       \
    std::int32_t name(SessionContext& c, Record& r) override { \
        return inner_.name(c, r);                              \
    }
    NETLIST_SPY_PASSES(TGetFirstNet, NetRecord)
    NETLIST_SPY_PASSES(TGetNextNet, NetRecord)
    NETLIST_SPY_PASSES(TGetNextNetNode, NetNodeRecord)
    NETLIST_SPY_PASSES(TGetFirstLayer, LayerRecord)
    NETLIST_SPY_PASSES(TGetNextLayer, LayerRecord)
    NETLIST_SPY_PASSES(TGetFirstComponent, ComponentRecord)
    NETLIST_SPY_PASSES(TGetNextComponent, ComponentRecord)
#undef NETLIST_SPY_PASSES
    std::int32_t TGetNetById(SessionContext& c, std::int32_t id, NetRecord& r) override {
        return inner_.TGetNetById(c, id, r);
    }
    std::int32_t TGetFirstNetNode(SessionContext& c, std::int32_t id, NetNodeRecord& r) override {
        return inner_.TGetFirstNetNode(c, id, r);
    }

  private:
    DesignLibrary& inner_;
};

}  // namespace netlist::test
