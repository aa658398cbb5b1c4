#pragma once

#include <filesystem>
#include <string>

#include "design/files/DesignFileError.h"

namespace netlist {

// The designPath the stand-in serves for a design file that names none: its
// absolute path in Windows-1252, or its path from the current folder when
// only that fits. Throws DesignFileError when neither can travel in the
// record's 100-character field unchanged: the report is written beside the
// design path, and a cut or altered path would put it elsewhere.
std::string ServedDesignPath(const std::filesystem::path& path);

}  // namespace netlist
