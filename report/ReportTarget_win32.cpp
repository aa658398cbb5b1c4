#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <filesystem>

#include "report/ReportFile.h"
#include "report/ReportTarget.h"

namespace netlist {
namespace {

[[noreturn]] void refuse(const std::string& reportPath, const std::string& why) {
    throw ReportFileError(reportPath + ": cannot be written: " + why);
}

}  // namespace

// A report is replaced under the name it is given. The only permission a
// file has here is the read-only attribute, and a read-only report is
// refused: there is nothing to keep.
ReportTarget ResolveReportTarget(const std::string& reportPath) {
    namespace fs = std::filesystem;
    ReportTarget target;
    target.path = reportPath;
    target.directory = reportPath.substr(0, reportPath.find_last_of("\\/") + 1);
    std::error_code ignored;
    const fs::file_status status = fs::status(reportPath, ignored);
    if (!fs::exists(status)) return target;
    if (fs::is_directory(status)) refuse(reportPath, "it is a folder");
    if (!fs::is_regular_file(status))
        refuse(reportPath, "it is not a regular file, and a report replaces only regular files");
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        refuse(reportPath, "the file is read-only");
    target.existing = ReplacedFacts{};
    return target;
}

int CreatePrivateFile(const std::string& path) {
    return ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

int MatchReplacedFile(int, const ReportTarget&) {
    return 0;
}

long WriteSome(int fd, const char* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(size));
}

int SyncToDisk(int fd) {
    return ::_commit(fd);
}

int CloseFile(int fd) {
    return ::_close(fd);
}

int ProcessId() {
    return ::_getpid();
}

void SyncDirectory(const std::string&) {}

}  // namespace netlist
