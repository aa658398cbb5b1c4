// Which design the program serves, decided here once for the window, the
// batch run and the compare run: the design file named on the command line,
// else the host application's (Windows), else the built-in sample.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "design/DesignLibrary.h"
#include "ui/DesignChoice.h"

namespace netlist {

struct ServedDesign {
    std::unique_ptr<DesignLibrary> library;
    // What the window offers: Open and dropped files unless the host
    // application chooses the design, and the file served.
    DesignChoice choice;
    // An IPC-D-356 bare-board netlist, whose nets a compare matches by their
    // pins.
    bool bareBoardNetlist = false;
    bool hostChooses() const { return !choice.open; }
};

// designFile is the command line's (UTF-8). Throws DesignFileError when the
// file is refused, HostLibraryError when the host's library cannot be had.
ServedDesign ServeDesign(const std::optional<std::string>& designFile);

// A design file's content, read already, served as the command line's file
// is, for a compare's old side: nothing is written beside it, so its report
// folder is not checked, and no window offers another file.
ServedDesign ServeDesignContent(std::string_view content, const std::filesystem::path& file);

// The command line's path text as the file system's path.
std::filesystem::path ArgumentPath(const std::string& utf8);

// The host application's library, or none where the platform has no host.
// Per platform (HostDesign.cpp, HostDesign_win32.cpp). Throws HostLibraryError.
std::unique_ptr<DesignLibrary> HostDesignLibrary();

}  // namespace netlist
