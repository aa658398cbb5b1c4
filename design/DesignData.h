// A design as the stand-in library serves it: what a design file (or the
// built-in sample) describes, with every text already in Windows-1252.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace netlist {

// Which open requests the design answers with success.
enum class DesignKind { Pcb, Sch, PcbAndSch, None };

// The twelve library operations, for forcing a status in tests and designs.
enum class Operation {
    TOpenDesign,
    TCloseDesign,
    TGetDesignInfo,
    TGetFirstNet,
    TGetNextNet,
    TGetNetById,
    TGetFirstNetNode,
    TGetNextNetNode,
    TGetFirstLayer,
    TGetNextLayer,
    TGetFirstComponent,
    TGetNextComponent,
};
inline constexpr std::size_t kOperationCount = 12;

std::string_view OperationName(Operation operation);
std::optional<Operation> OperationFromName(std::string_view name);

struct DesignNode {
    std::string refDes;
    std::string pinDes;
    bool operator==(const DesignNode&) const = default;
};

struct DesignNet {
    std::int32_t id = 0;
    std::string name;
    std::int32_t length = 0;  // database units
    std::int32_t nodeCount = 0;
    std::vector<DesignNode> nodes;
    bool operator==(const DesignNet&) const = default;
};

struct DesignLayer {
    std::string name;
    std::int32_t type = 0;
    bool operator==(const DesignLayer&) const = default;
};

struct DesignComponent {
    std::string refDes;
    std::int32_t padCount = 0;
    std::int32_t bottomSide = 0;
    bool operator==(const DesignComponent&) const = default;
};

struct DesignData {
    DesignKind kind = DesignKind::None;
    std::string designPath;
    std::string title;
    std::string engineer;
    std::string revision;
    std::vector<DesignLayer> layers;
    std::vector<DesignComponent> components;
    std::vector<DesignNet> nets;
    // An operation listed here always returns its code and fills nothing.
    std::array<std::optional<std::int32_t>, kOperationCount> forcedStatus{};
    // Two readers of one file must agree on all of the above.
    bool operator==(const DesignData&) const = default;
};

}  // namespace netlist
