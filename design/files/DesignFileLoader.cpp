#include "design/files/DesignFileLoader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "design/files/JsonDesignReader.h"
#include "design/files/kicad/KicadBoardReader.h"
#include "design/files/kicad/KicadNetlistReader.h"

namespace netlist {
namespace {

constexpr std::uintmax_t kMaxDesignFileBytes = std::uintmax_t{1} << 30;

std::string readWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw DesignFileError(path.string() + ": is a folder, not a design file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
    // Boards run to megabytes: read them in one piece rather than through a
    // growing stream buffer. What has no size up front (a pipe) is read to
    // its end.
    std::string content;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxDesignFileBytes)
        throw DesignFileError(path.string() + ": is larger than " +
                              std::to_string(kMaxDesignFileBytes >> 20) +
                              " MiB, more than any design file");
    if (!error && size > 0) {
        content.resize(static_cast<std::size_t>(size));
        in.read(content.data(), static_cast<std::streamsize>(size));
        content.resize(static_cast<std::size_t>(in.gcount()));
    } else {
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (in.bad())
        throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
    return content;
}

std::string_view skipLeadingSpace(std::string_view content) {
    if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);  // UTF-8 byte order mark
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
    return DesignFileFormat::Unknown;
}

DesignData LoadDesignFile(const std::filesystem::path& path) {
    const std::string content = readWholeFile(path);
    switch (DetectDesignFileFormat(content)) {
        case DesignFileFormat::Json:
            return ReadJsonDesign(content, path);
        case DesignFileFormat::KicadBoard:
            return ReadKicadBoard(content, path);
        case DesignFileFormat::KicadNetlist:
            return ReadKicadNetlist(content, path);
        case DesignFileFormat::Unknown:
            break;
    }
    if (leadingListHead(content) == "kicad_sch")
        throw DesignFileError(path.string() +
                              ": is a KiCad schematic, which is not read directly: export its "
                              "netlist in KiCad's S-expression form (.net) and give that file");
    if (skipLeadingSpace(content).empty())
        throw DesignFileError(path.string() + ": is empty, not a design file");
    throw DesignFileError(path.string() +
                          ": not a design file: expected a JSON design (starting with \"{\"), a "
                          "KiCad board (starting with \"(kicad_pcb\") or a KiCad netlist export "
                          "(starting with \"(export\")");
}

}  // namespace netlist
