#include "report/ReportFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "report/InterruptCleanup.h"
#include "report/ReportTarget.h"

namespace netlist {

void RefuseToReplaceTheDesign(const std::string& targetPath, const std::string& designPath,
                              std::string_view whatItIs) {
    namespace fs = std::filesystem;
    std::error_code error;
    bool same = fs::equivalent(targetPath, designPath, error) && !error;
    if (!same) {
        // Neither file exists yet, or only one does: the spelled-out paths tell.
        std::error_code targetError;
        std::error_code designError;
        const fs::path target = fs::weakly_canonical(targetPath, targetError);
        const fs::path design = fs::weakly_canonical(designPath, designError);
        same = !targetError && !designError && target == design;
    }
    if (same)
        throw ReportFileError(targetPath + ": cannot be written: it is " + std::string(whatItIs) +
                              ", which the report would replace");
}

ReportFile::ReportFile(std::string targetPath)
    : targetPath_(std::move(targetPath)), target_(ResolveReportTarget(targetPath_)) {
    static std::atomic<unsigned> counter{0};
    const std::string name = target_.path.substr(target_.directory.size());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath_ = target_.directory + "." + name + "." + std::to_string(ProcessId()) + "-" +
                         std::to_string(counter++) + ".tmp";
        // Readable by its owner alone until it is complete: a private
        // report never shows to others while it is written.
        descriptor_ = CreatePrivateFile(temporaryPath_);
        if (descriptor_ >= 0) {
            cleanupSlot_ = RemoveWhenInterrupted(temporaryPath_);
            return;
        }
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
    if (descriptor_ >= 0) CloseFile(descriptor_);
    descriptor_ = -1;
    if (!temporaryPath_.empty()) std::remove(temporaryPath_.c_str());
    temporaryPath_.clear();
    ReleaseInterruptCleanup(cleanupSlot_);
    cleanupSlot_ = -1;
}

void ReportFile::fail(const std::string& what, int error) {
    discard();
    throw ReportFileError(targetPath_ + ": " + what + ": " + std::strerror(error));
}

void ReportFile::write(std::string_view bytes) {
    if (descriptor_ < 0) throw ReportFileError(targetPath_ + ": the report is not open");
    while (!bytes.empty()) {
        const long written = WriteSome(descriptor_, bytes.data(), bytes.size());
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
    if (const int error = MatchReplacedFile(descriptor_, target_))
        fail("cannot keep the permissions of the report it replaces", error);
    if (SyncToDisk(descriptor_) != 0) fail("cannot be written", errno);
    const int fd = descriptor_;
    descriptor_ = -1;
    if (CloseFile(fd) != 0) fail("cannot be written", errno);
    std::error_code error;
    std::filesystem::rename(temporaryPath_, target_.path, error);
    if (error) {
        discard();
        throw ReportFileError(targetPath_ + ": cannot be replaced: " + error.message());
    }
    temporaryPath_.clear();
    ReleaseInterruptCleanup(cleanupSlot_);
    cleanupSlot_ = -1;
    SyncDirectory(target_.directory);
}

}  // namespace netlist
