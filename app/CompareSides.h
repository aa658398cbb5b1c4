// The two sides of a compare run: the old one a design file or an earlier
// report of this program, the new one the design that a report run serves.
#pragma once

#include <filesystem>

#include "app/CommandLine.h"
#include "report/compare/DesignSnapshot.h"

namespace netlist {

// Throws DesignFileError when the file cannot be read or is neither a design
// file nor a report of this program. A design that the library refuses gives
// its status.
SnapshotResult OldCompareSide(const std::filesystem::path& file);

// The design file named on the command line, else the host's design or the
// sample, chosen as for a report run. Throws DesignFileError or
// HostLibraryError.
SnapshotResult NewCompareSide(const CommandLine& options);

// Whether the file exists and holds a design the program reads.
bool IsDesignFile(const std::filesystem::path& path);

}  // namespace netlist
