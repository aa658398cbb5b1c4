// What differs between two sides of a comparison. Nets are matched by their
// trimmed names; every list is in the report's net order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/compare/DesignSnapshot.h"

namespace netlist {

struct ChangedNet {
    const SnapshotNet* before;
    const SnapshotNet* after;
    std::vector<std::string> added;    // pins only after
    std::vector<std::string> removed;  // pins only before
};

struct NetPair {
    const SnapshotNet* before;
    const SnapshotNet* after;
};

struct ComponentChange {
    std::string refDes;
    std::optional<std::int32_t> padsBefore;  // none: added
    std::optional<std::int32_t> padsAfter;   // none: removed
};

struct DesignDiff {
    std::vector<ChangedNet> changedNets;
    // Nets with a pin text that a report cuts ambiguously: compared by their
    // pin counts alone, whether the counts differ or not.
    std::vector<NetPair> countOnlyNets;
    std::vector<NetPair> renamedNets;  // the same pins under another name
    std::vector<const SnapshotNet*> onlyBefore;
    std::vector<const SnapshotNet*> onlyAfter;
    bool componentsCompared = false;  // designs on both sides
    std::vector<ComponentChange> components;
    bool lengthsCompared = false;
    std::vector<NetPair> lengthChanges;

    std::size_t countChangedByPinCount() const;
    std::size_t countComponents(bool added, bool removed) const;
    bool empty() const;
};

// lengthUnits: the database units of one shown unit (mils or mm) when lengths
// are wanted; a length counts as changed when it moved by more than one
// hundredth of that unit, the last digit the report prints, and by more
// than a report side's own last digit. Lengths are
// compared when both sides are boards that carry them.
// The diff points into both snapshots, which must outlive it.
DesignDiff CompareSnapshots(const DesignSnapshot& before, const DesignSnapshot& after,
                            std::optional<std::int32_t> lengthUnits);

}  // namespace netlist
