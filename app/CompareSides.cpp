#include "app/CompareSides.h"

#include <chrono>
#include <fstream>
#include <new>
#include <stdexcept>

#include "app/ServedDesign.h"
#include "design/files/DesignFileError.h"
#include "design/files/DesignFileLoader.h"
#include "design/files/FileBytes.h"
#include "platform/NativePath.h"
#include "report/LocaleDateTime.h"
#include "report/compare/ReportReader.h"

namespace netlist {
namespace {

// Enough of a file to tell what it is.
constexpr std::size_t kHeadBytes = 1 << 16;

// The start of a file, to tell what it is.
std::string readHead(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(kHeadBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(kHeadBytes));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The file's last change as the report's "Date" line writes a time; empty
// when the file has none.
std::string fileDateText(const std::filesystem::path& path) {
    std::error_code error;
    const auto changed = std::filesystem::last_write_time(path, error);
    if (error) return {};
    return LocaleDateTimeText(std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(changed)));
}

// Whether the old side's content is one of this program's reports rather
// than a design file.
bool isReport(std::string_view content) {
    const std::string_view head = content.substr(0, kHeadBytes);
    // Other S-expression files get the design reader's word on what they are.
    const std::size_t first = head.find_first_not_of(" \t\r\n");
    const bool sExpression = first != std::string::npos && head[first] == '(';
    return DetectDesignFileFormat(head) == DesignFileFormat::Unknown &&
           (LooksLikeReport(head) || !sExpression);
}

SnapshotResult snapshotOf(const ServedDesign& served) {
    SnapshotResult result = TakeSnapshot(*served.library);
    result.snapshot.bareBoardNetlist = served.bareBoardNetlist;
    return result;
}

}  // namespace

SnapshotResult OldCompareSide(const std::filesystem::path& file) {
    try {
        // Read once: a pipe gives its bytes only once.
        const FileBytes bytes = FileBytes::read(file);
        const std::string_view content = bytes.view();
        if (isReport(content)) {
            SnapshotResult result;
            result.snapshot = ReadReport(content, file.string());
            return result;
        }
        SnapshotResult result = snapshotOf(ServeDesignContent(content, file));
        result.snapshot.date = fileDateText(file);
        return result;
    } catch (const std::bad_alloc&) {
        throw TooLargeForMemory(file);
    } catch (const std::length_error&) {
        throw TooLargeForMemory(file);
    }
}

SnapshotResult NewCompareSide(const CommandLine& options) {
    const ServedDesign served = ServeDesign(options.design);
    SnapshotResult result = snapshotOf(served);
    if (options.design)
        result.snapshot.date = fileDateText(ArgumentPath(*options.design));
    else if (served.hostChooses())
        result.snapshot.date = fileDateText(NativeFileSystemPath(result.snapshot.designPath));
    return result;
}

bool IsDesignFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    return DetectDesignFileFormat(readHead(path)) != DesignFileFormat::Unknown;
}

}  // namespace netlist
