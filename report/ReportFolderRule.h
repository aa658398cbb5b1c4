// Where a design file may send its report. A design file names its design
// path itself, and with it the report's folder; one received from someone
// else could otherwise create or replace a report in any folder the user can
// write to. The report may go only to the design file's own folder or to the
// current folder, whichever way the design path spells them.
#pragma once

#include <filesystem>
#include <string>

namespace netlist {

// Throws DesignFileError, naming the design file and the rule, when the
// report of designPath (Windows-1252, as served) would go to any other
// folder, or to one that does not exist.
void RefuseForeignReportFolder(const std::string& designPath,
                               const std::filesystem::path& designFile);

}  // namespace netlist
