// KiCad's own files that hold a design but not its nets in a form the program
// reads: the project (.kicad_pro) and the schematic (.kicad_sch). Users reach
// for these first, so the messages say what to give instead.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace netlist {

// For a KiCad schematic: export a netlist, or give the board beside it.
std::string KicadSchematicMessage(const std::filesystem::path& path);

// For a KiCad project: give the board beside it, or a netlist export. A
// project is JSON like the program's own designs and is told by its name;
// nothing for a file of any other name.
std::optional<std::string> KicadProjectMessage(const std::filesystem::path& path);

}  // namespace netlist
