// The start-up failure box on Windows: a message box of the system's own.
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/StartupFailure.h"
#include "platform/windows/WideText.h"

namespace netlist {

// Started from Explorer or a shortcut the program has no standard error:
// none was handed to it and there was no console to attach to (main.cpp).
bool StartedWithoutTerminal() {
    const int descriptor = _fileno(stderr);
    if (descriptor < 0) return true;
    const std::intptr_t handle = _get_osfhandle(descriptor);
    // -2: the C runtime's mark for a stream with no handle behind it.
    return handle == -1 || handle == -2 || handle == 0;
}

void ShowFailureBox(const std::string& text) {
    MessageBoxW(nullptr, Utf8ToUtf16(text).c_str(), L"netlist-report",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace netlist
