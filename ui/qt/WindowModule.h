// The Qt window lives in a module of its own, netlist-report-window.so, that
// the program loads only when it shows the window: --batch, --help,
// --version and --compare then start without Qt and its libraries. These are
// the module's entry points, free of Qt so the program can name them.
#pragma once

#include "design/DesignLibrary.h"
#include "report/RunChoices.h"
#include "ui/DesignChoice.h"

namespace netlist {

// The module's file name and the names under which it exports its entries.
// The names change with the entries' types, so that a module of another
// version is refused rather than called wrongly.
inline constexpr const char* kWindowModuleName = "netlist-report-window.so";
inline constexpr const char* kWindowEntryName = "netlist_report_run_window_2";
inline constexpr const char* kFailureBoxEntryName = "netlist_report_show_failure_1";

// RunWindow of ui/qt/RunWindow.h: shows the main window over the library with
// the command line's choices preset and returns the program's exit code.
using WindowEntry = int (*)(int argc, char** argv, DesignLibrary& library,
                            const RunChoices& choices, const DesignChoice& designChoice);
// ShowFailureBox of ui/qt/FailureBox.h: a start-up failure's UTF-8 text in a
// message box; returns when the user closed it.
using FailureBoxEntry = void (*)(const char* text);

struct WindowModule {
    WindowEntry runWindow = nullptr;
    FailureBoxEntry showFailure = nullptr;
    explicit operator bool() const { return runWindow && showFailure; }
};

}  // namespace netlist
