#include "design/files/kicad/NetCollector.h"

#include <cmath>
#include <limits>
#include <unordered_set>

#include "design/Records.h"
#include "platform/Windows1252.h"

namespace netlist::kicad {
namespace {

// As many characters as a record's name field holds.
constexpr std::size_t kShownNameCharacters = 100;

// Millimetres to database units, rounded to the nearest unit; nothing when
// the result does not fit a 32-bit length.
std::optional<std::int32_t> MillimetresToUnits(double millimetres) {
    const double units = std::round(millimetres * kUnitsPerMm);
    if (!(units >= std::numeric_limits<std::int32_t>::min() &&
          units <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(units);
}

}  // namespace

std::size_t NetCollector::byName(std::string_view name) {
    const auto [it, added] = indexByName_.try_emplace(std::string(name), nets_.size());
    if (added) nets_.push_back(Net{std::string(name), std::nullopt, {}, 0});
    return it->second;
}

std::size_t NetCollector::declare(std::string_view name, std::int32_t code, const SourceFile& file,
                                  const sexpr::Node& place) {
    const std::size_t net = byName(name);
    const auto [it, added] = indexByCode_.try_emplace(code, net);
    if (!added && it->second != net)
        file.fail(place, "net code " + std::to_string(code) + " is given to " +
                             files::Quoted(nets_[it->second].name, kShownNameCharacters) +
                             " already");
    // A second code for the same name still finds the net; the first one is
    // the id it is served under.
    if (!nets_[net].code) nets_[net].code = code;
    return net;
}

std::optional<std::size_t> NetCollector::byCode(std::int32_t code) const {
    const auto it = indexByCode_.find(code);
    if (it == indexByCode_.end()) return std::nullopt;
    return it->second;
}

void NetCollector::addNode(std::size_t net, std::string refDes, std::string pinDes) {
    nets_[net].nodes.push_back(DesignNode{std::move(refDes), std::move(pinDes)});
}

std::vector<DesignNet> NetCollector::finish(const SourceFile& file) const {
    std::unordered_set<std::int32_t> usedIds;
    for (const Net& net : nets_)
        if (net.code) usedIds.insert(*net.code);

    std::vector<DesignNet> served;
    served.reserve(nets_.size());
    std::int32_t nextFreeId = 1;
    for (const Net& net : nets_) {
        std::int32_t id;
        if (net.code) {
            id = *net.code;
        } else {
            while (usedIds.count(nextFreeId)) ++nextFreeId;
            id = nextFreeId++;
        }
        const std::optional<std::int32_t> length = MillimetresToUnits(net.lengthMm);
        if (!length)
            file.fail("net " + files::Quoted(net.name, kShownNameCharacters) +
                      ": its tracks are longer than the 21474.83647 mm a net length can hold");
        served.push_back(DesignNet{id, Utf8ToWindows1252(net.name), *length,
                                   static_cast<std::int32_t>(net.nodes.size()), net.nodes});
    }
    return served;
}

std::unordered_map<std::string, std::size_t> NetCollector::distinctPinsByRefDes() const {
    std::unordered_map<std::string, std::unordered_set<std::string>> pins;
    for (const Net& net : nets_)
        for (const DesignNode& node : net.nodes) pins[node.refDes].insert(node.pinDes);
    std::unordered_map<std::string, std::size_t> counts;
    for (const auto& [refDes, distinct] : pins) counts.emplace(refDes, distinct.size());
    return counts;
}

}  // namespace netlist::kicad
