// Reads an IPC-D-356 or IPC-D-356A netlist, the bare-board test netlist that
// board tools export for the fab, into the design the stand-in serves as a
// board: the pads of each net, the parts they belong to and their sides.
// Texts come out in Windows-1252.
#pragma once

#include <filesystem>
#include <string_view>

#include "design/DesignData.h"
#include "design/files/DesignFileError.h"

namespace netlist {

// Whether a text starts as such a netlist does: comment records ("C" and a
// blank), then a parameter record ("P" and a blank), a feature record (317,
// 327, 367) or the end record (999).
bool LooksLikeIpcNetlist(std::string_view content);

// Whether a file name carries one of the extensions such netlists are given
// (.ipc, .d356, .356, in any case).
bool HasIpcNetlistExtension(const std::filesystem::path& path);

// path is the file's name for messages and the served designPath. Throws
// DesignFileError naming the file, the line and column, and the fault.
DesignData ReadIpcNetlist(std::string_view content, const std::filesystem::path& path);

}  // namespace netlist
