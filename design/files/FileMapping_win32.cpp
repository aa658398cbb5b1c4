#include "design/files/FileMapping.h"

// Windows: design files are read, not mapped.
namespace netlist {

FileMapping MapFile(const std::filesystem::path&, std::uintmax_t) {
    return {};
}

void UnmapFile(const FileMapping&) {}

void EndProcessOnMappedFileCutShort(std::string_view, int) {}

}  // namespace netlist
