// The files of a comparison: either side read from a design file through the
// stand-in library, the old side also from a report.
#pragma once

#include <filesystem>
#include <string>

#include "report/compare/DesignSnapshot.h"

namespace netlist {

enum class ReportsAccepted { No, Yes };

// Throws DesignFileError when the file cannot be read or is neither a design
// file nor (where accepted) a report of this program. A design that the
// library refuses gives its status.
SnapshotResult LoadCompareSide(const std::filesystem::path& path, ReportsAccepted reports);

// The file's last change as the report's "Date" line writes a time; empty
// when the file has none.
std::string FileDateText(const std::filesystem::path& path);

// Whether the file exists and holds a design the program reads.
bool IsDesignFile(const std::filesystem::path& path);

}  // namespace netlist
