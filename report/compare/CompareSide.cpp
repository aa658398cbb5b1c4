#include "report/compare/CompareSide.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>

#include "design/files/DesignFileLoader.h"
#include "design/standin/StandInLibrary.h"
#include "report/LocaleDateTime.h"
#include "report/compare/ReportReader.h"

namespace netlist {
namespace {

// Enough of a file to tell what it is.
constexpr std::size_t kHeadBytes = 1 << 16;

std::string readFile(const std::filesystem::path& path, std::size_t limit) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw DesignFileError(path.string() + ": is a folder, not a design file or a report");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
    std::string bytes;
    if (limit == std::string::npos) {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        bytes.resize(limit);
        in.read(bytes.data(), static_cast<std::streamsize>(limit));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
    return bytes;
}

}  // namespace

SnapshotResult LoadCompareSide(const std::filesystem::path& path, ReportsAccepted reports) {
    if (reports == ReportsAccepted::Yes) {
        const std::string head = readFile(path, kHeadBytes);
        // Other S-expression files get the design reader's word on what they are.
        const std::size_t first = head.find_first_not_of(" \t\r\n");
        const bool sExpression = first != std::string::npos && head[first] == '(';
        if (DetectDesignFileFormat(head) == DesignFileFormat::Unknown &&
            (LooksLikeReport(head) || !sExpression)) {
            SnapshotResult result;
            result.snapshot = ReadReport(readFile(path, std::string::npos), path.string());
            return result;
        }
    }
    StandInLibrary library(LoadDesignFile(path));
    SnapshotResult result = TakeSnapshot(library);
    result.snapshot.date = FileDateText(path);
    return result;
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
    try {
        return DetectDesignFileFormat(readFile(path, kHeadBytes)) != DesignFileFormat::Unknown;
    } catch (const DesignFileError&) {
        return false;
    }
}

}  // namespace netlist
