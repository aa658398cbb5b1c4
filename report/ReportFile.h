// A file that replaces its target only when it is complete. The bytes go to a
// temporary file beside the target; commit() flushes them to the disk and
// renames the temporary file over the target in one step. Until then, and
// whenever anything fails, the target keeps its previous contents and the
// temporary file is removed.
//
// Only what a plain redirect by the same user could write is replaced, and
// only a regular file: ReportTarget.h finds the file, following symbolic
// links as the system would for this user. A file that exists keeps its
// permission bits, and its owner and group where the user may set them; the
// temporary file is readable by its owner alone until it is complete, and a
// run stopped by a signal removes it.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "report/ReportTarget.h"

namespace netlist {

// Why a report file could not be written; the message names the file.
class ReportFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws ReportFileError when targetPath is the design file itself, under the
// same or another spelling or through a link: the report would replace the
// design it was made from. whatItIs names designPath in the message.
void RefuseToReplaceTheDesign(const std::string& targetPath, const std::string& designPath,
                              std::string_view whatItIs = "the design file itself");

class ReportFile {
  public:
    // Creates the temporary file; throws ReportFileError when the target's
    // folder is missing or not writable, or the target may not be replaced.
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
    ReportTarget target_;  // the file replaced: the target, or where its links lead
    std::string temporaryPath_;
    int descriptor_ = -1;
    int cleanupSlot_ = -1;
};

}  // namespace netlist
