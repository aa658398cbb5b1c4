#include "design/files/FileMapping.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace netlist {
namespace {

// The message is made when a file is mapped, so that the signal handler only
// writes bytes. No report has been started while a design file is parsed, so
// nothing is lost.
char faultMessage[4200];
std::size_t faultMessageSize = 0;
std::string messagePrefix;
int faultExitCode = -1;  // no guard
struct sigaction previousBusAction {};
int mappingsAlive = 0;

extern "C" void onBusFault(int) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, faultMessage, faultMessageSize);
    ::_exit(faultExitCode);
}

void watchMapping(const std::filesystem::path& path) {
    if (faultExitCode < 0) return;
    const std::string message = messagePrefix + path.string() +
                                ": the file changed while it was being read, and no report was "
                                "written: run again once the file is saved\n";
    faultMessageSize = std::min(message.size(), sizeof faultMessage);
    std::memcpy(faultMessage, message.data(), faultMessageSize);
    if (mappingsAlive++ > 0) return;
    struct sigaction action {};
    action.sa_handler = onBusFault;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &previousBusAction);
}

void unwatchMapping() {
    if (faultExitCode < 0) return;
    if (--mappingsAlive == 0) sigaction(SIGBUS, &previousBusAction, nullptr);
}

}  // namespace

void EndProcessOnMappedFileCutShort(std::string_view prefix, int exitCode) {
    messagePrefix = prefix;
    faultExitCode = exitCode;
}

FileMapping MapFile(const std::filesystem::path& path, std::uintmax_t limit) {
    // Only a regular file is opened here: opening a pipe and closing it again
    // would leave its writer, blocked until then, writing to no reader.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return {};
    void* address = MAP_FAILED;
    if (fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
        static_cast<std::uintmax_t>(status.st_size) <= limit) {
        int flags = MAP_PRIVATE;
#if defined(MAP_POPULATE)
        flags |= MAP_POPULATE;  // all pages at once rather than a fault per few
#endif
        address =
            mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, flags, file, 0);
    }
    ::close(file);
    if (address == MAP_FAILED) return {};
    watchMapping(path);
    return {static_cast<const char*>(address), static_cast<std::size_t>(status.st_size)};
}

void UnmapFile(const FileMapping& mapping) {
    if (!mapping.data) return;
    munmap(const_cast<char*>(mapping.data), mapping.size);
    unwatchMapping();
}

}  // namespace netlist
