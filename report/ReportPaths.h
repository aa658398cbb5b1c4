// Where a design's report goes: the design file's name, the report's name and
// folder. Paths are Windows-1252 text, as the design library gives them.
// Both "\" and "/" separate folders on every platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace netlist {

// The design file name shows at most this many characters.
inline constexpr std::size_t kDesignFileNameShown = 25;

struct ReportNames {
    std::string designFileName;   // shown: at most 25 characters
    std::string reportFileName;   // e.g. amp.wrf for amp.pcb
    std::string reportDirectory;  // with its trailing separator; empty for a bare name
    std::string reportPath;       // directory and file name
};

// Position after the last directory separator (0 when there is none).
std::size_t FileNameStart(std::string_view path);

// The design file name as captions and the header show it: the text after
// the last separator, cut to 25 characters.
std::string DesignFileNameShown(std::string_view designPath);

// The report is named after the whole design file name, not the 25
// characters shown: its part up to and including the first ".", then "wrf".
// A name without "." (the empty one too) gets ".wrf" appended, so that designs whose names
// differ only after their first 25 characters, or that have no extension,
// never share one report. The compare report is named the same way with its
// own extension.
ReportNames DeriveReportNames(std::string_view designPath, std::string_view extension = "wrf");

}  // namespace netlist
