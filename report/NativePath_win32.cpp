#include "design/Windows1252.h"
#include "report/NativePath.h"

namespace netlist {

std::string NativePathFromUtf8(std::string_view utf8) {
    return Utf8ToWindows1252(utf8);
}

std::string NativePathToUtf8(std::string_view nativePath) {
    return Windows1252ToUtf8(nativePath);
}

}  // namespace netlist
