#include "report/compare/DesignDiff.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "report/compare/CompareOrder.h"
#include "report/compare/Connectivity.h"
#include "report/compare/PinKey.h"
#include "report/compare/SideRole.h"

namespace netlist {
namespace {

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

// The pins a net is compared by, sorted. Against a netlist a pad number
// that a board repeats (several pads of one pin) is one pin.
std::vector<std::string> comparedPins(const SnapshotNet& net, bool once) {
    std::vector<std::string> pins = net.pins.texts();
    std::sort(pins.begin(), pins.end());
    if (once) pins.erase(std::unique(pins.begin(), pins.end()), pins.end());
    return pins;
}

// The pin count a net is compared by: against a netlist, without the pins
// its list repeats.
std::int64_t comparedCount(const SnapshotNet& net, std::size_t comparedPinCount, bool once) {
    return once ? net.pinCount - static_cast<std::int64_t>(net.pins.size() - comparedPinCount)
                : net.pinCount;
}

// The pins of `pins` (in their listed order) that `otherSorted` lacks, each
// repeated pin counted once per listing.
std::vector<std::string> pinsMissingFrom(const PinList& pins,
                                         const std::vector<std::string>& sorted,
                                         const std::vector<std::string>& otherSorted) {
    std::vector<std::string> missing;
    std::set_difference(sorted.begin(), sorted.end(), otherSorted.begin(), otherSorted.end(),
                        std::back_inserter(missing));
    if (missing.empty()) return missing;
    std::unordered_map<std::string_view, int> left;
    for (const std::string& pin : missing) ++left[pin];
    std::vector<std::string> ordered;
    for (const std::string_view pin : pins) {
        const auto found = left.find(pin);
        if (found != left.end() && found->second > 0) {
            --found->second;
            ordered.emplace_back(pin);
        }
    }
    return ordered;
}

std::string pinSetKey(const std::vector<std::string>& sorted) {
    std::string key;
    for (const std::string& pin : sorted) key.append(pin).push_back('\n');
    return key;
}

bool carriesLengths(const DesignSnapshot& side) {
    if (!side.isBoard() || side.bareBoardNetlist) return false;
    if (!side.fromReport || side.nets.empty()) return true;
    return std::any_of(side.nets.begin(), side.nets.end(),
                       [](const SnapshotNet& net) { return net.length.has_value(); });
}

std::size_t sharedPins(std::span<const PinKey> a, std::span<const PinKey> b) {
    std::size_t shared = 0;
    for (auto i = a.begin(), j = b.begin(); i != a.end() && j != b.end();) {
        if (*i < *j) {
            ++i;
        } else if (*j < *i) {
            ++j;
        } else {
            ++shared;
            ++i;
            ++j;
        }
    }
    return shared;
}

// A key shared by more of one name's nets than this adds no pairs beyond
// them: a file that puts one pin in thousands of nets of one name costs
// no more than one that lists them.
constexpr std::size_t kNetsWeighedPerPin = 8;

// Nets of one name on both sides, paired by how many pins they share, the
// most first (and of those, the fewest others); the rest in the order of
// their pins.
void pairOneName(std::vector<std::size_t> before, std::vector<std::size_t> after,
                 const PinKeys& keys, std::vector<std::pair<std::size_t, std::size_t>>& pairs) {
    std::unordered_map<PinKey, std::vector<std::size_t>> afterByKey;
    for (const std::size_t j : after)
        for (const PinKey key : keys.after[j]) {
            std::vector<std::size_t>& nets = afterByKey[key];
            if (nets.size() < kNetsWeighedPerPin) nets.push_back(j);
        }
    struct Candidate {
        std::size_t shared, others, before, after;
    };
    std::vector<Candidate> candidates;
    for (const std::size_t i : before) {
        std::vector<std::size_t> partners;
        for (const PinKey key : keys.before[i])
            if (const auto found = afterByKey.find(key); found != afterByKey.end())
                partners.insert(partners.end(), found->second.begin(), found->second.end());
        std::sort(partners.begin(), partners.end());
        partners.erase(std::unique(partners.begin(), partners.end()), partners.end());
        for (const std::size_t j : partners) {
            const std::size_t shared = sharedPins(keys.before[i], keys.after[j]);
            candidates.push_back(
                {shared, keys.before[i].size() + keys.after[j].size() - 2 * shared, i, j});
        }
    }
    std::sort(candidates.begin(), candidates.end(), [&](const Candidate& a, const Candidate& b) {
        if (a.shared != b.shared) return a.shared > b.shared;
        if (a.others != b.others) return a.others < b.others;
        if (a.before != b.before) return keys.beforeRanks[a.before] < keys.beforeRanks[b.before];
        return keys.afterRanks[a.after] < keys.afterRanks[b.after];
    });
    std::unordered_set<std::size_t> takenBefore, takenAfter;
    for (const Candidate& candidate : candidates) {
        if (takenBefore.contains(candidate.before) || takenAfter.contains(candidate.after))
            continue;
        takenBefore.insert(candidate.before);
        takenAfter.insert(candidate.after);
        pairs.emplace_back(candidate.before, candidate.after);
    }
    const auto byRank = [](const std::vector<std::uint32_t>& ranks) {
        return [&ranks](std::size_t a, std::size_t b) { return ranks[a] < ranks[b]; };
    };
    std::erase_if(before, [&](std::size_t i) { return takenBefore.contains(i); });
    std::erase_if(after, [&](std::size_t j) { return takenAfter.contains(j); });
    std::sort(before.begin(), before.end(), byRank(keys.beforeRanks));
    std::sort(after.begin(), after.end(), byRank(keys.afterRanks));
    for (std::size_t k = 0; k < std::min(before.size(), after.size()); ++k)
        pairs.emplace_back(before[k], after[k]);
}

// A side's net indexes in the order of their ranks.
std::vector<std::size_t> InRankOrder(const std::vector<std::uint32_t>& ranks) {
    std::vector<std::size_t> order(ranks.size());
    for (std::size_t net = 0; net < ranks.size(); ++net) order[ranks[net]] = net;
    return order;
}

// Nets of the same name on the two sides, as pairs of their indexes, in
// OLD's order. Each side's nets are walked in the order of their ranks,
// which is by name first.
std::vector<std::pair<std::size_t, std::size_t>> pairByName(const DesignSnapshot& before,
                                                            const DesignSnapshot& after,
                                                            const PinKeys& keys) {
    const std::vector<std::size_t> beforeOrder = InRankOrder(keys.beforeRanks);
    const std::vector<std::size_t> afterOrder = InRankOrder(keys.afterRanks);
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    const auto name = [](const DesignSnapshot& side, const std::vector<std::size_t>& order,
                         std::size_t place) -> const std::string& {
        return side.nets[order[place]].name;
    };
    // The end of the run of nets named as the one at `place`.
    const auto runEnd = [&](const DesignSnapshot& side, const std::vector<std::size_t>& order,
                            std::size_t place) {
        std::size_t end = place + 1;
        while (end < order.size() && name(side, order, end) == name(side, order, place)) ++end;
        return end;
    };
    for (std::size_t i = 0, j = 0; i < beforeOrder.size() && j < afterOrder.size();) {
        const int order = name(before, beforeOrder, i).compare(name(after, afterOrder, j));
        if (order < 0) {
            i = runEnd(before, beforeOrder, i);
        } else if (order > 0) {
            j = runEnd(after, afterOrder, j);
        } else {
            const std::size_t endI = runEnd(before, beforeOrder, i);
            const std::size_t endJ = runEnd(after, afterOrder, j);
            if (endI - i == 1 && endJ - j == 1)
                pairs.emplace_back(beforeOrder[i], afterOrder[j]);
            else
                pairOneName({beforeOrder.begin() + static_cast<std::ptrdiff_t>(i),
                             beforeOrder.begin() + static_cast<std::ptrdiff_t>(endI)},
                            {afterOrder.begin() + static_cast<std::ptrdiff_t>(j),
                             afterOrder.begin() + static_cast<std::ptrdiff_t>(endJ)},
                            keys, pairs);
            i = endI;
            j = endJ;
        }
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

// Against a netlist, what a board has that a netlist never lists is no
// difference: a part none of whose pins is in a net (a mounting hole, a
// logo), and pads beyond the pins (pads without a number, several pads of
// one number).
class ComponentRules {
  public:
    ComponentRules(const DesignSnapshot& before, const DesignSnapshot& after)
        : againstNetlist_(BoardAgainstNetlist(before, after)),
          boardBefore_(RoleOf(before) == SideRole::Board) {
        if (!againstNetlist_) return;
        for (const DesignSnapshot* side : {&before, &after})
            for (const SnapshotNet& net : side->nets)
                for (const std::string_view pin : net.pins)
                    // A reference may hold a "-" of its own: each cut may be one.
                    for (std::size_t dash = pin.find('-'); dash != std::string::npos;
                         dash = pin.find('-', dash + 1))
                        (side == &before ? connectedBefore_ : connectedAfter_)
                            .emplace(pin.substr(0, dash));
    }

    bool onlyOneSideCounts(const SnapshotComponent& part, bool inBefore) const {
        if (!againstNetlist_) return true;
        return (inBefore ? connectedBefore_ : connectedAfter_).contains(part.refDes);
    }
    bool padsDiffer(std::int32_t before, std::int32_t after) const {
        if (!againstNetlist_) return before != after;
        // The board's pads may be more than the netlist's pins, never fewer.
        return boardBefore_ ? before < after : after < before;
    }

  private:
    bool againstNetlist_;
    bool boardBefore_;
    std::unordered_set<std::string> connectedBefore_, connectedAfter_;
};

void compareComponents(const DesignSnapshot& before, const DesignSnapshot& after,
                       DesignDiff& diff) {
    const ComponentRules rules(before, after);
    Matcher<std::string_view> byRefDes;
    for (std::size_t i = 0; i < after.components.size(); ++i)
        byRefDes.add(after.components[i].refDes, i);
    std::vector<bool> matched(after.components.size(), false);
    for (const SnapshotComponent& component : before.components) {
        const auto index = byRefDes.take(component.refDes);
        if (!index) {
            if (rules.onlyOneSideCounts(component, true))
                diff.components.push_back({component.refDes, component.padCount, std::nullopt});
            continue;
        }
        matched[*index] = true;
        const std::int32_t padsAfter = after.components[*index].padCount;
        if (rules.padsDiffer(component.padCount, padsAfter))
            diff.components.push_back({component.refDes, component.padCount, padsAfter});
    }
    for (std::size_t i = 0; i < after.components.size(); ++i)
        if (!matched[i] && rules.onlyOneSideCounts(after.components[i], false))
            diff.components.push_back(
                {after.components[i].refDes, std::nullopt, after.components[i].padCount});
    std::stable_sort(diff.components.begin(), diff.components.end(),
                     [](const ComponentChange& a, const ComponentChange& b) {
                         return NaturalLess(a.refDes, b.refDes);
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

std::size_t DesignDiff::countPins(const std::vector<NetPins>& nets) {
    std::size_t pins = 0;
    for (const NetPins& net : nets) pins += net.pins.size();
    return pins;
}

bool DesignDiff::empty() const {
    return changedNets.empty() && countChangedByPinCount() == 0 && renamedNets.empty() &&
           onlyBefore.empty() && onlyAfter.empty() && components.empty() && lengthChanges.empty() &&
           joinedNets.empty() && splitNets.empty() && movedPins.empty() && pinsOnlyBefore.empty() &&
           pinsOnlyAfter.empty();
}

namespace {

class NameComparison {
  public:
    NameComparison(const DesignSnapshot& before, const DesignSnapshot& after,
                   std::optional<std::int32_t> lengthUnits, DesignDiff& diff)
        : before_(before),
          after_(after),
          diff_(diff),
          once_(BoardAgainstNetlist(before, after)),
          // A change must also exceed what a report's rounding may hide.
          lengthTolerance_(std::max(
              {lengthUnits.value_or(0), before.statedLengthUnits, after.statedLengthUnits})),
          // A report states lengths to seven significant digits, so a long
          // net's length there may be off by up to a millionth of it.
          statedToSevenDigits_(before.fromReport || after.fromReport) {}

    // Fills the name-based lists; marks the nets compared by their pin
    // counts alone, and those of the other side they were paired with.
    void run(const PinKeys& keys, std::vector<bool>& doubtfulBefore,
             std::vector<bool>& doubtfulAfter) {
        std::vector<bool> matchedBefore(before_.nets.size(), false);
        std::vector<bool> matchedAfter(after_.nets.size(), false);
        for (const auto& [i, j] : pairByName(before_, after_, keys)) {
            matchedBefore[i] = matchedAfter[j] = true;
            const SnapshotNet& old = before_.nets[i];
            const SnapshotNet& now = after_.nets[j];
            if (old.pinsAmbiguous || now.pinsAmbiguous) {
                diff_.countOnlyNets.push_back({&old, &now});
                doubtfulBefore[i] = doubtfulAfter[j] = true;
            } else {
                comparePins(old, now, keys.before[i], keys.after[j]);
            }
            compareLengths(old, now);
        }
        renamed(matchedBefore, matchedAfter, keys);
        for (std::size_t i = 0; i < before_.nets.size(); ++i)
            if (!matchedBefore[i]) diff_.onlyBefore.push_back(&before_.nets[i]);
        for (std::size_t j = 0; j < after_.nets.size(); ++j)
            if (!matchedAfter[j]) diff_.onlyAfter.push_back(&after_.nets[j]);
        for (std::size_t i = 0; i < before_.nets.size(); ++i)
            if (before_.nets[i].pinsAmbiguous) doubtfulBefore[i] = true;
        for (std::size_t j = 0; j < after_.nets.size(); ++j)
            if (after_.nets[j].pinsAmbiguous) doubtfulAfter[j] = true;
    }

  private:
    // oldKeys, nowKeys: the nets' pins as keys, each once.
    void comparePins(const SnapshotNet& old, const SnapshotNet& now,
                     std::span<const PinKey> oldKeys, std::span<const PinKey> nowKeys) {
        // Most nets are unchanged, which their keys tell without copying
        // texts: the same pins, none repeated (or repeats that count once).
        const bool repeats = old.pins.size() != oldKeys.size() || now.pins.size() != nowKeys.size();
        if (std::ranges::equal(oldKeys, nowKeys) && (once_ || !repeats)) {
            if (comparedCount(old, oldKeys.size(), once_) !=
                comparedCount(now, nowKeys.size(), once_))
                diff_.changedNets.push_back({&old, &now, {}, {}});
            return;
        }
        const std::vector<std::string> oldSorted = comparedPins(old, once_);
        const std::vector<std::string> nowSorted = comparedPins(now, once_);
        // The count stands in the report beside the pins, and may differ
        // from their number: a change of either is a change of the net.
        if (oldSorted != nowSorted || comparedCount(old, oldSorted.size(), once_) !=
                                          comparedCount(now, nowSorted.size(), once_))
            diff_.changedNets.push_back({&old, &now,
                                         pinsMissingFrom(now.pins, nowSorted, oldSorted),
                                         pinsMissingFrom(old.pins, oldSorted, nowSorted)});
    }

    void compareLengths(const SnapshotNet& old, const SnapshotNet& now) {
        if (!diff_.lengthsCompared || !old.length || !now.length) return;
        const std::int64_t change = std::llabs(*old.length - *now.length);
        const std::int64_t hidden =
            statedToSevenDigits_
                ? std::max(std::llabs(*old.length), std::llabs(*now.length)) / 1'000'000
                : 0;
        if (change * 100 > lengthTolerance_ && change > hidden)
            diff_.lengthChanges.push_back({&old, &now});
    }

    // Unmatched nets with the same pins on both sides were renamed.
    // Nets of one side with the same pins pair in the order of their ranks,
    // whatever order the sides list them in.
    void renamed(std::vector<bool>& matchedBefore, std::vector<bool>& matchedAfter,
                 const PinKeys& keys) {
        Matcher<std::string> byPins;
        for (const std::size_t j : InRankOrder(keys.afterRanks))
            if (!matchedAfter[j] && !after_.nets[j].pinsAmbiguous && !after_.nets[j].pins.empty())
                byPins.add(pinSetKey(comparedPins(after_.nets[j], once_)), j);
        for (const std::size_t i : InRankOrder(keys.beforeRanks)) {
            const SnapshotNet& old = before_.nets[i];
            if (matchedBefore[i] || old.pinsAmbiguous || old.pins.empty()) continue;
            const std::optional<std::size_t> j = byPins.take(pinSetKey(comparedPins(old, once_)));
            if (!j) continue;
            matchedBefore[i] = matchedAfter[*j] = true;
            diff_.renamedNets.push_back({&old, &after_.nets[*j]});
            compareLengths(old, after_.nets[*j]);
        }
    }

    const DesignSnapshot& before_;
    const DesignSnapshot& after_;
    DesignDiff& diff_;
    const bool once_;
    const std::int64_t lengthTolerance_;
    const bool statedToSevenDigits_;
};

}  // namespace

DesignDiff CompareSnapshots(const DesignSnapshot& before, const DesignSnapshot& after,
                            std::optional<std::int32_t> lengthUnits) {
    DesignDiff diff;
    const PinKeys keys = KeyPins(before, after);
    std::vector<bool> doubtfulBefore(before.nets.size(), false);
    std::vector<bool> doubtfulAfter(after.nets.size(), false);
    diff.namesCompared = !MatchedByPins(before, after);
    if (diff.namesCompared) {
        diff.lengthsCompared = lengthUnits && carriesLengths(before) && carriesLengths(after);
        NameComparison(before, after, lengthUnits, diff).run(keys, doubtfulBefore, doubtfulAfter);
        diff.componentsCompared = !before.fromReport && !after.fromReport;
        if (diff.componentsCompared) compareComponents(before, after, diff);
    } else {
        for (std::size_t i = 0; i < before.nets.size(); ++i)
            doubtfulBefore[i] = before.nets[i].pinsAmbiguous;
        for (std::size_t j = 0; j < after.nets.size(); ++j)
            doubtfulAfter[j] = after.nets[j].pinsAmbiguous;
    }
    CompareConnectivity(before, after, keys, doubtfulBefore, doubtfulAfter, diff);
    // Nets of the same pins under other names are the name compare's to
    // list (as renamed, or as nets of one side each): a hint is for nets
    // whose pins differ in part.
    if (diff.namesCompared)
        std::erase_if(diff.probablyRenamed, [&](const NetPair& hint) {
            return std::ranges::equal(
                keys.before[static_cast<std::size_t>(hint.before - before.nets.data())],
                keys.after[static_cast<std::size_t>(hint.after - after.nets.data())]);
        });

    const auto afterNet = [](const auto& item) -> const SnapshotNet& { return *item.after; };
    const auto itself = [](const SnapshotNet* net) -> const SnapshotNet& { return *net; };
    SortInReportOrder(diff.changedNets, afterNet);
    SortInReportOrder(diff.countOnlyNets, afterNet);
    // A renamed net's row shows its old name.
    SortInReportOrder(diff.renamedNets,
                      [](const NetPair& pair) -> const SnapshotNet& { return *pair.before; });
    SortInReportOrder(diff.lengthChanges, afterNet);
    SortInReportOrder(diff.onlyBefore, itself);
    SortInReportOrder(diff.onlyAfter, itself);
    return diff;
}

}  // namespace netlist
