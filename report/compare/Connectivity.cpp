#include "report/compare/Connectivity.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <tuple>

#include "report/compare/CompareOrder.h"
#include "report/compare/NetNameMatch.h"

namespace netlist {
namespace {

using NetIndex = std::uint32_t;
constexpr NetIndex kNoNet = UINT32_MAX;
// Pairs of nets whose names are compared for one pin held by several nets.
constexpr std::size_t kNamesWeighedPerPin = 64;

// A pin in a net of each side.
struct Link {
    NetIndex before;
    NetIndex after;
    PinKey key;
};

// Two nets and the pins they share.
struct Edge {
    NetIndex before;
    NetIndex after;
    std::uint32_t pins;
    // Whether the names match, weighed only when asked: most edges are
    // told apart by their pins, and a name match costs a compare of texts.
    mutable std::optional<bool> sameName;
};

// For each key, the nets of one side that hold it, in the side's order.
class Occurrences {
  public:
    Occurrences(const NetKeys& nets, const std::vector<bool>& leftOut, std::size_t keyCount)
        : offsets_(keyCount + 1, 0) {
        for (std::size_t net = 0; net < nets.size(); ++net)
            if (!leftOut[net])
                for (const PinKey key : nets[net]) ++offsets_[key + 1];
        for (std::size_t key = 0; key < keyCount; ++key) offsets_[key + 1] += offsets_[key];
        nets_.resize(offsets_.back());
        std::vector<std::uint32_t> next(offsets_.begin(), offsets_.end() - 1);
        for (std::size_t net = 0; net < nets.size(); ++net)
            if (!leftOut[net])
                for (const PinKey key : nets[net]) nets_[next[key]++] = static_cast<NetIndex>(net);
    }
    std::span<const NetIndex> of(PinKey key) const {
        return std::span<const NetIndex>(nets_).subspan(offsets_[key],
                                                        offsets_[key + 1] - offsets_[key]);
    }

  private:
    std::vector<std::uint32_t> offsets_;
    std::vector<NetIndex> nets_;
};

// One side of the comparison and what is learnt about its nets.
struct Side {
    const DesignSnapshot& snapshot;
    const NetKeys& keys;
    const std::vector<std::uint32_t>& ranks;
    Occurrences occurrences;
    std::vector<std::uint32_t> onlyHere;  // each net's pins in no net of the other side
    std::vector<std::uint32_t> compared;  // each net's linked and one-side pins
    std::vector<NetIndex> counterpart;
    std::vector<std::uint32_t> heldMostly;  // how many nets of the other side it holds most of

    Side(const DesignSnapshot& side, const NetKeys& netKeys,
         const std::vector<std::uint32_t>& netRanks, const std::vector<bool>& leftOut,
         std::size_t keyCount)
        : snapshot(side),
          keys(netKeys),
          ranks(netRanks),
          occurrences(netKeys, leftOut, keyCount),
          onlyHere(netKeys.size(), 0) {}

    bool alone(NetIndex net) const { return keys[net].size() == 1; }
    const SnapshotNet* net(NetIndex index) const { return &snapshot.nets[index]; }
};

class Comparison {
  public:
    Comparison(const DesignSnapshot& before, const DesignSnapshot& after, const PinKeys& keys,
               const std::vector<bool>& leftOutBefore, const std::vector<bool>& leftOutAfter)
        : keys_(keys),
          before_(before, keys.before, keys.beforeRanks, leftOutBefore, keys.texts.size()),
          after_(after, keys.after, keys.afterRanks, leftOutAfter, keys.texts.size()) {}

    void run(DesignDiff& diff) {
        std::vector<PinKey> shared;
        for (PinKey key = 0; key < keys_.texts.size(); ++key) {
            const auto inBefore = before_.occurrences.of(key);
            const auto inAfter = after_.occurrences.of(key);
            // Alone in its net, or in none, on both sides: not connected.
            const auto alone = [](const Side& side, std::span<const NetIndex> nets) {
                return std::all_of(nets.begin(), nets.end(),
                                   [&](NetIndex net) { return side.alone(net); });
            };
            if (alone(before_, inBefore) && alone(after_, inAfter)) continue;
            if (inBefore.size() == 1 && inAfter.size() == 1) {
                links_.push_back({inBefore[0], inAfter[0], key});
            } else if (inBefore.empty() || inAfter.empty()) {
                leftOver(before_, inBefore, key);
                leftOver(after_, inAfter, key);
            } else {
                shared.push_back(key);
            }
        }
        if (!shared.empty()) {
            // A pin in several nets of a side (a reference the netlist cut
            // alike, a pad number used twice) goes with the counterparts
            // that the other pins make.
            weigh();
            findCounterparts();
            for (const PinKey key : shared) pairNets(key);
        }
        weigh();
        findCounterparts();
        classify(diff);
    }

