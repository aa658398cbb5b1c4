#include "platform/windows/Utf8CommandLine.h"

#include <windows.h>
// shellapi.h builds on the declarations of windows.h.
#include <shellapi.h>

#include "platform/windows/WideText.h"

namespace netlist {

Utf8CommandLine::Utf8CommandLine() {
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) arguments_.push_back(Utf16ToUtf8(wide[i]));
        LocalFree(wide);
    }
    for (std::string& argument : arguments_) pointers_.push_back(argument.data());
    pointers_.push_back(nullptr);
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(Utf8ToUtf16(utf8));
}

}  // namespace netlist
