#include "report/NativePath.h"

namespace netlist {

std::string NativePathFromUtf8(std::string_view utf8) {
    return std::string(utf8);
}

std::string NativePathToUtf8(std::string_view nativePath) {
    return std::string(nativePath);
}

}  // namespace netlist
