// What differs between two sides of a comparison: nets matched by their
// trimmed names, and the nets' pins compared whatever the nets are called.
// Every list is in the report's net order.
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

// A net and how many of its pins another net holds.
struct NetShare {
    const SnapshotNet* net;
    std::size_t pins;
};

// A net of one side and the nets of the other side that it holds most of
// the pins of.
struct NetGroup {
    const SnapshotNet* net;
    std::vector<NetShare> parts;
};

struct MovedPin {
    std::string pin;
    const SnapshotNet* from;  // the net of OLD
    const SnapshotNet* to;    // the net of NEW
};

struct NetPins {
    const SnapshotNet* net;
    std::vector<std::string> pins;
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
    // Whether the lists above were made: not against a bare-board netlist,
    // whose names are cut short. Its nets are matched by their pins alone.
    bool namesCompared = true;

    // The nets by their pins, whatever they are called (Connectivity.h):
    std::vector<NetGroup> joinedNets;  // a net of NEW and the nets of OLD it joins
    std::vector<NetGroup> splitNets;   // a net of OLD and the nets of NEW it is split into
    std::vector<MovedPin> movedPins;
    std::vector<NetPins> pinsOnlyBefore;  // connected in OLD, in no net of NEW
    std::vector<NetPins> pinsOnlyAfter;
    // Most of the pins under another name: a hint, not a difference.
    std::vector<NetPair> probablyRenamed;

    std::size_t countChangedByPinCount() const;
    std::size_t countComponents(bool added, bool removed) const;
    static std::size_t countPins(const std::vector<NetPins>& nets);
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
