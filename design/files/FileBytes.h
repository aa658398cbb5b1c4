// The bytes of a design file, read or mapped, for the readers to parse in
// place.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace netlist {

// The exit code of a run that stops because its design file is faulty; the
// program's other exit codes are the command line's business.
inline constexpr int kDesignFileFaultExitCode = 3;

class FileBytes {
  public:
    // Throws DesignFileError when the file cannot be read.
    static FileBytes read(const std::filesystem::path& path);

    FileBytes(FileBytes&&) noexcept;
    FileBytes& operator=(FileBytes&&) = delete;
    ~FileBytes();

    std::string_view view() const;

  private:
    FileBytes() = default;
    bool map(const std::filesystem::path& path);

    const char* mapped_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::string text_;
};

}  // namespace netlist
