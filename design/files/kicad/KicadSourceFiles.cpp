#include "design/files/kicad/KicadSourceFiles.h"

#include <system_error>

namespace netlist {
namespace {

constexpr char kNetlistExport[] =
    "in KiCad's schematic editor: File > Export > Netlist, in KiCad's format";

// The board KiCad keeps beside a project or schematic of the same name.
std::optional<std::filesystem::path> boardBeside(const std::filesystem::path& path) {
    std::filesystem::path board = path;
    board.replace_extension(".kicad_pcb");
    std::error_code error;
    if (std::filesystem::is_regular_file(board, error)) return board;
    return std::nullopt;
}

}  // namespace

std::string KicadSchematicMessage(const std::filesystem::path& path) {
    const std::optional<std::filesystem::path> board = boardBeside(path);
    return path.string() + ": is a KiCad schematic, which is not read directly: export its " +
           "netlist (" + kNetlistExport + ") and give that .net file" +
           (board ? ", or give the board " + board->string() : std::string());
}

std::optional<std::string> KicadProjectMessage(const std::filesystem::path& path) {
    if (path.extension() != ".kicad_pro") return std::nullopt;
    const std::optional<std::filesystem::path> board = boardBeside(path);
    return path.string() + ": is a KiCad project, which holds no nets: give its board " +
           (board ? board->string() : std::string("(.kicad_pcb)")) +
           ", or a netlist exported from its schematic (" + kNetlistExport + ")";
}

}  // namespace netlist
