#include "report/ReportFolderRule.h"

#include "design/files/DesignFileError.h"
#include "platform/NativePath.h"
#include "platform/Windows1252.h"
#include "report/ReportPaths.h"

namespace netlist {

void RefuseForeignReportFolder(const std::string& designPath,
                               const std::filesystem::path& designFile) {
    namespace fs = std::filesystem;
    const ReportNames names = DeriveReportNames(designPath);
    const std::string& folderText = names.reportDirectory;
    // The report path's folder has no trailing separator, which Windows
    // refuses in the path of a folder it is asked about.
    fs::path folder = fs::path(NativeFileSystemPath(names.reportPath)).parent_path();
    if (folder.empty()) folder = ".";
    const fs::path designFolder =
        designFile.has_parent_path() ? designFile.parent_path() : fs::path(".");
    // The same folder under any spelling, through links too; one that does
    // not exist is none of them.
    std::error_code error;
    if (fs::equivalent(folder, designFolder, error) || fs::equivalent(folder, ".", error)) return;
    throw DesignFileError(
        designFile.string() + ": the design path \"" + Windows1252ToUtf8(designPath) +
        "\" would put the report in " +
        (folderText.empty() ? "the current folder" : "\"" + Windows1252ToUtf8(folderText) + "\"") +
        ", which is neither the design file's folder nor the current folder; a "
        "design file may put its report only there");
}

}  // namespace netlist
