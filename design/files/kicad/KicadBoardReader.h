// Reads a KiCad board file (.kicad_pcb) into the design the stand-in serves
// as a board. Texts come out in Windows-1252.
#pragma once

#include <filesystem>
#include <string_view>

#include "design/DesignData.h"
#include "design/files/DesignFileError.h"

namespace netlist {

// path is the file's name for messages and the served designPath. Throws
// DesignFileError naming the file, the line and column, and the fault.
DesignData ReadKicadBoard(std::string_view content, const std::filesystem::path& path);

}  // namespace netlist
