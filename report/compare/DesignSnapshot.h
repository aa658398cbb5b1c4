// One side of a comparison: what a report of the design shows, held in
// memory. Taken from a design through the design library, or read back from
// a report this program wrote. Texts are Windows-1252, trimmed as the report
// prints them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/DesignLibrary.h"
#include "report/compare/PinList.h"

namespace netlist {

struct SnapshotNet {
    std::string name;
    std::int32_t pinCount = 0;  // the net's node count, as the report's "Pins" column
    PinList pins;               // "RefDes-PinDes", in the order listed
    // Routed length in database units; none for schematics and for reports
    // written without lengths.
    std::optional<std::int64_t> length;
    // Read back from a report where a pin text of 12 or more characters
    // leaves the cut between pins in doubt: only pinCount can be trusted.
    bool pinsAmbiguous = false;
};

struct SnapshotComponent {
    std::string refDes;
    std::int32_t padCount = 0;
};

struct DesignSnapshot {
    bool fromReport = false;
    // Read from a bare-board test netlist (IPC-D-356): a board without
    // lengths, whose names, references and pins the file cuts short.
    bool bareBoardNetlist = false;
    std::string kind;  // "Pcb", "Schmatic" or "", as the report's title line shows it
    std::string designPath;
    std::string designName;  // as the report's "Design Name" line shows it
    std::string title;
    std::string revision;
    std::string date;  // a report's "Date" line; for a design, its file's time
    std::optional<std::int64_t> componentCount;
    std::string pads;  // "120 Top Side= 94 Bottom Side= 26"
    std::int64_t netCount = 0;
    std::optional<std::int64_t> connectedPins;
    std::optional<std::int64_t> layers;  // boards only
    std::vector<SnapshotNet> nets;       // in the library's (or the report's) order
    // A report states lengths to a hundredth of its unit: the database units
    // of that unit. Zero for a design, whose lengths are exact.
    std::int32_t statedLengthUnits = 0;
    // Designs only: a report lists no components.
    std::vector<SnapshotComponent> components;

    bool isBoard() const { return kind == "Pcb"; }
};

// Opens the design as the window does at start-up (board first, then
// schematic) and reads everything a report would show, closing the session
// at the end. Returns the status that stopped it when the design cannot be
// opened or its design information cannot be read.
struct SnapshotResult {
    std::int32_t status = 0;
    DesignSnapshot snapshot;
};
SnapshotResult TakeSnapshot(DesignLibrary& library);

}  // namespace netlist
