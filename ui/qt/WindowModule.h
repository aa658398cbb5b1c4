// The Qt window lives in a module of its own, netlist-report-window.so, that
// the program loads only when it shows the window: --batch, --help,
// --version and --compare then start without Qt and its libraries. This is
// the module's one entry point, free of Qt so the program can name it.
#pragma once

#include "design/DesignLibrary.h"
#include "report/RunChoices.h"

namespace netlist {

// The module's file name and the name under which it exports its entry.
inline constexpr const char* kWindowModuleName = "netlist-report-window.so";
inline constexpr const char* kWindowEntryName = "netlist_report_run_window";

// RunWindow of ui/qt/RunWindow.h: shows the main window over the library with
// the command line's choices preset and returns the program's exit code.
using WindowEntry = int (*)(int argc, char** argv, DesignLibrary& library,
                            const RunChoices& choices);

}  // namespace netlist
