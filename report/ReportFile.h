// A file that replaces its target only when it is complete. The bytes go to a
// temporary file beside the target; commit() flushes them to the disk and
// renames the temporary file over the target in one step. Until then, and
// whenever anything fails, the target keeps its previous contents and the
// temporary file is removed.
//
// A target that exists keeps its permission bits. On Linux a target that is
// a symbolic link is written through: the temporary file goes beside the
// file the link leads to and replaces that file, so the link stays a link.
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

// Throws ReportFileError when targetPath is the design file itself, under the
// same or another spelling or through a link: the report would replace the
// design it was made from.
void RefuseToReplaceTheDesign(const std::string& targetPath, const std::string& designPath);

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
    std::string replacedPath_;  // the target, or the file its links lead to
    std::string temporaryPath_;
    int descriptor_ = -1;
};

}  // namespace netlist
