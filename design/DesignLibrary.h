// The design-database library as the program sees it: twelve operations, each
// returning a 32-bit status (0 on success, anything else a failure or the end
// of a walk). The host's library and the stand-in that serves design files
// both implement it; nothing else in the program knows which one it talks to.
#pragma once

#include <cstdint>

#include "design/Records.h"

namespace netlist {

// Session state that the library fills on open and reads on every later call.
// The program reserves the space (design/DesignSession.h), passes it by
// reference and never looks inside; only the library gives the bytes a
// meaning.
struct SessionContext {
    std::uint8_t opaque[28];
};
static_assert(sizeof(SessionContext) == 28);

// The interface version the program declares when it opens a session; the
// report prints the same number after "Version".
inline constexpr std::int32_t kInterfaceVersion = 16000;

// Texts are NUL-terminated Windows-1252 strings; records are filled in place.
class DesignLibrary {
  public:
    virtual ~DesignLibrary() = default;

    // kind is "PCB" for a board design or "SCH" for a schematic.
    virtual std::int32_t TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                                     SessionContext& context) = 0;
    virtual std::int32_t TCloseDesign(SessionContext& context, const char* reserved) = 0;
    virtual std::int32_t TGetDesignInfo(SessionContext& context, DesignInfoRecord& info) = 0;

    virtual std::int32_t TGetFirstNet(SessionContext& context, NetRecord& net) = 0;
    virtual std::int32_t TGetNextNet(SessionContext& context, NetRecord& net) = 0;
    virtual std::int32_t TGetNetById(SessionContext& context, std::int32_t netId,
                                     NetRecord& net) = 0;
    // Tells the library that TGetNetById(netId) follows soon, so that it may
    // start fetching the net from memory. Changes nothing and returns
    // nothing; a library that cannot use it ignores it.
    virtual void HintNetById(std::int32_t netId) { (void)netId; }

    virtual std::int32_t TGetFirstNetNode(SessionContext& context, std::int32_t netId,
                                          NetNodeRecord& node) = 0;
    virtual std::int32_t TGetNextNetNode(SessionContext& context, NetNodeRecord& node) = 0;

    virtual std::int32_t TGetFirstLayer(SessionContext& context, LayerRecord& layer) = 0;
    virtual std::int32_t TGetNextLayer(SessionContext& context, LayerRecord& layer) = 0;

    virtual std::int32_t TGetFirstComponent(SessionContext& context,
                                            ComponentRecord& component) = 0;
    virtual std::int32_t TGetNextComponent(SessionContext& context, ComponentRecord& component) = 0;
};

}  // namespace netlist
