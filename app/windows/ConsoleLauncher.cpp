// netlist-report.com: the console side of netlist-report.exe. The .exe is a
// GUI program, so that a start from Explorer or a shortcut shows no console;
// a console or a script that types "netlist-report" runs this .com first
// (PATHEXT lists .COM before .EXE), which starts the .exe beside it with the
// same arguments and the same standard handles, waits for it and returns its
// exit code.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/ExitCodes.h"
#include "app/Messages.h"

namespace {

// The command line after the program's own name, split the way the C runtime
// splits argv[0]: up to the first blank outside double quotes.
const wchar_t* argumentsAfterProgramName(const wchar_t* line) {
    bool quoted = false;
    for (; *line != L'\0'; ++line) {
        if (*line == L'"') {
            quoted = !quoted;
        } else if (!quoted && (*line == L' ' || *line == L'\t')) {
            break;
        }
    }
    while (*line == L' ' || *line == L'\t') ++line;
    return line;
}

std::wstring programBesideUs() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return L"netlist-report.exe";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return path + L"netlist-report.exe";
}

// Ctrl-C and Ctrl-Break reach the .exe too, which decides; we stay to hand
// back its exit code. A handler, not SetConsoleCtrlHandler(nullptr, TRUE),
// since children would inherit the latter.
BOOL WINAPI keepWaiting(DWORD event) {
    return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
}

HANDLE inheritable(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
        SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }
    return handle;
}

}  // namespace

int main() {
    const std::wstring program = programBesideUs();
    std::wstring commandLine =
        L"\"" + program + L"\" " + argumentsAfterProgramName(GetCommandLineW());

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritable(STD_INPUT_HANDLE);
    startup.hStdOutput = inheritable(STD_OUTPUT_HANDLE);
    startup.hStdError = inheritable(STD_ERROR_HANDLE);
    PROCESS_INFORMATION child{};
    SetConsoleCtrlHandler(keepWaiting, TRUE);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &child)) {
        const DWORD error = GetLastError();
        std::fprintf(stderr, "%scannot start %ls (Windows error %lu)\n", netlist::kMessagePrefix,
                     program.c_str(), static_cast<unsigned long>(error));
        return netlist::exitcode::kReportNotWritten;
    }
    CloseHandle(child.hThread);
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD exitCode = netlist::exitcode::kReportNotWritten;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hProcess);
    return static_cast<int>(exitCode);
}
