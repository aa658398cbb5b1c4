#include "report/ReportFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace netlist {
namespace {

#ifdef _WIN32
int openExclusive(const std::string& path) {
    return ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long writeSome(int fd, const char* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(size));
}
int syncToDisk(int fd) {
    return ::_commit(fd);
}
int closeFile(int fd) {
    return ::_close(fd);
}
int processId() {
    return ::_getpid();
}
void syncDirectory(const std::string&) {}
// A report is replaced under the name it is given.
std::string followLinks(const std::string& path) {
    return path;
}
// The only permission a file has here is the read-only attribute, and a
// read-only report is refused before it is replaced: nothing to keep.
int keepPermissions(int, const std::string&) {
    return 0;
}
#else
int openExclusive(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long writeSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
int syncToDisk(int fd) {
    return ::fsync(fd);
}
int closeFile(int fd) {
    return ::close(fd);
}
int processId() {
    return static_cast<int>(::getpid());
}
// Makes the rename itself durable; a folder that cannot be synced is no
// reason to call the report unwritten.
void syncDirectory(const std::string& directory) {
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
// Where writing through a symbolic link would land. Relative links count from
// the folder of the link.
std::string followLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current(path);
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) return current.string();
        const fs::path next = fs::read_symlink(current, error);
        if (error) return current.string();
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    throw ReportFileError(path + ": cannot be written: " + std::strerror(ELOOP));
}
// The replaced file's permission bits, for the file that replaces it.
int keepPermissions(int fd, const std::string& replacedPath) {
    struct stat replaced {};
    if (::stat(replacedPath.c_str(), &replaced) != 0 || !S_ISREG(replaced.st_mode)) return 0;
    return ::fchmod(fd, replaced.st_mode & 07777);
}
#endif

bool isSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// The folder part of a path, with its trailing separator; empty for a bare name.
std::string directoryOf(const std::string& path) {
    std::size_t end = path.size();
    while (end > 0 && !isSeparator(path[end - 1])) --end;
    return path.substr(0, end);
}

bool isReadOnly(const std::filesystem::file_status& status) {
    using std::filesystem::perms;
    return (status.permissions() &
            (perms::owner_write | perms::group_write | perms::others_write)) == perms::none;
}

}  // namespace

void RefuseToReplaceTheDesign(const std::string& targetPath, const std::string& designPath) {
    namespace fs = std::filesystem;
    std::error_code error;
    bool same = fs::equivalent(targetPath, designPath, error) && !error;
    if (!same) {
        // Neither file exists yet, or only one does: the spelled-out paths tell.
        std::error_code targetError;
        std::error_code designError;
        const fs::path target = fs::weakly_canonical(targetPath, targetError);
        const fs::path design = fs::weakly_canonical(designPath, designError);
        same = !targetError && !designError && target == design;
    }
    if (same)
        throw ReportFileError(targetPath +
                              ": cannot be written: it is the design file itself, which the "
                              "report would replace");
}

ReportFile::ReportFile(std::string targetPath)
    : targetPath_(std::move(targetPath)), replacedPath_(followLinks(targetPath_)) {
    std::error_code ignored;
    const auto status = std::filesystem::status(targetPath_, ignored);
    if (std::filesystem::is_directory(status))
        throw ReportFileError(targetPath_ + ": cannot be written: it is a folder");
    if (std::filesystem::exists(status) && isReadOnly(status))
        throw ReportFileError(targetPath_ + ": cannot be written: the file is read-only");

    static std::atomic<unsigned> counter{0};
    const std::string directory = directoryOf(replacedPath_);
    const std::string name = replacedPath_.substr(directory.size());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath_ = directory + "." + name + "." + std::to_string(processId()) + "-" +
                         std::to_string(counter++) + ".tmp";
        descriptor_ = openExclusive(temporaryPath_);
        if (descriptor_ >= 0) return;
        if (errno != EEXIST) break;
    }
    const int error = errno;
    temporaryPath_.clear();
    throw ReportFileError(targetPath_ + ": cannot be written: " + std::strerror(error));
}

ReportFile::~ReportFile() {
    discard();
}

void ReportFile::discard() noexcept {
    if (descriptor_ >= 0) closeFile(descriptor_);
    descriptor_ = -1;
    if (!temporaryPath_.empty()) std::remove(temporaryPath_.c_str());
    temporaryPath_.clear();
}

void ReportFile::fail(const std::string& what, int error) {
    discard();
    throw ReportFileError(targetPath_ + ": " + what + ": " + std::strerror(error));
}

void ReportFile::write(std::string_view bytes) {
    if (descriptor_ < 0) throw ReportFileError(targetPath_ + ": the report is not open");
    while (!bytes.empty()) {
        const long written = writeSome(descriptor_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            fail("cannot be written", errno);
        }
        if (written == 0) fail("cannot be written", ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void ReportFile::commit() {
    if (descriptor_ < 0) throw ReportFileError(targetPath_ + ": the report is not open");
    if (keepPermissions(descriptor_, replacedPath_) != 0)
        fail("cannot keep the permissions of the report it replaces", errno);
    if (syncToDisk(descriptor_) != 0) fail("cannot be written", errno);
    const int fd = descriptor_;
    descriptor_ = -1;
    if (closeFile(fd) != 0) fail("cannot be written", errno);
    std::error_code error;
    std::filesystem::rename(temporaryPath_, replacedPath_, error);
    if (error) {
        discard();
        throw ReportFileError(targetPath_ + ": cannot be replaced: " + error.message());
    }
    temporaryPath_.clear();
    syncDirectory(directoryOf(replacedPath_));
}

}  // namespace netlist
