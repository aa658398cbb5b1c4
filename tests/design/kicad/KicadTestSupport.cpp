#include "tests/design/kicad/KicadTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace netlist::test {

namespace fs = std::filesystem;

fs::path DataFile(std::string_view name) {
    return fs::path(NETLIST_TEST_DATA) / "design" / "kicad" / "data" / name;
}

namespace {
const fs::path kDemoFolder = "/usr/share/kicad/demos";
}

std::vector<fs::path> DemoBoards() {
    std::vector<fs::path> boards;
    std::error_code error;
    if (!fs::is_directory(kDemoFolder, error)) return boards;
    for (const auto& entry : fs::recursive_directory_iterator(kDemoFolder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".kicad_pcb")
            boards.push_back(entry.path());
    std::sort(boards.begin(), boards.end());
    return boards;
}

fs::path DemoBoard(std::string_view relativePath) {
    return kDemoFolder / relativePath;
}

const DesignNet& NetNamed(const DesignData& design, std::string_view name) {
    for (const DesignNet& net : design.nets)
        if (net.name == name) return net;
    ADD_FAILURE() << "no net named " << name;
    static const DesignNet none;
    return none;
}

std::vector<std::string> Pins(const DesignNet& net) {
    std::vector<std::string> pins;
    for (const DesignNode& node : net.nodes) pins.push_back(node.refDes + "-" + node.pinDes);
    return pins;
}

std::vector<std::string> NetNames(const DesignData& design) {
    std::vector<std::string> names;
    for (const DesignNet& net : design.nets) names.push_back(net.name);
    return names;
}

std::size_t CopperLayers(const DesignData& design) {
    return static_cast<std::size_t>(
        std::count_if(design.layers.begin(), design.layers.end(),
                      [](const DesignLayer& layer) { return layer.type == 0 || layer.type == 1; }));
}

}  // namespace netlist::test
