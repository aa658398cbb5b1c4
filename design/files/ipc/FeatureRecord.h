// A feature record of an IPC-D-356 netlist (317 plated through-hole, 327
// surface pad, 367 unplated hole): its fields at their fixed columns, read
// and checked so that a shifted or damaged record is refused with its place.
#pragma once

#include <optional>
#include <string_view>

#include "design/files/ipc/RecordFile.h"

namespace netlist::ipc {

enum class FeatureKind { PlatedHole, SurfacePad, UnplatedHole };

struct Feature {
    FeatureKind kind = FeatureKind::PlatedHole;
    std::string_view netName;  // columns 4-17, blanks trimmed; "N/C" as written
    std::string_view refDes;   // columns 21-26
    std::string_view pin;      // columns 28-31
    int access = 0;            // 0 both sides, 1 the primary side, N the layer N
};

// The operation code of a feature record, for records that are one.
std::optional<FeatureKind> FeatureKindOf(const Record& record);

// Throws DesignFileError through file when a field holds what the format
// does not allow there. What follows column 71 (the solder mask field and
// whatever some writers put beyond column 80) is not read.
Feature ReadFeature(const Record& record, FeatureKind kind, const RecordFile& file);

}  // namespace netlist::ipc
