// The bytes of a design file, read or mapped, for the readers to parse in
// place.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace netlist {

// The most a design file, or a report read back, may hold.
inline constexpr std::uintmax_t kMaxDesignFileBytes = std::uintmax_t{1} << 30;

class FileBytes {
  public:
    // Throws DesignFileError when the file cannot be read, or holds more than
    // limit bytes; a file of no known size (a pipe, a device) is read only up
    // to that point.
    static FileBytes read(const std::filesystem::path& path,
                          std::uintmax_t limit = kMaxDesignFileBytes);

    FileBytes(FileBytes&&) noexcept;
    FileBytes& operator=(FileBytes&&) = delete;
    ~FileBytes();

    std::string_view view() const;

  private:
    FileBytes() = default;

    const char* mapped_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::string text_;
};

}  // namespace netlist
