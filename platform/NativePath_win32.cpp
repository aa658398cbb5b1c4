#include "platform/NativePath.h"
#include "platform/Windows1252.h"

namespace netlist {

std::string NativePathFromUtf8(std::string_view utf8) {
    return Utf8ToWindows1252(utf8);
}

std::string NativePathToUtf8(std::string_view nativePath) {
    return Windows1252ToUtf8(nativePath);
}

// The ANSI code page is taken to be Windows-1252: the path is the file
// system's as it stands.
std::string NativeFileSystemPath(std::string_view windows1252Path) {
    return std::string(windows1252Path);
}

std::string NativeTextToWindows1252(std::string_view nativeText) {
    return std::string(nativeText);
}

bool BackslashIsPartOfNames() {
    return false;
}

}  // namespace netlist
