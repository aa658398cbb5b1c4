// What a report file already in place says about the design it was made
// from, so that a run can tell when it replaces the report of another design
// that shares the report's name (amp.rev-b.pcb and amp.rev-c.pcb both give
// amp.wrf).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace netlist {

// The "Design Name" of the report at reportPath (a native path), as its
// header line holds it (Windows-1252, trailing blanks trimmed); nothing when
// there is no such file or it is not a report of this program.
std::optional<std::string> DesignNamedByReport(const std::string& reportPath);

// Whether two design names, as report headers show them, name different
// designs. Case does not count: on Windows names that differ only in case
// are the same file.
bool AreOtherDesigns(std::string_view reportedName, std::string_view designName);

}  // namespace netlist
