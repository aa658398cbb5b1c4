// The design library of our own: serves one design held in memory, the way the
// host's library serves the design it has open. It fills the records at their
// offsets, keeps one walk position at a time, answers 0 on success and the
// host's status codes otherwise, and never throws through the interface.
#pragma once

#include <cstdint>

#include "design/DesignData.h"
#include "design/DesignLibrary.h"
#include "design/standin/NetIndex.h"

namespace netlist {

class StandInLibrary final : public DesignLibrary {
  public:
    explicit StandInLibrary(DesignData design);

    const DesignData& design() const { return design_; }

    std::int32_t TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                             SessionContext& context) override;
    std::int32_t TCloseDesign(SessionContext& context, const char* reserved) override;
    std::int32_t TGetDesignInfo(SessionContext& context, DesignInfoRecord& info) override;
    std::int32_t TGetFirstNet(SessionContext& context, NetRecord& net) override;
    std::int32_t TGetNextNet(SessionContext& context, NetRecord& net) override;
    std::int32_t TGetNetById(SessionContext& context, std::int32_t netId, NetRecord& net) override;
    void HintNetById(std::int32_t netId) override;
    std::int32_t TGetFirstNetNode(SessionContext& context, std::int32_t netId,
                                  NetNodeRecord& node) override;
    std::int32_t TGetNextNetNode(SessionContext& context, NetNodeRecord& node) override;
    std::int32_t TGetFirstLayer(SessionContext& context, LayerRecord& layer) override;
    std::int32_t TGetNextLayer(SessionContext& context, LayerRecord& layer) override;
    std::int32_t TGetFirstComponent(SessionContext& context, ComponentRecord& component) override;
    std::int32_t TGetNextComponent(SessionContext& context, ComponentRecord& component) override;

  private:
    enum class Walk { None, Nets, Nodes, Layers, Components };
    enum class Served : std::uint8_t { Board = 1, Schematic = 2 };

    // What a context holds once this library has opened it.
    struct ContextContents {
        std::uint32_t owner;  // which library instance opened it
        std::uint8_t served;  // Served, or 0 when closed
    };

    // The status that a forced operation returns, or a missing session's.
    std::optional<std::int32_t> refusal(Operation operation, const SessionContext& context) const;
    bool isOpen(const SessionContext& context) const;
    Served served(const SessionContext& context) const;

    void fillNet(const DesignNet& net, NetRecord& record) const;
    void fillNode(const DesignNode& node, Served kind, NetNodeRecord& record) const;
    std::int32_t deliverNet(NetRecord& record);
    std::int32_t deliverNode(const SessionContext& context, NetNodeRecord& record);
    std::int32_t deliverLayer(LayerRecord& record);
    std::int32_t deliverComponent(ComponentRecord& record);

    DesignData design_;
    NetIndex netIndexById_;
    std::uint32_t instanceTag_;

    // The one walk in progress: its kind, the net whose nodes it walks, and
    // the index of the item the next continuing call delivers.
    Walk walk_ = Walk::None;
    std::size_t walkNet_ = 0;
    std::size_t walkNext_ = 0;
};

}  // namespace netlist
