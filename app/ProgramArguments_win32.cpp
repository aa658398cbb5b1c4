#include <windows.h>

#include <cstdio>

#include "app/ProgramArguments.h"
#include "platform/windows/Utf8CommandLine.h"

namespace netlist {
namespace {

// The program is a GUI program, so that a start from Explorer or a shortcut
// shows no console. Consoles and scripts run netlist-report.com, which hands
// us its standard handles and waits; those that name netlist-report.exe
// itself give us their console's handles or none. Console handles work once
// we are attached to that console; without any, messages such as --help go to
// the console we were started from, if there is one.
bool usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

void reachCallersConsole() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    const bool haveOutput = usable(output) && usable(error);
    const bool consoleHandles = (usable(output) && GetFileType(output) == FILE_TYPE_CHAR) ||
                                (usable(error) && GetFileType(error) == FILE_TYPE_CHAR);
    if (haveOutput && !consoleHandles) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!usable(output)) std::freopen("CONOUT$", "w", stdout);
    if (!usable(error)) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

// The C runtime's arguments are in the ANSI code page; the wide command line
// is read instead.
ProgramArguments::ProgramArguments(int, char**) {
    reachCallersConsole();
    Utf8CommandLine utf8;
    arguments_.assign(utf8.argv(), utf8.argv() + utf8.argc());
    for (std::string& argument : arguments_) pointers_.push_back(argument.data());
    pointers_.push_back(nullptr);
}

}  // namespace netlist
