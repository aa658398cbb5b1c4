#include "report/compare/DesignDiff.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "report/NetList.h"
#include "report/NetOrdering.h"

namespace netlist {
namespace {

// Puts items in the report's order of their nets (`netOf` gives an item's
// net). Only the nets listed are sorted: most nets of two revisions match.
template <typename Item, typename NetOf>
void sortInReportOrder(std::vector<Item>& items, NetOf netOf) {
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

// Items of one side by a key, taken in their order, each at most once.
template <typename Key>
class Matcher {
  public:
    void add(Key key, std::size_t index) { entries_[std::move(key)].indexes.push_back(index); }
    std::optional<std::size_t> take(const Key& key) {
        const auto found = entries_.find(key);
        if (found == entries_.end() || found->second.next == found->second.indexes.size())
            return std::nullopt;
        return found->second.indexes[found->second.next++];
    }

  private:
    struct Entry {
        std::vector<std::size_t> indexes;
        std::size_t next = 0;
    };
    std::unordered_map<Key, Entry> entries_;
};

std::vector<std::string> sortedPins(const SnapshotNet& net) {
    std::vector<std::string> pins = net.pins;
    std::sort(pins.begin(), pins.end());
    return pins;
}

// The pins of `pins` (in their listed order) that `otherSorted` lacks, each
// repeated pin counted once per listing.
std::vector<std::string> pinsMissingFrom(const std::vector<std::string>& pins,
                                         const std::vector<std::string>& sorted,
                                         const std::vector<std::string>& otherSorted) {
    std::vector<std::string> missing;
    std::set_difference(sorted.begin(), sorted.end(), otherSorted.begin(), otherSorted.end(),
                        std::back_inserter(missing));
    if (missing.empty()) return missing;
    std::unordered_map<std::string_view, int> left;
    for (const std::string& pin : missing) ++left[pin];
    std::vector<std::string> ordered;
    for (const std::string& pin : pins) {
        const auto found = left.find(pin);
        if (found != left.end() && found->second > 0) {
            --found->second;
            ordered.push_back(pin);
        }
    }
    return ordered;
}

std::string pinSetKey(const std::vector<std::string>& sorted) {
    std::string key;
    for (const std::string& pin : sorted) key.append(pin).push_back('\n');
    return key;
}

// R2 before R10: runs of digits compare by their value, other characters
// regardless of case.
bool naturalLess(std::string_view a, std::string_view b) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto lower = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t endA = i, endB = j;
            while (endA < a.size() && isDigit(a[endA])) ++endA;
            while (endB < b.size() && isDigit(b[endB])) ++endB;
            std::string_view runA = a.substr(i, endA - i), runB = b.substr(j, endB - j);
            runA.remove_prefix(std::min(runA.find_first_not_of('0'), runA.size()));
            runB.remove_prefix(std::min(runB.find_first_not_of('0'), runB.size()));
            if (runA.size() != runB.size()) return runA.size() < runB.size();
            if (runA != runB) return runA < runB;
            i = endA;
            j = endB;
        } else {
            if (lower(a[i]) != lower(b[j])) return lower(a[i]) < lower(b[j]);
            ++i;
            ++j;
        }
    }
    if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
    return a < b;
}

bool carriesLengths(const DesignSnapshot& side) {
    if (!side.isBoard()) return false;
    if (!side.fromReport || side.nets.empty()) return true;
    return std::any_of(side.nets.begin(), side.nets.end(),
                       [](const SnapshotNet& net) { return net.length.has_value(); });
}

void compareComponents(const DesignSnapshot& before, const DesignSnapshot& after,
                       DesignDiff& diff) {
    Matcher<std::string_view> byRefDes;
    for (std::size_t i = 0; i < after.components.size(); ++i)
        byRefDes.add(after.components[i].refDes, i);
    std::vector<bool> matched(after.components.size(), false);
    for (const SnapshotComponent& component : before.components) {
        const auto index = byRefDes.take(component.refDes);
        if (!index) {
            diff.components.push_back({component.refDes, component.padCount, std::nullopt});
            continue;
        }
        matched[*index] = true;
        const std::int32_t padsAfter = after.components[*index].padCount;
        if (padsAfter != component.padCount)
            diff.components.push_back({component.refDes, component.padCount, padsAfter});
    }
    for (std::size_t i = 0; i < after.components.size(); ++i)
        if (!matched[i])
            diff.components.push_back(
                {after.components[i].refDes, std::nullopt, after.components[i].padCount});
    std::stable_sort(diff.components.begin(), diff.components.end(),
                     [](const ComponentChange& a, const ComponentChange& b) {
                         return naturalLess(a.refDes, b.refDes);
                     });
}

}  // namespace

std::size_t DesignDiff::countChangedByPinCount() const {
    return static_cast<std::size_t>(std::count_if(
        countOnlyNets.begin(), countOnlyNets.end(),
        [](const NetPair& pair) { return pair.before->pinCount != pair.after->pinCount; }));
}

