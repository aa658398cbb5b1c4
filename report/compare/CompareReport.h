// The compare report: both sides' facts side by side, then what differs, in
// the report's columns and net order, and a last line counting each kind of
// difference.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "report/compare/DesignDiff.h"
#include "report/compare/DesignSnapshot.h"

namespace netlist {

struct CompareReportInput {
    const DesignSnapshot& before;
    const DesignSnapshot& after;
    const DesignDiff& diff;
    std::string beforeFile;  // the files' names as given, Windows-1252
    std::string afterFile;
    std::string dateTimeText;  // when the comparison ran
    // The lengths asked for: database units per shown unit, and the unit.
    std::optional<std::int32_t> lengthUnits;
    std::string lengthUnitName;
};

// Writes the compare report to path (a native file-system path) as reports
// are written: Windows-1252, CR LF, complete or not at all. Throws
// ReportFileError.
void WriteCompareReport(const std::string& path, const CompareReportInput& input);

}  // namespace netlist
