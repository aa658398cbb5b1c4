#include "report/ReportTarget.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "report/ReportFile.h"

namespace netlist {
namespace {

// The most symbolic links the kernel follows in one lookup.
constexpr int kMaxLinks = 40;

[[noreturn]] void refuse(const std::string& reportPath, const std::string& why) {
    throw ReportFileError(reportPath + ": cannot be written: " + why);
}

// The kernel's protected_symlinks rule, applied whatever the system's
// setting: a link in a sticky folder that everyone may write to is followed
// only when this user or the folder's owner owns it, so that no other user
// of a shared folder can send the report elsewhere.
bool mayFollow(const struct stat& link, const struct stat& folder) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

// Adds the parts of path to the parts still to walk, which are kept in
// reverse order: the next one is at the back.
void pushParts(std::string_view path, std::vector<std::string>& parts) {
    std::vector<std::string> forward;
    while (!path.empty()) {
        const std::size_t end = std::min(path.find('/'), path.size());
        if (end > 0) forward.emplace_back(path.substr(0, end));
        path.remove_prefix(std::min(end + 1, path.size()));
    }
    parts.insert(parts.end(), forward.rbegin(), forward.rend());
}

std::string join(const std::string& folder, const std::string& part) {
    return folder == "/" ? folder + part : folder + "/" + part;
}

std::string readLink(const std::string& reportPath, const std::string& link) {
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target);
    if (length < 0) refuse(reportPath, std::strerror(errno));
    if (static_cast<std::size_t>(length) == sizeof target)
        refuse(reportPath, std::strerror(ENAMETOOLONG));
    return std::string(target, static_cast<std::size_t>(length));
}

// Walks reportPath a part at a time, as the kernel's lookup does, following
// symbolic links where the kernel's rule allows, and returns the path of the
// file it names, with no link left in it.
std::string followAsTheKernelDoes(const std::string& reportPath) {
    std::vector<std::string> parts;
    pushParts(reportPath, parts);
    std::string folder = reportPath.starts_with('/') ? "/" : ".";
    int links = 0;
    while (!parts.empty()) {
        const std::string part = std::move(parts.back());
        parts.pop_back();
        if (part == ".") continue;
        std::string path = join(folder, part);
        if (part == "..") {
            folder = path;
            continue;
        }
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT && parts.empty()) return path;  // the report is new
            refuse(reportPath, std::strerror(errno));
        }
        if (S_ISLNK(status.st_mode)) {
            if (++links > kMaxLinks) refuse(reportPath, std::strerror(ELOOP));
            struct stat folderStatus {};
            if (::stat(folder.c_str(), &folderStatus) != 0)
                refuse(reportPath, std::strerror(errno));
            if (!mayFollow(status, folderStatus))
                refuse(reportPath, path +
                                       " is a symbolic link that another user made in a shared "
                                       "folder (sticky, writable by everyone); the system follows "
                                       "such a link only for its owner or the folder's owner");
            const std::string target = readLink(reportPath, path);
            if (target.starts_with('/')) folder = "/";
            pushParts(target, parts);
            continue;
        }
        if (parts.empty()) return path;
        if (!S_ISDIR(status.st_mode)) refuse(reportPath, std::strerror(ENOTDIR));
        folder = path;
    }
    return folder;
}

const char* kindOf(mode_t mode) {
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

// The file-creation mask, read without changing it: setting it to read it
// would, for that moment, leave files that other threads create unprotected.
mode_t fileCreationMask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("Umask:"))
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return mask;
}

}  // namespace

ReportTarget ResolveReportTarget(const std::string& reportPath) {
    ReportTarget target;
    target.path = followAsTheKernelDoes(reportPath);
    target.directory = target.path.substr(0, target.path.rfind('/') + 1);
    struct stat status {};
    if (::lstat(target.path.c_str(), &status) != 0) {
        if (errno != ENOENT) refuse(reportPath, std::strerror(errno));
        return target;
    }
    if (S_ISDIR(status.st_mode)) refuse(reportPath, "it is a folder");
    if (!S_ISREG(status.st_mode))
        refuse(reportPath, std::string("it is ") + kindOf(status.st_mode) +
                               ", and a report replaces only a regular file");
    if ((status.st_mode & 0222) == 0) refuse(reportPath, "the file is read-only");
    // What a redirect needs: leave to write to the file itself.
    if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
        refuse(reportPath, std::strerror(errno));
    target.existing = ReplacedFacts{status.st_mode & 0777u, status.st_uid, status.st_gid};
    return target;
}

int CreatePrivateFile(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
}

int MatchReplacedFile(int fd, const ReportTarget& target) {
    if (!target.existing) return ::fchmod(fd, 0666 & ~fileCreationMask()) == 0 ? 0 : errno;
    const ReplacedFacts& old = *target.existing;
    mode_t mode = old.mode;
    struct stat now {};
    if (::fstat(fd, &now) != 0) return errno;
    const auto owner = static_cast<uid_t>(old.owner);
    const auto group = static_cast<gid_t>(old.group);
    if (now.st_uid != owner || now.st_gid != group) {
        // Only root may give a file away; anyone may give their file to a
        // group they belong to. A report whose group cannot be kept shows
        // nothing to its new group that the old one could read.
        if (::fchown(fd, owner, group) != 0 && ::fchown(fd, static_cast<uid_t>(-1), group) != 0 &&
            now.st_gid != group)
            mode &= ~static_cast<mode_t>(S_IRWXG);
    }
    return ::fchmod(fd, mode) == 0 ? 0 : errno;
}

long WriteSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

int SyncToDisk(int fd) {
    return ::fsync(fd);
}

int CloseFile(int fd) {
    return ::close(fd);
}

int ProcessId() {
    return static_cast<int>(::getpid());
}

// A folder that cannot be synced is no reason to call the report unwritten.
void SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace netlist
