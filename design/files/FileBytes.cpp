#include "design/files/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <utility>

#include "design/files/DesignFileError.h"
#include "design/files/FileMapping.h"

namespace netlist {

FileBytes::FileBytes(FileBytes&& other) noexcept
    : mapped_(std::exchange(other.mapped_, nullptr)),
      buffer_(std::move(other.buffer_)),
      size_(std::exchange(other.size_, 0)),
      text_(std::move(other.text_)) {}

FileBytes::~FileBytes() {
    if (mapped_) UnmapFile({mapped_, size_});
}

std::string_view FileBytes::view() const {
    if (mapped_) return {mapped_, size_};
    return buffer_ ? std::string_view(buffer_.get(), size_) : std::string_view(text_);
}

// Where the system offers it, a file is mapped rather than read: for a board
// of megabytes reading costs about a third of the time its parsing does.
// Otherwise the file is read into a buffer that is not cleared first.
FileBytes FileBytes::read(const std::filesystem::path& path, std::uintmax_t limit) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw DesignFileError(path.string() + ": is a folder, not a design file");
    const auto tooLarge = [&] {
        return DesignFileError(path.string() + ": is larger than " + std::to_string(limit >> 20) +
                               " MiB, more than any design file");
    };
    FileBytes bytes;
    if (const FileMapping mapping = MapFile(path, limit); mapping.data) {
        bytes.mapped_ = mapping.data;
        bytes.size_ = mapping.size;
        return bytes;
    }
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

}  // namespace netlist
