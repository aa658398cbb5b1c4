#include "design/files/json/DesignSchema.h"

#include <array>
#include <utility>

namespace netlist::json {
namespace {

constexpr std::array kDesignKeys{
    KeySpec{"kind", Field::Kind, Shape::Kind, true},
    KeySpec{"designPath", Field::DesignPath, Shape::Text, false},
    KeySpec{"title", Field::Title, Shape::Text, false},
    KeySpec{"engineer", Field::Engineer, Shape::Text, false},
    KeySpec{"revision", Field::Revision, Shape::Text, false},
    KeySpec{"layers", Field::Layers, Shape::LayerList, false},
    KeySpec{"components", Field::Components, Shape::ComponentList, false},
    KeySpec{"nets", Field::Nets, Shape::NetList, false},
    KeySpec{"status", Field::Status, Shape::StatusMap, false},
};

constexpr std::array kLayerKeys{
    KeySpec{"name", Field::LayerName, Shape::Text, false},
    KeySpec{"type", Field::LayerType, Shape::Int32, true},
};

constexpr std::array kComponentKeys{
    KeySpec{"refDes", Field::RefDes, Shape::Text, true},
    KeySpec{"padCount", Field::PadCount, Shape::Int32, true},
    KeySpec{"bottomSide", Field::BottomSide, Shape::Int32, false},
};

constexpr std::array kNetKeys{
    KeySpec{"id", Field::NetId, Shape::Int32, true},
    KeySpec{"name", Field::NetName, Shape::Text, true},
    KeySpec{"length", Field::NetLength, Shape::Int32, false},
    KeySpec{"nodeCount", Field::NodeCount, Shape::Int32, false},
    KeySpec{"nodes", Field::Nodes, Shape::NodeList, true},
};

constexpr std::array<std::pair<std::string_view, DesignKind>, 4> kKinds{{
    {"PCB", DesignKind::Pcb},
    {"SCH", DesignKind::Sch},
    {"PCB+SCH", DesignKind::PcbAndSch},
    {"none", DesignKind::None},
}};

template <std::size_t N>
constexpr std::array<std::string_view, N> namesOf(const std::array<KeySpec, N>& keys) {
    std::array<std::string_view, N> names{};
    for (std::size_t i = 0; i < N; ++i) names[i] = keys[i].name;
    return names;
}

constexpr auto kDesignKeyNames = namesOf(kDesignKeys);
constexpr auto kLayerKeyNames = namesOf(kLayerKeys);
constexpr auto kComponentKeyNames = namesOf(kComponentKeys);
constexpr auto kNetKeyNames = namesOf(kNetKeys);

}  // namespace

bool IsObject(Shape shape) {
    return shape == Shape::Design || shape == Shape::Layer || shape == Shape::Component ||
           shape == Shape::Net || shape == Shape::StatusMap;
}

bool IsList(Shape shape) {
    return shape == Shape::LayerList || shape == Shape::ComponentList || shape == Shape::NetList ||
           shape == Shape::NodeList || shape == Shape::Node;
}

Shape ElementOf(Shape list) {
    switch (list) {
        case Shape::LayerList:
            return Shape::Layer;
        case Shape::ComponentList:
            return Shape::Component;
        case Shape::NetList:
            return Shape::Net;
        case Shape::NodeList:
            return Shape::Node;
        default:
            return Shape::NodeText;
    }
}

std::span<const KeySpec> KeysOf(Shape object) {
    switch (object) {
        case Shape::Design:
            return kDesignKeys;
        case Shape::Layer:
            return kLayerKeys;
        case Shape::Component:
            return kComponentKeys;
        case Shape::Net:
            return kNetKeys;
        default:
            return {};
    }
}

std::span<const std::string_view> KeyNamesOf(Shape object) {
    switch (object) {
        case Shape::Design:
            return kDesignKeyNames;
        case Shape::Layer:
            return kLayerKeyNames;
        case Shape::Component:
            return kComponentKeyNames;
        case Shape::Net:
            return kNetKeyNames;
        default:
            return {};
    }
}

std::string_view ObjectName(Shape object) {
    switch (object) {
        case Shape::Design:
            return "the design";
        case Shape::Layer:
            return "a layer";
        case Shape::Component:
            return "a component";
        case Shape::Net:
            return "a net";
        default:
            return "\"status\"";
    }
}

std::optional<DesignKind> KindFromName(std::string_view name) {
    for (const auto& [known, kind] : kKinds)
        if (name == known) return kind;
    return std::nullopt;
}

bool IsContinuingCall(Operation operation) {
    return operation == Operation::TGetNextNet || operation == Operation::TGetNextNetNode ||
           operation == Operation::TGetNextLayer || operation == Operation::TGetNextComponent;
}

std::string_view Describe(Shape shape) {
    switch (shape) {
        case Shape::Design:
            return "the design as one JSON object ({ ... })";
        case Shape::Kind:
            return "one of \"PCB\", \"SCH\", \"PCB+SCH\", \"none\"";
        case Shape::Text:
        case Shape::NodeText:
            return "a text in double quotes";
        case Shape::Int32:
        case Shape::StatusCode:
            return "a whole number";
        case Shape::LayerList:
            return "a list of layers ([ ... ])";
        case Shape::Layer:
            return "a layer ({\"name\": ..., \"type\": ...})";
        case Shape::ComponentList:
            return "a list of components ([ ... ])";
        case Shape::Component:
            return "a component ({\"refDes\": ..., \"padCount\": ...})";
        case Shape::NetList:
            return "a list of nets ([ ... ])";
        case Shape::Net:
            return "a net ({\"id\": ..., \"name\": ..., \"nodes\": ...})";
        case Shape::NodeList:
            return "a list of nodes ([ ... ])";
        case Shape::Node:
            return "a node [refDes, pinDes]";
        case Shape::StatusMap:
            return "an object of operation names and status codes ({ ... })";
    }
    return "a value";
}

}  // namespace netlist::json