  private:
    // The nets holding a key that several nets of a side hold: counterparts
    // first, then nets of the same name, then the rest in their order; what
    // is left over is on one side only, unless it is alone in its net there.
    void pairNets(PinKey key) {
        const auto ofBefore = before_.occurrences.of(key);
        const auto ofAfter = after_.occurrences.of(key);
        // Lists kept from key to key: a design may have thousands of such keys.
        std::vector<NetIndex>& restBefore = restBefore_;
        std::vector<NetIndex>& restAfter = restAfter_;
        std::vector<bool>& paired = paired_;
        restBefore.assign(ofBefore.begin(), ofBefore.end());
        restAfter.assign(ofAfter.begin(), ofAfter.end());
        // The nets of a side hold a key in the side's order: a counterpart
        // is found by a binary search.
        paired.assign(restAfter.size(), false);
        std::erase_if(restBefore, [&](NetIndex net) {
            const NetIndex partner = before_.counterpart[net];
            const auto found = std::lower_bound(restAfter.begin(), restAfter.end(), partner);
            const auto place = static_cast<std::size_t>(found - restAfter.begin());
            if (found == restAfter.end() || *found != partner || paired[place]) return false;
            paired[place] = true;
            links_.push_back({net, partner, key});
            return true;
        });
        std::size_t unpaired = 0;
        for (std::size_t i = 0; i < restAfter.size(); ++i)
            if (!paired[i]) restAfter[unpaired++] = restAfter[i];
        restAfter.resize(unpaired);
        // Names are a weaker sign, weighed among a few nets only: two nets
        // whose names match each other's alone.
        if (restBefore.size() * restAfter.size() <= kNamesWeighedPerPin) {
            std::vector<std::pair<NetIndex, NetIndex>> named;
            for (const NetIndex net : restBefore) {
                const auto matches = [&](NetIndex other) { return sameName(net, other); };
                if (std::count_if(restAfter.begin(), restAfter.end(), matches) != 1) continue;
                const NetIndex other = *std::find_if(restAfter.begin(), restAfter.end(), matches);
                if (std::count_if(restBefore.begin(), restBefore.end(),
                                  [&](NetIndex each) { return sameName(each, other); }) == 1)
                    named.emplace_back(net, other);
            }
            for (const auto& [net, other] : named) {
                links_.push_back({net, other, key});
                std::erase(restBefore, net);
                std::erase(restAfter, other);
            }
        }
        const auto byRank = [](const Side& side) {
            return [&side](NetIndex a, NetIndex b) { return side.ranks[a] < side.ranks[b]; };
        };
        std::sort(restBefore.begin(), restBefore.end(), byRank(before_));
        std::sort(restAfter.begin(), restAfter.end(), byRank(after_));
        const std::size_t pairs = std::min(restBefore.size(), restAfter.size());
        for (std::size_t i = 0; i < pairs; ++i)
            links_.push_back({restBefore[i], restAfter[i], key});
        leftOver(before_, std::span<const NetIndex>(restBefore).subspan(pairs), key);
        leftOver(after_, std::span<const NetIndex>(restAfter).subspan(pairs), key);
    }

    // Nets of a side that hold a key no net of the other side is left to
    // pair with: the pin is on that side only, where it is connected.
    void leftOver(Side& side, std::span<const NetIndex> nets, PinKey key) {
        for (const NetIndex net : nets) {
            if (side.alone(net)) continue;
            ++side.onlyHere[net];
            (&side == &before_ ? onlyBefore_ : onlyAfter_).push_back({net, key});
        }
    }

    bool sameName(NetIndex before, NetIndex after) const {
        const std::string& a = before_.snapshot.nets[before].name;
        const std::string& b = after_.snapshot.nets[after].name;
        const bool cutBefore = before_.snapshot.bareBoardNetlist;
        const bool cutAfter = after_.snapshot.bareBoardNetlist;
        if (cutBefore == cutAfter) return a == b;
        return cutAfter ? SameNetName(a, b, true) : SameNetName(b, a, true);
    }

