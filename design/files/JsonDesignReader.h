// Reads a JSON design file (UTF-8). Texts come out in Windows-1252.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "design/DesignData.h"
#include "design/files/DesignFileError.h"

namespace netlist {

// path is the file's name for messages and the default designPath.
// Throws DesignFileError naming the file, the place and the fault.
// A design that is no file of its own, such as the built-in sample, gives
// defaultDesignPath: it is served as it stands when the design names none.
DesignData ReadJsonDesign(std::string_view content, const std::filesystem::path& path,
                          const std::optional<std::string>& defaultDesignPath = std::nullopt);

// The two readers ReadJsonDesign runs, apart for the tests that hold them to
// agree. The fast one gives nothing when it is not sure of the file (see
// json/FastDesignReader.h); the thorough one reads every file, refusing as
// ReadJsonDesign does.
std::optional<DesignData> ReadWellFormedJsonDesign(
    std::string_view content, const std::filesystem::path& path,
    const std::optional<std::string>& defaultDesignPath = std::nullopt);
DesignData ReadJsonDesignThoroughly(
    std::string_view content, const std::filesystem::path& path,
    const std::optional<std::string>& defaultDesignPath = std::nullopt);

}  // namespace netlist
