// Reads a JSON design file (UTF-8). Texts come out in Windows-1252.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "design/files/DesignFileError.h"
#include "design/standin/DesignData.h"

namespace netlist {

// path is the file's name for messages and the default designPath.
// Throws DesignFileError naming the file, the place and the fault.
DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path);

// The same for a design that is no file of its own, such as the built-in
// sample: path only names it in messages, and a design that names no
// designPath is served under defaultDesignPath as it stands.
DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path,
                          std::string defaultDesignPath);

}  // namespace netlist
