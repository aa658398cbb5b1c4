// A file that replaces its target only when it is complete. The bytes go to a
// temporary file beside the target; commit() flushes them to the disk and
// renames the temporary file over the target in one step. Until then, and
// whenever anything fails, the target keeps its previous contents and the
// temporary file is removed.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace netlist {

// Why a report file could not be written; the message names the file.
class ReportFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ReportFile {
  public:
    // Creates the temporary file; throws ReportFileError when the target's
    // folder is missing or not writable, or the target is read-only.
    explicit ReportFile(std::string targetPath);
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;
    // Without a commit the target stays as it was.
    ~ReportFile();

    void write(std::string_view bytes);
    void commit();

  private:
    [[noreturn]] void fail(const std::string& what, int error);
    void discard() noexcept;

    std::string targetPath_;
    std::string temporaryPath_;
    int descriptor_ = -1;
};

}  // namespace netlist
