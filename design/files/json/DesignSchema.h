// What a JSON design file may hold: the shape each value must have and the
// keys each kind of object knows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "design/DesignData.h"

namespace netlist::json {

// What the value at some place of the file must be.
enum class Shape : std::uint8_t {
    Design,  // the whole file: one object
    Kind,    // "PCB", "SCH", "PCB+SCH" or "none"
    Text,
    Int32,
    LayerList,
    Layer,
    ComponentList,
    Component,
    NetList,
    Net,
    NodeList,
    Node,      // [refDes, pinDes]
    NodeText,  // one of the two texts of a node
    StatusMap,
    StatusCode,
};

// Where a known key's value goes.
enum class Field : std::uint8_t {
    Kind,
    DesignPath,
    Title,
    Engineer,
    Revision,
    Layers,
    Components,
    Nets,
    Status,
    LayerName,
    LayerType,
    RefDes,
    PadCount,
    BottomSide,
    NetId,
    NetName,
    NetLength,
    NodeCount,
    Nodes,
};

struct KeySpec {
    std::string_view name;
    Field field;
    Shape shape;
    bool required;
};

bool IsObject(Shape shape);
bool IsList(Shape shape);

// The shape of every element of a list (of a node: its texts).
Shape ElementOf(Shape list);

// The keys of the objects with fixed keys (Design, Layer, Component, Net); at
// most 32, since objects keep a bit per key to catch repeated keys.
std::span<const KeySpec> KeysOf(Shape object);

// The key names of KeysOf(object), for suggestions and messages.
std::span<const std::string_view> KeyNamesOf(Shape object);

// "the design", "a layer", ... for messages about an object's keys.
std::string_view ObjectName(Shape object);

// The kind a "kind" text names: "PCB", "SCH", "PCB+SCH" or "none".
std::optional<DesignKind> KindFromName(std::string_view name);

// A call that continues a walk (TGetNextNet, ...): forced to answer 0, it
// would never end the walk.
bool IsContinuingCall(Operation operation);

// What a value of this shape looks like, for "expected ..." messages.
std::string_view Describe(Shape shape);

}  // namespace netlist::json
