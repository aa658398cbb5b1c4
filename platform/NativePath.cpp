#include "platform/NativePath.h"

#include <algorithm>

#include "platform/Windows1252.h"

namespace netlist {

std::string NativePathFromUtf8(std::string_view utf8) {
    return std::string(utf8);
}

std::string NativePathToUtf8(std::string_view nativePath) {
    return std::string(nativePath);
}

std::string NativeFileSystemPath(std::string_view windows1252Path) {
    std::string path = Windows1252ToUtf8(windows1252Path);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string NativeTextToWindows1252(std::string_view nativeText) {
    return Utf8ToWindows1252(nativeText);
}

bool BackslashIsPartOfNames() {
    return true;
}

}  // namespace netlist
