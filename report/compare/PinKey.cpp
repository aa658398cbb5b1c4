#include "report/compare/PinKey.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <string_view>
#include <tuple>
#include <unordered_map>

namespace netlist {
namespace {

class Interner {
  public:
    PinKey key(std::string text) {
        const auto [entry, added] = ids_.try_emplace(std::move(text), 0);
        if (added) entry->second = static_cast<PinKey>(ids_.size() - 1);
        return entry->second;
    }
    // Whether the text was given a key before `limit` keys were given out.
    bool heldBefore(const std::string& text, PinKey limit) const {
        const auto found = ids_.find(text);
        return found != ids_.end() && found->second < limit;
    }
    PinKey size() const { return static_cast<PinKey>(ids_.size()); }

    // The texts by key, and for each key the key it becomes when keys ascend
    // as their texts do.
    std::vector<std::string> texts(std::vector<PinKey>& renumbered) && {
        std::vector<std::string> texts(ids_.size());
        while (!ids_.empty()) {
            auto entry = ids_.extract(ids_.begin());
            texts[entry.mapped()] = std::move(entry.key());
        }
        std::vector<PinKey> order(texts.size());
        std::iota(order.begin(), order.end(), PinKey{0});
        std::sort(order.begin(), order.end(),
                  [&](PinKey a, PinKey b) { return texts[a] < texts[b]; });
        renumbered.assign(texts.size(), 0);
        std::vector<std::string> sorted;
        sorted.reserve(texts.size());
        for (const PinKey key : order) {
            renumbered[key] = static_cast<PinKey>(sorted.size());
            sorted.push_back(std::move(texts[key]));
        }
        return sorted;
    }

  private:
    std::unordered_map<std::string, PinKey> ids_;
};

// The text cut to the bare-board widths, split into reference and pin at
// the "-" at `dash`.
std::string cutAt(std::string_view text, std::size_t dash) {
    std::string cut(text.substr(0, std::min(dash, kBareBoardRefDesWidth)));
    cut += '-';
    cut += text.substr(dash + 1, kBareBoardPinWidth);
    return cut;
}

// A text joins reference and pin with "-", and either may hold a "-" of its
// own: the split whose cut text the netlist holds, else the first.
std::string cutText(std::string_view text, const Interner& keys, PinKey netlistKeys) {
    const std::size_t firstDash = text.find('-');
    if (firstDash == std::string_view::npos) return std::string(text);
    std::string first = cutAt(text, firstDash);
    if (keys.heldBefore(first, netlistKeys)) return first;
    for (std::size_t dash = text.find('-', firstDash + 1); dash != std::string_view::npos;
         dash = text.find('-', dash + 1)) {
        std::string other = cutAt(text, dash);
        if (keys.heldBefore(other, netlistKeys)) return other;
    }
    return first;
}

std::vector<std::vector<PinKey>> keysOf(const DesignSnapshot& side, Interner& keys,
                                        std::optional<PinKey> netlistKeys) {
    std::vector<std::vector<PinKey>> nets;
    nets.reserve(side.nets.size());
    for (const SnapshotNet& net : side.nets) {
        std::vector<PinKey> pins;
        pins.reserve(net.pins.size());
        for (const std::string& pin : net.pins)
            pins.push_back(keys.key(netlistKeys ? cutText(pin, keys, *netlistKeys) : pin));
        nets.push_back(std::move(pins));
    }
    return nets;
}

void renumber(std::vector<std::vector<PinKey>>& nets, const std::vector<PinKey>& renumbered) {
    for (std::vector<PinKey>& pins : nets) {
        for (PinKey& key : pins) key = renumbered[key];
        std::sort(pins.begin(), pins.end());
        pins.erase(std::unique(pins.begin(), pins.end()), pins.end());
    }
}

std::vector<std::uint32_t> ranks(const DesignSnapshot& side,
                                 const std::vector<std::vector<PinKey>>& keys) {
    std::vector<std::uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const SnapshotNet& netA = side.nets[a];
        const SnapshotNet& netB = side.nets[b];
        if (netA.name != netB.name) return netA.name < netB.name;
        if (keys[a] != keys[b]) return keys[a] < keys[b];
        return std::tie(netA.pinCount, netA.length) < std::tie(netB.pinCount, netB.length);
    });
    std::vector<std::uint32_t> placed(order.size());
    for (std::uint32_t place = 0; place < order.size(); ++place) placed[order[place]] = place;
    return placed;
}

}  // namespace

bool CutToBareBoardWidths(const DesignSnapshot& before, const DesignSnapshot& after) {
    return before.bareBoardNetlist != after.bareBoardNetlist;
}

PinKeys KeyPins(const DesignSnapshot& before, const DesignSnapshot& after) {
    Interner keys;
    PinKeys result;
    if (CutToBareBoardWidths(before, after)) {
        // The netlist's texts first, so that the other side's are cut to match.
        const bool netlistBefore = before.bareBoardNetlist;
        auto& netlist = netlistBefore ? result.before : result.after;
        auto& other = netlistBefore ? result.after : result.before;
        netlist = keysOf(netlistBefore ? before : after, keys, std::nullopt);
        other = keysOf(netlistBefore ? after : before, keys, keys.size());
    } else {
        result.before = keysOf(before, keys, std::nullopt);
        result.after = keysOf(after, keys, std::nullopt);
    }
    std::vector<PinKey> renumbered;
    result.texts = std::move(keys).texts(renumbered);
    renumber(result.before, renumbered);
    renumber(result.after, renumbered);
    result.beforeRanks = ranks(before, result.before);
    result.afterRanks = ranks(after, result.after);
    return result;
}

}  // namespace netlist
