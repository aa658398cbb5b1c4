// The orders the compare report lists things in: nets in the report's net
// order, and references and pins naturally (R2 before R10).
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "report/NetList.h"
#include "report/NetOrdering.h"
#include "report/compare/DesignSnapshot.h"

namespace netlist {

// Puts items in the report's order of their nets (`netOf` gives an item's
// net); items of nets that sort alike keep the order they came in.
template <typename Item, typename NetOf>
void SortInReportOrder(std::vector<Item>& items, NetOf netOf) {
    NetList list;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const SnapshotNet& net = netOf(items[i]);
        list.AddItem(
            NetItemText(NetSortKeyText(net.name, net.pinCount), static_cast<std::int32_t>(i)));
    }
    std::vector<Item> sorted;
    sorted.reserve(items.size());
    for (std::int64_t place = 0; place < list.ListCount(); ++place)
        sorted.push_back(std::move(items[static_cast<std::size_t>(*ReadNetId(list.List(place)))]));
    items = std::move(sorted);
}

// R2 before R10: runs of digits compare by their value, other characters
// regardless of case.
bool NaturalLess(std::string_view a, std::string_view b);

}  // namespace netlist
