#include "design/files/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>

#if !defined(_WIN32)
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "design/files/DesignFileError.h"

namespace netlist {
namespace {

#if !defined(_WIN32)
// A mapped file that another program cuts short while we parse it makes the
// pages past its new end fault with SIGBUS. Rather than die of the signal,
// the run says which file changed and stops as for any faulty design file;
// no report has been started at that point, so nothing is lost.
char faultMessage[4200];
std::size_t faultMessageSize = 0;
struct sigaction previousBusAction {};
int mappingsAlive = 0;

extern "C" void onBusFault(int) {
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, faultMessage, faultMessageSize);
    ::_exit(kDesignFileFaultExitCode);
}

void watchMapping(const std::filesystem::path& path) {
    const std::string message = "netlist-report: " + path.string() +
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
    if (--mappingsAlive == 0) sigaction(SIGBUS, &previousBusAction, nullptr);
}
#endif

}  // namespace

FileBytes::FileBytes(FileBytes&& other) noexcept
    : mapped_(std::exchange(other.mapped_, nullptr)),
      buffer_(std::move(other.buffer_)),
      size_(std::exchange(other.size_, 0)),
      text_(std::move(other.text_)) {}

FileBytes::~FileBytes() {
#if !defined(_WIN32)
    if (mapped_) {
        munmap(const_cast<char*>(mapped_), size_);
        unwatchMapping();
    }
#endif
}

std::string_view FileBytes::view() const {
    if (mapped_) return {mapped_, size_};
    return buffer_ ? std::string_view(buffer_.get(), size_) : std::string_view(text_);
}

// Where the system offers it, a file is mapped rather than read: its pages
// come straight from the system's file cache, while reading would fault in
// fresh memory and copy the file into it, which for a board of megabytes
// costs about a third of the time its parsing does. Otherwise the file is
// read into a buffer that is not cleared first.
FileBytes FileBytes::read(const std::filesystem::path& path, std::uintmax_t limit) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw DesignFileError(path.string() + ": is a folder, not a design file");
    const auto tooLarge = [&] {
        return DesignFileError(path.string() + ": is larger than " + std::to_string(limit >> 20) +
                               " MiB, more than any design file");
    };
    FileBytes bytes;
    if (bytes.map(path, limit)) return bytes;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
    const bool regular = std::filesystem::is_regular_file(path, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(path, error) : 0;
    if (regular && !error && size > limit) throw tooLarge();
    if (regular && !error && size > 0) {
        bytes.buffer_ = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size));
        in.read(bytes.buffer_.get(), static_cast<std::streamsize>(size));
        bytes.size_ = static_cast<std::size_t>(in.gcount());
    } else {
        // No size up front (a pipe, a device such as /dev/zero): read to the
        // end, but never past the limit.
        char chunk[1 << 16];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            const auto got = static_cast<std::size_t>(in.gcount());
            if (bytes.text_.size() + got > limit) throw tooLarge();
            bytes.text_.append(chunk, got);
        }
    }
    if (in.bad())
        throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
    return bytes;
}

// Maps a regular file that is neither empty nor too large; any other file,
// and any failure, is left to the reading that follows, which gives the
// messages.
bool FileBytes::map([[maybe_unused]] const std::filesystem::path& path,
                    [[maybe_unused]] std::uintmax_t limit) {
#if defined(_WIN32)
    return false;
#else
    // Only a regular file is opened here: opening and closing a pipe would
    // drop what its writer has sent and leave the writer a closed pipe.
    // O_NONBLOCK keeps a file that turned into a pipe meanwhile from
    // blocking; fstat below turns it away.
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return false;
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file < 0) return false;
    struct stat status {};
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
    if (address == MAP_FAILED) return false;
    watchMapping(path);
    size_ = static_cast<std::size_t>(status.st_size);
    mapped_ = static_cast<const char*>(address);
    return true;
#endif
}

}  // namespace netlist
