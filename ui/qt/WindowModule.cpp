// The entry point of netlist-report-window.so. The module carries its own copy
// of the report engine; everything but this entry is hidden, so the copy never
// meets the program's.
#include "ui/qt/WindowModule.h"

#include "ui/qt/RunWindow.h"

extern "C" __attribute__((visibility("default"))) int netlist_report_run_window(
    int argc, char** argv, netlist::DesignLibrary& library, const netlist::RunChoices& choices) {
    return netlist::RunWindow(argc, argv, library, choices);
}

namespace {
// The program finds the entry by name and calls it as a WindowEntry.
[[maybe_unused]] constexpr netlist::WindowEntry kEntryHasTheProgramsType =
    &netlist_report_run_window;
}  // namespace
