#include "design/files/DesignFileLoader.h"

#include <new>
#include <stdexcept>

#include "design/files/FileBytes.h"
#include "design/files/JsonDesignReader.h"
#include "design/files/SourcePlace.h"
#include "design/files/ipc/IpcNetlistReader.h"
#include "design/files/kicad/KicadBoardReader.h"
#include "design/files/kicad/KicadNetlistReader.h"
#include "design/files/kicad/KicadSourceFiles.h"

namespace netlist {
namespace {

std::string_view skipLeadingSpace(std::string_view content) {
    if (content.starts_with(files::kByteOrderMark))
        content.remove_prefix(files::kByteOrderMark.size());
    const std::size_t first = content.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view{} : content.substr(first);
}

// The first word of an S-expression text: "kicad_pcb" for "(kicad_pcb ...".
std::string_view leadingListHead(std::string_view content) {
    std::string_view start = skipLeadingSpace(content);
    if (start.empty() || start.front() != '(') return {};
    start = skipLeadingSpace(start.substr(1));
    const std::size_t end = start.find_first_of(" \t\r\n()\"");
    return start.substr(0, end);
}

}  // namespace

DesignFileFormat DetectDesignFileFormat(std::string_view content) {
    const std::string_view start = skipLeadingSpace(content);
    if (!start.empty() && start.front() == '{') return DesignFileFormat::Json;
    const std::string_view head = leadingListHead(content);
    if (head == "kicad_pcb") return DesignFileFormat::KicadBoard;
    if (head == "export") return DesignFileFormat::KicadNetlist;
    if (LooksLikeIpcNetlist(content)) return DesignFileFormat::IpcNetlist;
    return DesignFileFormat::Unknown;
}

DesignFileFormat DesignFileFormatOf(std::string_view content, const std::filesystem::path& path) {
    const DesignFileFormat format = DetectDesignFileFormat(content);
    if (format == DesignFileFormat::Unknown && HasIpcNetlistExtension(path))
        return DesignFileFormat::IpcNetlist;
    return format;
}

LoadedDesign LoadDesign(const std::filesystem::path& path) {
    try {
        const FileBytes bytes = FileBytes::read(path);
        return LoadDesign(bytes.view(), path);
    } catch (const std::bad_alloc&) {
        throw TooLargeForMemory(path);
    } catch (const std::length_error&) {
        throw TooLargeForMemory(path);
    }
}

LoadedDesign LoadDesign(std::string_view content, const std::filesystem::path& path) {
    return {LoadDesignContent(content, path), DesignFileFormatOf(content, path)};
}

DesignData LoadDesignFile(const std::filesystem::path& path) {
    return LoadDesign(path).design;
}

DesignData LoadDesignContent(std::string_view content, const std::filesystem::path& path) {
    switch (DetectDesignFileFormat(content)) {
        case DesignFileFormat::Json:
            try {
                return ReadJsonDesign(content, path);
            } catch (const DesignFileError&) {
                if (const auto project = KicadProjectMessage(path)) throw DesignFileError(*project);
                throw;
            }
        case DesignFileFormat::KicadBoard:
            return ReadKicadBoard(content, path);
        case DesignFileFormat::KicadNetlist:
            return ReadKicadNetlist(content, path);
        case DesignFileFormat::IpcNetlist:
            return ReadIpcNetlist(content, path);
        case DesignFileFormat::Unknown:
            break;
    }
    if (leadingListHead(content) == "kicad_sch") throw DesignFileError(KicadSchematicMessage(path));
    if (skipLeadingSpace(content).empty())
        throw DesignFileError(path.string() + ": is empty, not a design file");
    // Named as a fab netlist: its reader says where the records go wrong.
    if (HasIpcNetlistExtension(path)) return ReadIpcNetlist(content, path);
    throw DesignFileError(path.string() +
                          ": not a design file: expected a JSON design (starting with \"{\"), a "
                          "KiCad board (starting with \"(kicad_pcb\"), a KiCad netlist export "
                          "(starting with \"(export\") or an IPC-D-356 netlist");
}

}  // namespace netlist