    // Puts the links in order of OLD's net, then NEW's net, then key: by a
    // count of each net's links first, as a net has few links and a design
    // many nets.
    void sortLinks() {
        std::vector<std::uint32_t> next(before_.keys.size() + 1, 0);
        for (const Link& link : links_) ++next[link.before + 1];
        for (std::size_t net = 1; net < next.size(); ++net) next[net] += next[net - 1];
        std::vector<Link> sorted(links_.size());
        for (const Link& link : links_) sorted[next[link.before]++] = link;
        links_ = std::move(sorted);
        for (auto run = links_.begin(); run != links_.end();) {
            const auto end = std::find_if(
                run, links_.end(), [&](const Link& link) { return link.before != run->before; });
            std::sort(run, end, [](const Link& x, const Link& y) {
                return std::tie(x.after, x.key) < std::tie(y.after, y.key);
            });
            run = end;
        }
    }

    void weigh() {
        sortLinks();
        edges_.clear();
        for (const Link& link : links_) {
            if (edges_.empty() || edges_.back().before != link.before ||
                edges_.back().after != link.after)
                edges_.push_back({link.before, link.after, 0, std::nullopt});
            ++edges_.back().pins;
        }
        for (Side* side : {&before_, &after_}) side->compared = side->onlyHere;
        for (const Edge& edge : edges_) {
            before_.compared[edge.before] += edge.pins;
            after_.compared[edge.after] += edge.pins;
        }
    }

    // Whether `a` is a better counterpart than `b` for a net (the other
    // side's nets of both edges are on `side`).
    bool better(const Edge& a, NetIndex netA, const Edge& b, NetIndex netB,
                const Side& side) const {
        if (a.pins != b.pins) return a.pins > b.pins;
        if (namesMatch(a) != namesMatch(b)) return namesMatch(a);
        return side.ranks[netA] < side.ranks[netB];
    }

    bool namesMatch(const Edge& edge) const {
        if (!edge.sameName) edge.sameName = sameName(edge.before, edge.after);
        return *edge.sameName;
    }

    void findCounterparts() {
        std::vector<std::size_t> bestOfBefore(before_.keys.size(), SIZE_MAX);
        std::vector<std::size_t> bestOfAfter(after_.keys.size(), SIZE_MAX);
        for (std::size_t i = 0; i < edges_.size(); ++i) {
            const Edge& edge = edges_[i];
            std::size_t& forBefore = bestOfBefore[edge.before];
            if (forBefore == SIZE_MAX ||
                better(edge, edge.after, edges_[forBefore], edges_[forBefore].after, after_))
                forBefore = i;
            std::size_t& forAfter = bestOfAfter[edge.after];
            if (forAfter == SIZE_MAX ||
                better(edge, edge.before, edges_[forAfter], edges_[forAfter].before, before_))
                forAfter = i;
        }
        before_.counterpart.assign(before_.keys.size(), kNoNet);
        after_.counterpart.assign(after_.keys.size(), kNoNet);
        for (NetIndex net = 0; net < bestOfBefore.size(); ++net) {
            const std::size_t best = bestOfBefore[net];
            if (best != SIZE_MAX && bestOfAfter[edges_[best].after] == best) {
                before_.counterpart[net] = edges_[best].after;
                after_.counterpart[edges_[best].after] = net;
            }
        }
    }

    // More than half of a net's compared pins are in the other net.
    static bool mostly(std::uint32_t shared, std::uint32_t of) { return 2 * shared > of; }
    bool afterHoldsBefore(const Edge& edge) const {
        return mostly(edge.pins, before_.compared[edge.before]);
    }
    bool beforeHoldsAfter(const Edge& edge) const {
        return mostly(edge.pins, after_.compared[edge.after]);
    }

