#include "app/ServedDesign.h"

// No host application on Linux: the design is a file or the sample.
namespace netlist {

std::unique_ptr<DesignLibrary> HostDesignLibrary() {
    return nullptr;
}

std::filesystem::path ArgumentPath(const std::string& utf8) {
    return std::filesystem::path(utf8);
}

}  // namespace netlist
