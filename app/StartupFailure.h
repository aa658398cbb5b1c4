// A failure that stops the program before its window shows. Its message goes
// to stderr. A program started from a desktop menu, a file manager or
// Explorer has nobody reading stderr and would simply not appear, so there
// (no terminal, a display to show on, and not --batch) the message is also
// shown in a message box titled with the program's name, with a line on what
// to do. The caller's exit code does not change.
#pragma once

#include <string>

namespace netlist {

enum class StartupFailure {
    DesignFileRefused,    // the design file named cannot be served
    HostLibraryMissing,   // the host's library or one of its operations cannot be had
    WindowModuleMissing,  // the window cannot be loaded; the batch mode follows
};

// message is UTF-8 and names what failed; the stderr line is
// kMessagePrefix and the message.
void ReportStartupFailure(StartupFailure failure, const std::string& message, bool batch);

// The message box's text: the message, then what to do.
std::string StartupFailureBoxText(StartupFailure failure, const std::string& message);

// Platform parts (FailureBox.cpp and its Win32 twin).
// Whether nobody would read stderr: no terminal, no console, no redirection,
// and a display to show a box on.
bool StartedWithoutTerminal();
// Shows the UTF-8 text in a message box titled "netlist-report" and waits
// until the user closes it; shows nothing when there is no way to.
void ShowFailureBox(const std::string& text);

}  // namespace netlist