    void classify(DesignDiff& diff) {
        before_.heldMostly.assign(before_.keys.size(), 0);
        after_.heldMostly.assign(after_.keys.size(), 0);
        for (const Edge& edge : edges_) {
            if (afterHoldsBefore(edge)) ++after_.heldMostly[edge.after];
            if (beforeHoldsAfter(edge)) ++before_.heldMostly[edge.before];
        }
        const auto joins = [&](const Edge& edge) {
            return after_.heldMostly[edge.after] >= 2 && afterHoldsBefore(edge);
        };
        const auto splits = [&](const Edge& edge) {
            return before_.heldMostly[edge.before] >= 2 && beforeHoldsAfter(edge);
        };
        groups(diff.joinedNets, after_, before_, [&](const Edge& edge) {
            return joins(edge) ? std::optional(std::pair(edge.after, edge.before)) : std::nullopt;
        });
        groups(diff.splitNets, before_, after_, [&](const Edge& edge) {
            return splits(edge) ? std::optional(std::pair(edge.before, edge.after)) : std::nullopt;
        });

        // The links run in the edges' order: each edge's links follow each other.
        std::vector<Link> moved;
        std::size_t edge = 0;
        for (const Link& link : links_) {
            while (edges_[edge].before != link.before || edges_[edge].after != link.after) ++edge;
            const Edge& between = edges_[edge];
            if (before_.counterpart[link.before] != link.after && !joins(between) &&
                !splits(between))
                moved.push_back(link);
        }
        std::sort(moved.begin(), moved.end(), [&](const Link& a, const Link& b) {
            if (a.key != b.key) return NaturalLess(keys_.texts[a.key], keys_.texts[b.key]);
            return std::pair(before_.ranks[a.before], after_.ranks[a.after]) <
                   std::pair(before_.ranks[b.before], after_.ranks[b.after]);
        });
        for (const Link& link : moved)
            diff.movedPins.push_back({std::string(keys_.texts[link.key]), before_.net(link.before),
                                      after_.net(link.after)});

        diff.pinsOnlyBefore = pinsByNet(before_, onlyBefore_);
        diff.pinsOnlyAfter = pinsByNet(after_, onlyAfter_);

        // A join or a split explains the names already. Nets that the report
        // orders alike come in the order of their ranks.
        std::vector<std::pair<NetIndex, NetIndex>> renamed;
        for (const Edge& edge : edges_)
            if (before_.counterpart[edge.before] == edge.after && !namesMatch(edge) &&
                before_.heldMostly[edge.before] < 2 && after_.heldMostly[edge.after] < 2 &&
                mostly(edge.pins,
                       std::max(before_.compared[edge.before], after_.compared[edge.after])))
                renamed.emplace_back(edge.before, edge.after);
        std::sort(renamed.begin(), renamed.end(), [&](const auto& a, const auto& b) {
            return before_.ranks[a.first] < before_.ranks[b.first];
        });
        for (const auto& [net, other] : renamed)
            diff.probablyRenamed.push_back({before_.net(net), after_.net(other)});
        SortInReportOrder(diff.probablyRenamed,
                          [](const NetPair& pair) -> const SnapshotNet& { return *pair.before; });
    }

    // Each net of `holding` that an edge picks out, with the nets of `held`
    // it picks out with it; pick gives (the holding net, the held net).
    template <typename Pick>
    void groups(std::vector<NetGroup>& out, const Side& holding, const Side& held, Pick pick) {
        std::vector<std::tuple<std::uint32_t, std::uint32_t, NetIndex, NetIndex, std::uint32_t>>
            picked;
        for (const Edge& edge : edges_)
            if (const auto nets = pick(edge))
                picked.emplace_back(holding.ranks[nets->first], held.ranks[nets->second],
                                    nets->first, nets->second, edge.pins);
        std::sort(picked.begin(), picked.end());
        for (const auto& [rank, heldRank, net, part, pins] : picked) {
            if (out.empty() || out.back().net != holding.net(net))
                out.push_back({holding.net(net), {}});
            out.back().parts.push_back({held.net(part), pins});
        }
        for (NetGroup& group : out)
            SortInReportOrder(group.parts, [](const NetShare& share) -> const SnapshotNet& {
                return *share.net;
            });
        SortInReportOrder(out,
                          [](const NetGroup& group) -> const SnapshotNet& { return *group.net; });
    }

    std::vector<NetPins> pinsByNet(const Side& side,
                                   std::vector<std::pair<NetIndex, PinKey>>& pins) {
        std::sort(pins.begin(), pins.end(), [&](const auto& a, const auto& b) {
            if (a.first != b.first) return side.ranks[a.first] < side.ranks[b.first];
            return NaturalLess(keys_.texts[a.second], keys_.texts[b.second]);
        });
        std::vector<NetPins> nets;
        for (const auto& [net, key] : pins) {
            if (nets.empty() || nets.back().net != side.net(net))
                nets.push_back({side.net(net), {}});
            nets.back().pins.emplace_back(keys_.texts[key]);
        }
        SortInReportOrder(nets,
                          [](const NetPins& each) -> const SnapshotNet& { return *each.net; });
        return nets;
    }

    const PinKeys& keys_;
    Side before_;
    Side after_;
    std::vector<Link> links_;
    std::vector<Edge> edges_;
    std::vector<std::pair<NetIndex, PinKey>> onlyBefore_;
    std::vector<std::pair<NetIndex, PinKey>> onlyAfter_;
    std::vector<NetIndex> restBefore_;
    std::vector<NetIndex> restAfter_;
    std::vector<bool> paired_;
};

}  // namespace

void CompareConnectivity(const DesignSnapshot& before, const DesignSnapshot& after,
                         const PinKeys& keys, const std::vector<bool>& leftOutBefore,
                         const std::vector<bool>& leftOutAfter, DesignDiff& diff) {
    Comparison(before, after, keys, leftOutBefore, leftOutAfter).run(diff);
}

}  // namespace netlist
