// How nets are put in report order: each net's sort key and list item, the
// net id read back from an item, and the collection pass that fills the net list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "design/DesignSession.h"
#include "report/NetList.h"

namespace netlist {

// The sort key of a net with this (trimmed) name and node count: "zzz" before
// supply nets, "~~~" before single-node nets, and a "0" before a final single
// digit, so that A1 sorts with A01 rather than after A10.
std::string NetSortKeyText(std::string_view name, std::int32_t nodeCount);

// The list item: the sort key, ".", the net id in decimal.
std::string NetItemText(std::string_view sortKey, std::int32_t netId);

// The net id after the item's last "."; nullopt when the text there is not a
// 32-bit integer (items made by NetItemText always have one).
std::optional<std::int32_t> ReadNetId(std::string_view item);

// Walks every net of the open design (TGetFirstNet, TGetNextNet into net),
// adds one item per net to list and returns the connected-pin total: the sum
// of the nets' node counts, or no value when the design has no nets.
std::optional<std::int64_t> CollectNets(DesignSession& session, NetRecord& net, NetList& list);

}  // namespace netlist
