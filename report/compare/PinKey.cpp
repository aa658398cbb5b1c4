#include "report/compare/PinKey.h"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

#include "design/TextIndex.h"

namespace netlist {
namespace {

// The first 8 bytes, the first the highest, zeros after a shorter text:
// prefixes that differ order as their texts do, and most texts differ in
// their first 8 bytes.
std::uint64_t Prefix(std::string_view text) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i)
        value = value << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return value;
}

using PrefixAndIndex = std::pair<std::uint64_t, std::uint32_t>;

// Sorts by prefix, and items of one prefix by index, when the indexes
// ascend as given: a stable radix sort, a byte a pass, which for the
// hundred thousands of a large design takes a fraction of a comparison
// sort's time. A pass where all items share the byte is left out.
void sortByPrefix(std::vector<PrefixAndIndex>& items) {
    std::array<std::array<std::uint32_t, 256>, 8> counts{};
    for (const PrefixAndIndex& item : items)
        for (std::size_t pass = 0; pass < 8; ++pass)
            ++counts[pass][(item.first >> (8 * pass)) & 0xFF];
    std::vector<PrefixAndIndex> sorted(items.size());
    for (std::size_t pass = 0; pass < 8; ++pass) {
        std::array<std::uint32_t, 256>& starts = counts[pass];
        if (std::ranges::find(starts, items.size()) != starts.end()) continue;
        std::uint32_t start = 0;
        for (std::uint32_t& count : starts) start += std::exchange(count, start);
        for (const PrefixAndIndex& item : items)
            sorted[starts[(item.first >> (8 * pass)) & 0xFF]++] = item;
        items.swap(sorted);
    }
}

// How far texts are compared a word at a time; past it, whole texts are.
// The limit keeps the depth of the recursion below small, however long the
// names a design shares.
constexpr std::size_t kBytesSortedByWord = 64;

// Puts items in the order of their texts (given by textOf), and items of
// equal texts by `less`, which compares whole texts first. The items come
// sorted by the texts' first `depth` bytes: each run of one prefix is put
// in order by the next eight bytes, and so on, so that long texts that
// share a beginning are compared a word at a time.
template <typename TextOf, typename Less>
void sortRunsByText(std::vector<PrefixAndIndex>::iterator begin,
                    std::vector<PrefixAndIndex>::iterator end, std::size_t depth,
                    const TextOf& textOf, const Less& less) {
    for (auto run = begin; run != end;) {
        auto runEnd = run + 1;
        while (runEnd != end && runEnd->first == run->first) ++runEnd;
        if (runEnd - run > 1) {
            // Whether any text goes on past what the run shares.
            bool longer = false;
            if (depth < kBytesSortedByWord) {
                for (auto item = run; item != runEnd; ++item) {
                    const std::string_view text = textOf(item->second);
                    longer = longer || text.size() > depth;
                    item->first =
                        Prefix(text.size() > depth ? text.substr(depth) : std::string_view{});
                }
            }
            if (longer) {
                std::sort(run, runEnd);
                sortRunsByText(run, runEnd, depth + 8, textOf, less);
            } else {
                std::sort(run, runEnd, less);
            }
        }
        run = runEnd;
    }
}

// Texts to keys. The texts are views of the snapshots' strings (or of
// `cut_`), which outlive the interner.
class Interner {
  public:
    explicit Interner(std::size_t texts) : index_(TextOfKey{&texts_}, texts) {
        texts_.reserve(texts);
    }

    PinKey key(std::string_view text) { return keyOf(text, false); }
    // The key of a text that does not outlive the call (a cut one): a copy
    // is kept, for as long as the interner, when the text is new.
    PinKey keyOfCopy(std::string_view text) { return keyOf(text, true); }

    // Whether the text was given a key before `limit` keys were given out.
    bool heldBefore(std::string_view text, PinKey limit) const {
        const std::optional<PinKey> key = index_.find(text);
        return key && *key < limit;
    }
    PinKey size() const { return static_cast<PinKey>(texts_.size()); }

