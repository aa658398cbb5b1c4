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

ReportFile::ReportFile(std::string targetPath) : targetPath_(std::move(targetPath)) {
    std::error_code ignored;
    const auto status = std::filesystem::status(targetPath_, ignored);
    if (std::filesystem::is_directory(status))
        throw ReportFileError(targetPath_ + ": cannot be written: it is a folder");
    if (std::filesystem::exists(status) && isReadOnly(status))
        throw ReportFileError(targetPath_ + ": cannot be written: the file is read-only");

    static std::atomic<unsigned> counter{0};
    const std::string directory = directoryOf(targetPath_);
    const std::string name = targetPath_.substr(directory.size());
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
    if (syncToDisk(descriptor_) != 0) fail("cannot be written", errno);
    const int fd = descriptor_;
    descriptor_ = -1;
    if (closeFile(fd) != 0) fail("cannot be written", errno);
    std::error_code error;
    std::filesystem::rename(temporaryPath_, targetPath_, error);
    if (error) {
        discard();
        throw ReportFileError(targetPath_ + ": cannot be replaced: " + error.message());
    }
    temporaryPath_.clear();
    syncDirectory(directoryOf(targetPath_));
}

}  // namespace netlist
