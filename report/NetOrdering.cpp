#include "report/NetOrdering.h"

#include <charconv>

#include "design/FixedText.h"

namespace netlist {
namespace {

bool isSupplyNet(std::string_view name) {
    if (name.empty()) return false;
    if (name.front() == '+' || name.front() == '-') return true;
    const std::string_view start = name.substr(0, 3);
    return start == "GND" || start == "VCC" || start == "SHI";
}

// "0" is deliberately not a digit here: A0 stays A0 and A10 stays A10.
bool isNonZeroDigit(char c) {
    return c >= '1' && c <= '9';
}

void appendSortKeyText(std::string& key, std::string_view name, std::int32_t nodeCount) {
    if (nodeCount == 1) key += "~~~";
    if (isSupplyNet(name)) key += "zzz";
    const std::size_t n = name.size();
    if (n >= 1 && isNonZeroDigit(name[n - 1]) && (n == 1 || !isNonZeroDigit(name[n - 2]))) {
        key.append(name.substr(0, n - 1));
        key += '0';
        key += name[n - 1];
    } else {
        key.append(name);
    }
}

void appendNetId(std::string& item, std::int32_t netId) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, netId).ptr;
    item += '.';
    item.append(digits, static_cast<std::size_t>(end - digits));
}

}  // namespace

std::string NetSortKeyText(std::string_view name, std::int32_t nodeCount) {
    std::string key;
    key.reserve(name.size() + 7);
    appendSortKeyText(key, name, nodeCount);
    return key;
}

std::string NetItemText(std::string_view sortKey, std::int32_t netId) {
    std::string item;
    item.reserve(sortKey.size() + 12);
    item.append(sortKey);
    appendNetId(item, netId);
    return item;
}

std::optional<std::int32_t> ReadNetId(std::string_view item) {
    const std::size_t dot = item.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const std::string_view digits = item.substr(dot + 1);
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return id;
}

std::optional<std::int64_t> CollectNets(DesignSession& session, NetRecord& net, NetList& list) {
    std::optional<std::int64_t> connectedPins;
    std::string item;  // keeps its capacity from net to net
    session.firstNet(net);
    while (session.ok()) {
        item.clear();
        appendSortKeyText(item, TrimmedFixedTextView({net.netName, sizeof net.netName}),
                          net.nodeCount);
        appendNetId(item, net.netId);
        list.AddItem(item);
        connectedPins = connectedPins.value_or(0) + net.nodeCount;
        session.nextNet(net);
    }
    return connectedPins;
}

}  // namespace netlist
