// Loads a design file of any supported format into what the stand-in library
// serves. The format is told by the file's content, not by its name; only a
// file that no format claims is read as an IPC-D-356 netlist when its name
// says it is one, for that reader's message on where it goes wrong.
#pragma once

#include <filesystem>
#include <string_view>

#include "design/DesignData.h"
#include "design/files/DesignFileError.h"

namespace netlist {

enum class DesignFileFormat { Json, KicadBoard, KicadNetlist, IpcNetlist, Unknown };

DesignFileFormat DetectDesignFileFormat(std::string_view content);
// The format a file is read as: as told by its content, or, when no format
// claims it, an IPC-D-356 netlist by its name.
DesignFileFormat DesignFileFormatOf(std::string_view content, const std::filesystem::path& path);

// A design as read, with the format it was read as.
struct LoadedDesign {
    DesignData design;
    DesignFileFormat format = DesignFileFormat::Unknown;
};

// Throws DesignFileError when the file cannot be read or is not a valid
// design of a known format; also when it is too large for the memory at hand.
LoadedDesign LoadDesign(const std::filesystem::path& path);
// The same for a file's content read already; path names it in messages.
LoadedDesign LoadDesign(std::string_view content, const std::filesystem::path& path);

// The design alone, for callers to whom the format does not matter.
DesignData LoadDesignFile(const std::filesystem::path& path);
DesignData LoadDesignContent(std::string_view content, const std::filesystem::path& path);

}  // namespace netlist
