// On Windows the report opens in the system text editor, started with the
// command line the report's users know, in a normal window brought to the
// front.
#include <windows.h>

#include "platform/windows/WindowsError.h"
#include "report/ViewerLaunch.h"

namespace netlist {
namespace {

// How long the editor may take to show its window before it is left to come
// up on its own.
constexpr DWORD kEditorStartMilliseconds = 5000;

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK takeProcessWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
        return TRUE;
    search.found = window;
    return FALSE;
}

void activateWindowOf(const PROCESS_INFORMATION& process) {
    WaitForInputIdle(process.hProcess, kEditorStartMilliseconds);
    WindowSearch search{process.dwProcessId, nullptr};
    EnumWindows(takeProcessWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) SetForegroundWindow(search.found);
}

}  // namespace

std::string ViewerArgument(const std::string& reportPath) {
    std::string argument = reportPath;
    if (argument.starts_with('/')) argument.front() = '\\';
    return argument;
}

ViewerLaunch LaunchViewer(const std::string& reportPath) {
    // Two blanks, and the path unquoted, as the editor has always been called.
    std::string commandLine = "notepad.EXE  " + ViewerArgument(reportPath);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    ViewerLaunch launch;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        launch.error = "the report could not be opened in the text editor: notepad.EXE: " +
                       WindowsErrorText(GetLastError());
        return launch;
    }
    activateWindowOf(process);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    launch.started = true;
    return launch;
}

}  // namespace netlist