    // The texts by key, and for each key the key it becomes when keys ascend
    // as their texts do.
    std::vector<std::string_view> texts(std::vector<PinKey>& renumbered) const {
        std::vector<PrefixAndIndex> order;
        order.reserve(texts_.size());
        for (PinKey key = 0; key < texts_.size(); ++key)
            order.emplace_back(Prefix(texts_[key]), key);
        // By prefix alone first, then each run of one prefix by the texts.
        sortByPrefix(order);
        sortRunsByText(
            order.begin(), order.end(), 8, [&](PinKey key) { return texts_[key]; },
            [&](const auto& a, const auto& b) { return texts_[a.second] < texts_[b.second]; });
        renumbered.assign(texts_.size(), 0);
        std::vector<std::string_view> sorted;
        sorted.reserve(texts_.size());
        for (const auto& [_, key] : order) {
            renumbered[key] = static_cast<PinKey>(sorted.size());
            sorted.push_back(texts_[key]);
        }
        return sorted;
    }

    // The cut texts that the keys' texts may point into.
    std::deque<std::string> takeCutTexts() { return std::move(cut_); }

  private:
    PinKey keyOf(std::string_view text, bool copy) {
        const PinKey next = size();
        const PinKey key = index_.numberOf(text, next);
        if (key == next) texts_.push_back(copy ? std::string_view(cut_.emplace_back(text)) : text);
        return key;
    }

    struct TextOfKey {
        const std::vector<std::string_view>* texts;
        std::string_view operator()(PinKey key) const { return (*texts)[key]; }
    };

    std::vector<std::string_view> texts_;
    std::deque<std::string> cut_;
    TextIndex<TextOfKey> index_;
};

// The text cut to the bare-board widths, split into reference and pin at
// the "-" at `dash`, into `cut`.
void cutAt(std::string_view text, std::size_t dash, std::string& cut) {
    cut.assign(text.substr(0, std::min(dash, kBareBoardRefDesWidth)));
    cut += '-';
    cut += text.substr(dash + 1, kBareBoardPinWidth);
}

// A text joins reference and pin with "-", and either may hold a "-" of its
// own: the split whose cut text the netlist holds, else the first. Most
// texts fit the widths as they are and have one "-": they are their own cut.
std::string_view cutText(std::string_view text, const Interner& keys, PinKey netlistKeys,
                         std::string& cut) {
    const std::size_t firstDash = text.find('-');
    if (firstDash == std::string_view::npos) return text;
    const std::size_t pinLength = text.size() - firstDash - 1;
    if (firstDash <= kBareBoardRefDesWidth && pinLength <= kBareBoardPinWidth &&
        text.find('-', firstDash + 1) == std::string_view::npos)
        return text;
    cutAt(text, firstDash, cut);
    if (keys.heldBefore(cut, netlistKeys)) return cut;
    std::string other;
    for (std::size_t dash = text.find('-', firstDash + 1); dash != std::string_view::npos;
         dash = text.find('-', dash + 1)) {
        cutAt(text, dash, other);
        if (keys.heldBefore(other, netlistKeys)) return cut = other;
    }
    return cut;
}

NetKeys keysOf(const DesignSnapshot& side, Interner& keys, std::optional<PinKey> netlistKeys) {
    std::size_t pins = 0;
    for (const SnapshotNet& net : side.nets) pins += net.pins.size();
    NetKeys nets;
    nets.reserve(side.nets.size(), pins);
    std::string cut;
    for (const SnapshotNet& net : side.nets) {
        for (const std::string_view pin : net.pins) {
            if (!netlistKeys) {
                nets.add(keys.key(pin));
                continue;
            }
            const std::string_view text = cutText(pin, keys, *netlistKeys, cut);
            // A cut made here is kept only when it is a text not seen before.
            nets.add(text.data() == cut.data() ? keys.keyOfCopy(text) : keys.key(text));
        }
        nets.endNet();
    }
    return nets;
}

