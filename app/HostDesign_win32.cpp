#include "app/ServedDesign.h"
#include "design/windows/HostLibrary.h"
#include "platform/windows/Utf8CommandLine.h"

namespace netlist {

std::unique_ptr<DesignLibrary> HostDesignLibrary() {
    return std::make_unique<HostLibrary>();
}

std::filesystem::path ArgumentPath(const std::string& utf8) {
    return PathFromUtf8(utf8);
}

}  // namespace netlist
