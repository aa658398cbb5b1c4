// A design library in front of another one: counts the session calls and, on
// request, turns the session away as a host application that has closed its
// design would. A refused session never gets past start-up, so the walks
// are passed through unchanged.
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

    std::int32_t TGetFirstNet(SessionContext& c, NetRecord& r) override {
        return inner_.TGetFirstNet(c, r);
    }
    std::int32_t TGetNextNet(SessionContext& c, NetRecord& r) override {
        return inner_.TGetNextNet(c, r);
    }
    std::int32_t TGetNetById(SessionContext& c, std::int32_t id, NetRecord& r) override {
        return inner_.TGetNetById(c, id, r);
    }
    std::int32_t TGetFirstNetNode(SessionContext& c, std::int32_t id, NetNodeRecord& r) override {
        return inner_.TGetFirstNetNode(c, id, r);
    }
    std::int32_t TGetNextNetNode(SessionContext& c, NetNodeRecord& r) override {
        return inner_.TGetNextNetNode(c, r);
    }
    std::int32_t TGetFirstLayer(SessionContext& c, LayerRecord& r) override {
        return inner_.TGetFirstLayer(c, r);
    }
    std::int32_t TGetNextLayer(SessionContext& c, LayerRecord& r) override {
        return inner_.TGetNextLayer(c, r);
    }
    std::int32_t TGetFirstComponent(SessionContext& c, ComponentRecord& r) override {
        return inner_.TGetFirstComponent(c, r);
    }
    std::int32_t TGetNextComponent(SessionContext& c, ComponentRecord& r) override {
        return inner_.TGetNextComponent(c, r);
    }

  private:
    DesignLibrary& inner_;
};

}  // namespace netlist::test
