#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "design/files/DesignFileError.h"

namespace netlist {

// The designPath the stand-in serves for a design file that names none: its
// absolute path in Windows-1252, or its path from the current folder when
// only that fits. Throws DesignFileError when neither can travel in the
// record's 100-character field unchanged: the report is written beside the
// design path, and a cut or altered path would put it elsewhere.
std::string ServedDesignPath(const std::filesystem::path& path);

// Why a design path (Windows-1252) cannot be served as it stands: it holds a
// control character, which would go into the report's name and the
// messages, or it is longer than the record's field, which would cut it and
// send the report to another folder. Nothing when it can be served.
std::optional<std::string> DesignPathFault(std::string_view windows1252Path);

}  // namespace netlist
