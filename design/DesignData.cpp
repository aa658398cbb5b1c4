#include "design/DesignData.h"

namespace netlist {
namespace {

constexpr std::array<std::string_view, kOperationCount> kOperationNames{
    "TOpenDesign",    "TCloseDesign",  "TGetDesignInfo",     "TGetFirstNet",
    "TGetNextNet",    "TGetNetById",   "TGetFirstNetNode",   "TGetNextNetNode",
    "TGetFirstLayer", "TGetNextLayer", "TGetFirstComponent", "TGetNextComponent",
};

}  // namespace

std::string_view OperationName(Operation operation) {
    return kOperationNames[static_cast<std::size_t>(operation)];
}

std::optional<Operation> OperationFromName(std::string_view name) {
    for (std::size_t i = 0; i < kOperationNames.size(); ++i)
        if (kOperationNames[i] == name) return static_cast<Operation>(i);
    return std::nullopt;
}

}  // namespace netlist
