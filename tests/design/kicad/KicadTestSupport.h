// Shared helpers of the KiCad reader tests.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "design/DesignData.h"

namespace netlist::test {

// A file under tests/design/kicad/data/.
std::filesystem::path DataFile(std::string_view name);

// The boards of the kicad-demos package, sorted; empty when it is absent.
std::vector<std::filesystem::path> DemoBoards();
std::filesystem::path DemoBoard(std::string_view relativePath);

// The net of that (Windows-1252) name; fails the test when there is none.
const DesignNet& NetNamed(const DesignData& design, std::string_view name);
// A net's nodes as "REF-PIN" texts, in the order they are served.
std::vector<std::string> Pins(const DesignNet& net);
std::vector<std::string> NetNames(const DesignData& design);
// The layers of copper: of type 0 (signal) or 1 (plane).
std::size_t CopperLayers(const DesignData& design);

}  // namespace netlist::test
