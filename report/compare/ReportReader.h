// Reads a report this program wrote back into what it shows: the header's
// facts and counts, and each net with its pin count, its pins and its length.
#pragma once

#include <string>
#include <string_view>

#include "report/compare/DesignSnapshot.h"

namespace netlist {

// The first line of every report: how a report is told from a design file.
bool LooksLikeReport(std::string_view content);

// content is the report's bytes (Windows-1252). Pins are read by the layout
// the writer gives them (see PinLayout.h); a net whose pin lines leave the
// cut between two texts in doubt is marked pinsAmbiguous.
// Throws DesignFileError, naming fileName, the line and the column, when the
// content is not a complete report of this program.
DesignSnapshot ReadReport(std::string_view content, const std::string& fileName);

}  // namespace netlist
