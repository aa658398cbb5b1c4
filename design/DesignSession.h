// One session with a design library: the session context that the library
// fills on open and reads on every later call, and the status of the latest
// call. Every operation goes through here, stores its status at once and
// returns it, so that callers test either; walks run while it is 0.
#pragma once

#include <cstdint>

#include "design/DesignLibrary.h"

namespace netlist {

class DesignSession {
  public:
    explicit DesignSession(DesignLibrary& library) : library_(&library) {}
    DesignSession(const DesignSession&) = delete;
    DesignSession& operator=(const DesignSession&) = delete;

    // The status of the latest call: 0 on success.
    std::int32_t status() const { return status_; }
    bool ok() const { return status_ == 0; }

    // Another library from now on, as when the host opens another design;
    // the context is handed to it as it stands.
    void useLibrary(DesignLibrary& library) { library_ = &library; }

    // kind is "PCB" or "SCH"; the program's interface version goes with it.
    std::int32_t open(const char* kind);
    std::int32_t close();
    std::int32_t readDesignInfo(DesignInfoRecord& info);

    std::int32_t firstNet(NetRecord& net);
    std::int32_t nextNet(NetRecord& net);
    std::int32_t netById(std::int32_t netId, NetRecord& net);
    // Tells the library that netById(netId) follows soon; not a call of
    // the library's interface, and it leaves the status alone.
    void hintNetById(std::int32_t netId) { library_->HintNetById(netId); }
    std::int32_t firstNetNode(std::int32_t netId, NetNodeRecord& node);
    std::int32_t nextNetNode(NetNodeRecord& node);
    std::int32_t firstLayer(LayerRecord& layer);
    std::int32_t nextLayer(LayerRecord& layer);
    std::int32_t firstComponent(ComponentRecord& component);
    std::int32_t nextComponent(ComponentRecord& component);

  private:
    std::int32_t keep(std::int32_t status) { return status_ = status; }

    DesignLibrary* library_;
    SessionContext context_{};
    std::int32_t status_ = 0;
};

}  // namespace netlist
