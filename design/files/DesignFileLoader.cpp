#include "design/files/DesignFileLoader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "design/files/JsonDesignReader.h"

namespace netlist {
namespace {

std::string readWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw DesignFileError(path.string() + ": is a folder, not a design file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
    return std::move(content).str();
}

std::string_view skipLeadingSpace(std::string_view content) {
    if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);  // UTF-8 byte order mark
    const std::size_t first = content.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view{} : content.substr(first);
}

}  // namespace

DesignFileFormat DetectDesignFileFormat(std::string_view content) {
    const std::string_view start = skipLeadingSpace(content);
    if (!start.empty() && start.front() == '{') return DesignFileFormat::Json;
    return DesignFileFormat::Unknown;
}

DesignData LoadDesignFile(const std::filesystem::path& path) {
    const std::string content = readWholeFile(path);
    switch (DetectDesignFileFormat(content)) {
        case DesignFileFormat::Json:
            return ReadJsonDesign(content, path);
        case DesignFileFormat::Unknown:
            break;
    }
    throw DesignFileError(path.string() +
                          ": not a design file: expected a JSON design (starting with \"{\")");
}

}  // namespace netlist
