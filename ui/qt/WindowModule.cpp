// The entry points of netlist-report-window.so. The module carries its own
// copy of the report engine; everything but these entries is hidden, so the
// copy never meets the program's.
#include "ui/qt/WindowModule.h"

#include "ui/qt/FailureBox.h"
#include "ui/qt/RunWindow.h"

extern "C" __attribute__((visibility("default"))) int netlist_report_run_window_2(
    int argc, char** argv, netlist::DesignLibrary& library, const netlist::RunChoices& choices,
    const netlist::DesignChoice& designChoice) {
    return netlist::RunWindow(argc, argv, library, choices, designChoice);
}

extern "C" __attribute__((visibility("default"))) void netlist_report_show_failure_1(
    const char* text) {
    netlist::ShowFailureBox(QString::fromUtf8(text));
}

namespace {
// The program finds the entries by name and calls them with these types.
[[maybe_unused]] constexpr netlist::WindowEntry kEntryHasTheProgramsType =
    &netlist_report_run_window_2;
[[maybe_unused]] constexpr netlist::FailureBoxEntry kFailureEntryHasTheProgramsType =
    &netlist_report_show_failure_1;
}  // namespace