std::vector<std::uint32_t> ranks(const DesignSnapshot& side, const NetKeys& keys) {
    // By the names' first 8 bytes alone first, then each run of one prefix
    // by the whole names, the pins, the count and the length.
    std::vector<PrefixAndIndex> byPrefix;
    byPrefix.reserve(keys.size());
    for (std::uint32_t net = 0; net < keys.size(); ++net)
        byPrefix.emplace_back(Prefix(side.nets[net].name), net);
    sortByPrefix(byPrefix);
    const auto less = [&](const auto& x, const auto& y) {
        const SnapshotNet& netA = side.nets[x.second];
        const SnapshotNet& netB = side.nets[y.second];
        if (netA.name != netB.name) return netA.name < netB.name;
        const std::span<const PinKey> keysA = keys[x.second], keysB = keys[y.second];
        if (!std::ranges::equal(keysA, keysB))
            return std::ranges::lexicographical_compare(keysA, keysB);
        return std::tie(netA.pinCount, netA.length) < std::tie(netB.pinCount, netB.length);
    };
    sortRunsByText(
        byPrefix.begin(), byPrefix.end(), 8,
        [&](std::uint32_t net) -> std::string_view { return side.nets[net].name; }, less);
    std::vector<std::uint32_t> order;
    order.reserve(byPrefix.size());
    for (const auto& [_, net] : byPrefix) order.push_back(net);
    std::vector<std::uint32_t> placed(order.size());
    for (std::uint32_t place = 0; place < order.size(); ++place) placed[order[place]] = place;
    return placed;
}

}  // namespace

void NetKeys::renumber(const std::vector<PinKey>& renumbered) {
    for (PinKey& key : keys_) key = renumbered[key];
    // Nets shrink as their repeated keys go: each moves down to where the
    // one before it now ends.
    std::size_t kept = 0;
    for (std::size_t net = 0; net + 1 < ends_.size(); ++net) {
        const auto begin = keys_.begin() + ends_[net];
        const auto end = keys_.begin() + ends_[net + 1];
        // Most nets have a few pins, which an insertion sort puts in order
        // faster than a general sort.
        if (end - begin <= 16) {
            for (auto next = begin; next != end; ++next)
                for (auto at = next; at != begin && *at < at[-1]; --at) std::iter_swap(at, at - 1);
        } else {
            std::sort(begin, end);
        }
        const auto unique = std::unique(begin, end);
        ends_[net] = static_cast<std::uint32_t>(kept);
        kept = static_cast<std::size_t>(
            std::move(begin, unique, keys_.begin() + static_cast<std::ptrdiff_t>(kept)) -
            keys_.begin());
    }
    ends_.back() = static_cast<std::uint32_t>(kept);
    keys_.resize(kept);
}

bool CutToBareBoardWidths(const DesignSnapshot& before, const DesignSnapshot& after) {
    return before.bareBoardNetlist != after.bareBoardNetlist;
}

PinKeys KeyPins(const DesignSnapshot& before, const DesignSnapshot& after) {
    // Two sides of one design share most of their pins: the table is sized
    // for the larger side's and grows when the sides differ more.
    std::size_t pins = 0;
    for (const DesignSnapshot* side : {&before, &after}) {
        std::size_t sidePins = 0;
        for (const SnapshotNet& net : side->nets) sidePins += net.pins.size();
        pins = std::max(pins, sidePins);
    }
    Interner keys(pins);
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
    result.texts = keys.texts(renumbered);
    result.cutTexts = keys.takeCutTexts();
    result.before.renumber(renumbered);
    result.after.renumber(renumbered);
    result.beforeRanks = ranks(before, result.before);
    result.afterRanks = ranks(after, result.after);
    return result;
}

}  // namespace netlist
