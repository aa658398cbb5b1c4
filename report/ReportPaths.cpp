#include "report/ReportPaths.h"

namespace netlist {

std::size_t FileNameStart(std::string_view path) {
    // Designs made on Windows carry "\" paths wherever they are served from.
    const std::size_t last = path.find_last_of("\\/");
    return last == std::string_view::npos ? 0 : last + 1;
}

std::string DesignFileNameShown(std::string_view designPath) {
    return std::string(designPath.substr(FileNameStart(designPath), kDesignFileNameShown));
}

ReportNames DeriveReportNames(std::string_view designPath, std::string_view extension) {
    const std::size_t start = FileNameStart(designPath);
    const std::string_view wholeName = designPath.substr(start);
    ReportNames names;
    names.designFileName = std::string(wholeName.substr(0, kDesignFileNameShown));
    const std::size_t dot = wholeName.find('.');
    if (dot != std::string_view::npos)
        names.reportFileName = std::string(wholeName.substr(0, dot + 1)).append(extension);
    else
        names.reportFileName = std::string(wholeName).append(".").append(extension);
    names.reportDirectory = std::string(designPath.substr(0, start));
    names.reportPath = names.reportDirectory + names.reportFileName;
    return names;
}

}  // namespace netlist