std::size_t DesignDiff::countComponents(bool added, bool removed) const {
    return static_cast<std::size_t>(
        std::count_if(components.begin(), components.end(), [&](const ComponentChange& change) {
            const bool isAdded = !change.padsBefore, isRemoved = !change.padsAfter;
            return isAdded == added && isRemoved == removed;
        }));
}

bool DesignDiff::empty() const {
    return changedNets.empty() && countChangedByPinCount() == 0 && renamedNets.empty() &&
           onlyBefore.empty() && onlyAfter.empty() && components.empty() && lengthChanges.empty();
}

DesignDiff CompareSnapshots(const DesignSnapshot& before, const DesignSnapshot& after,
                            std::optional<std::int32_t> lengthUnits) {
    DesignDiff diff;
    diff.lengthsCompared = lengthUnits && carriesLengths(before) && carriesLengths(after);
    // A change must also exceed what a report's rounding may hide.
    const std::int64_t lengthTolerance =
        std::max({lengthUnits.value_or(0), before.statedLengthUnits, after.statedLengthUnits});
    // A report states lengths to seven significant digits, so a long net's
    // length there may be off by up to a millionth of it.
    const bool statedToSevenDigits = before.fromReport || after.fromReport;

    Matcher<std::string_view> byName;
    for (std::size_t i = 0; i < after.nets.size(); ++i) byName.add(after.nets[i].name, i);
    std::vector<bool> matchedAfter(after.nets.size(), false);
    std::vector<std::size_t> unmatchedBefore;
    for (std::size_t i = 0; i < before.nets.size(); ++i) {
        const SnapshotNet& old = before.nets[i];
        const auto index = byName.take(old.name);
        if (!index) {
            unmatchedBefore.push_back(i);
            continue;
        }
        matchedAfter[*index] = true;
        const SnapshotNet& now = after.nets[*index];
        if (old.pinsAmbiguous || now.pinsAmbiguous) {
            diff.countOnlyNets.push_back({&old, &now});
        } else {
            const std::vector<std::string> oldSorted = sortedPins(old);
            const std::vector<std::string> nowSorted = sortedPins(now);
            // The count stands in the report beside the pins, and may differ
            // from their number: a change of either is a change of the net.
            if (oldSorted != nowSorted || old.pinCount != now.pinCount) {
                diff.changedNets.push_back({&old, &now,
                                            pinsMissingFrom(now.pins, nowSorted, oldSorted),
                                            pinsMissingFrom(old.pins, oldSorted, nowSorted)});
            }
        }
        if (diff.lengthsCompared && old.length && now.length) {
            const std::int64_t change = std::llabs(*old.length - *now.length);
            const std::int64_t hidden =
                statedToSevenDigits
                    ? std::max(std::llabs(*old.length), std::llabs(*now.length)) / 1'000'000
                    : 0;
            if (change * 100 > lengthTolerance && change > hidden)
                diff.lengthChanges.push_back({&old, &now});
        }
    }

    // Unmatched nets with the same pins on both sides were renamed.
    Matcher<std::string> byPins;
    for (std::size_t i = 0; i < after.nets.size(); ++i)
        if (!matchedAfter[i] && !after.nets[i].pinsAmbiguous && !after.nets[i].pins.empty())
            byPins.add(pinSetKey(sortedPins(after.nets[i])), i);
    for (const std::size_t i : unmatchedBefore) {
        const SnapshotNet& old = before.nets[i];
        std::optional<std::size_t> index;
        if (!old.pinsAmbiguous && !old.pins.empty())
            index = byPins.take(pinSetKey(sortedPins(old)));
        if (index) {
            matchedAfter[*index] = true;
            diff.renamedNets.push_back({&old, &after.nets[*index]});
        } else {
            diff.onlyBefore.push_back(&old);
        }
    }
    for (std::size_t i = 0; i < after.nets.size(); ++i)
        if (!matchedAfter[i]) {
            diff.onlyAfter.push_back(&after.nets[i]);
        }

    const auto afterNet = [](const auto& item) -> const SnapshotNet& { return *item.after; };
    const auto itself = [](const SnapshotNet* net) -> const SnapshotNet& { return *net; };
    sortInReportOrder(diff.changedNets, afterNet);
    sortInReportOrder(diff.countOnlyNets, afterNet);
    // A renamed net's row shows its old name.
    sortInReportOrder(diff.renamedNets,
                      [](const NetPair& pair) -> const SnapshotNet& { return *pair.before; });
    sortInReportOrder(diff.lengthChanges, afterNet);
    sortInReportOrder(diff.onlyBefore, itself);
    sortInReportOrder(diff.onlyAfter, itself);

    diff.componentsCompared = !before.fromReport && !after.fromReport;
    if (diff.componentsCompared) compareComponents(before, after, diff);
    return diff;
}

}  // namespace netlist
