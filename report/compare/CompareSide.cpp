#include "report/compare/CompareSide.h"

#include <chrono>
#include <fstream>
#include <new>
#include <stdexcept>

#include "design/files/DesignFileLoader.h"
#include "design/files/FileBytes.h"
#include "design/standin/StandInLibrary.h"
#include "report/LocaleDateTime.h"
#include "report/compare/ReportReader.h"

namespace netlist {
namespace {

// Enough of a file to tell what it is.
constexpr std::size_t kHeadBytes = 1 << 16;

constexpr char kTooLargeForMemory[] =
    "cannot be read: there is not enough memory for all that it holds";

// The start of a file, to tell what it is.
std::string readHead(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(kHeadBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(kHeadBytes));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

SnapshotResult LoadCompareSide(const std::filesystem::path& path, ReportsAccepted reports) {
    try {
        // Read once: a pipe gives its bytes only once.
        const FileBytes bytes = FileBytes::read(path);
        const std::string_view content = bytes.view();
        if (reports == ReportsAccepted::Yes) {
            const std::string_view head = content.substr(0, kHeadBytes);
            // Other S-expression files get the design reader's word on what they are.
            const std::size_t first = head.find_first_not_of(" \t\r\n");
            const bool sExpression = first != std::string::npos && head[first] == '(';
            if (DetectDesignFileFormat(head) == DesignFileFormat::Unknown &&
                (LooksLikeReport(head) || !sExpression)) {
                SnapshotResult result;
                result.snapshot = ReadReport(content, path.string());
                return result;
            }
        }
        StandInLibrary library(LoadDesignContent(content, path));
        SnapshotResult result = TakeSnapshot(library);
        result.snapshot.bareBoardNetlist =
            DesignFileFormatOf(content, path) == DesignFileFormat::IpcNetlist;
        result.snapshot.date = FileDateText(path);
        return result;
    } catch (const std::bad_alloc&) {
        throw DesignFileError(path.string() + ": " + kTooLargeForMemory);
    } catch (const std::length_error&) {
        throw DesignFileError(path.string() + ": " + kTooLargeForMemory);
    }
}

std::string FileDateText(const std::filesystem::path& path) {
    std::error_code error;
    const auto changed = std::filesystem::last_write_time(path, error);
    if (error) return {};
    return LocaleDateTimeText(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(changed)));
}

bool IsDesignFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    return DetectDesignFileFormat(readHead(path)) != DesignFileFormat::Unknown;
}

}  // namespace netlist
