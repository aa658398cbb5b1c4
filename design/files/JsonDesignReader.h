// Reads a JSON design file (UTF-8). Texts come out in Windows-1252.
#pragma once

#include <filesystem>
#include <string_view>

#include "design/files/DesignFileError.h"
#include "design/standin/DesignData.h"

namespace netlist {

// path is the file's name for messages and the default designPath.
// Throws DesignFileError naming the file, the place and the fault.
DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path);

}  // namespace netlist
