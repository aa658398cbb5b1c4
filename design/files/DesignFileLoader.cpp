#include "design/files/DesignFileLoader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "design/files/JsonDesignReader.h"
#include "design/files/SourcePlace.h"
#include "design/files/kicad/KicadBoardReader.h"
#include "design/files/kicad/KicadNetlistReader.h"

namespace netlist {
namespace {

constexpr std::uintmax_t kMaxDesignFileBytes = std::uintmax_t{1} << 30;

#if !defined(_WIN32)
struct Unmap {
    std::size_t size = 0;
    void operator()(const char* address) const { munmap(const_cast<char*>(address), size); }
};
#endif

// A file's bytes. Where the system offers it, a file is mapped rather than
// read: its pages come straight from the system's file cache, while reading
// would fault in fresh memory and copy the file into it, which for a board
// of megabytes costs about a third of the time its parsing does. Otherwise
// the file is read into a buffer that is not cleared first.
class FileBytes {
  public:
    std::string_view view() const {
#if !defined(_WIN32)
        if (mapped_) return {mapped_.get(), size_};
#endif
        return buffer_ ? std::string_view(buffer_.get(), size_) : std::string_view(text_);
    }

    static FileBytes read(const std::filesystem::path& path) {
        std::error_code error;
        if (std::filesystem::is_directory(path, error))
            throw DesignFileError(path.string() + ": is a folder, not a design file");
        FileBytes bytes;
#if !defined(_WIN32)
        if (bytes.map(path)) return bytes;
#endif
        std::ifstream in(path, std::ios::binary);
        if (!in) throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error && size > kMaxDesignFileBytes)
            throw DesignFileError(path.string() + ": is larger than " +
                                  std::to_string(kMaxDesignFileBytes >> 20) +
                                  " MiB, more than any design file");
        if (!error && size > 0) {
            bytes.buffer_ = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(size));
            in.read(bytes.buffer_.get(), static_cast<std::streamsize>(size));
            bytes.size_ = static_cast<std::size_t>(in.gcount());
        } else {
            // No size up front (a pipe, say): read to the end.
            bytes.text_.assign(std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>());
        }
        if (in.bad())
            throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
        return bytes;
    }

  private:
#if !defined(_WIN32)
    // Maps a regular file that is neither empty nor too large; any other
    // file, and any failure, is left to the reading that follows, which
    // gives the messages.
    bool map(const std::filesystem::path& path) {
        const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (file < 0) return false;
        struct stat status {};
        void* address = MAP_FAILED;
        if (fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
            static_cast<std::uintmax_t>(status.st_size) <= kMaxDesignFileBytes) {
            int flags = MAP_PRIVATE;
#if defined(MAP_POPULATE)
            flags |= MAP_POPULATE;  // all pages at once rather than a fault per few
#endif
            address =
                mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, flags, file, 0);
        }
        ::close(file);
        if (address == MAP_FAILED) return false;
        size_ = static_cast<std::size_t>(status.st_size);
        mapped_.reset(static_cast<const char*>(address));
        mapped_.get_deleter().size = size_;
        return true;
    }

    std::unique_ptr<const char, Unmap> mapped_;
#endif
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::string text_;
};

std::string_view skipLeadingSpace(std::string_view content) {
    if (content.starts_with(files::kByteOrderMark))
        content.remove_prefix(files::kByteOrderMark.size());
    const std::size_t first = content.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view{} : content.substr(first);
}

// The first word of an S-expression text: "kicad_pcb" for "(kicad_pcb ...".
std::string_view leadingListHead(std::string_view content) {
    std::string_view start = skipLeadingSpace(content);
    if (start.empty() || start.front() != '(') return {};
    start = skipLeadingSpace(start.substr(1));
    const std::size_t end = start.find_first_of(" \t\r\n()\"");
    return start.substr(0, end);
}

}  // namespace

DesignFileFormat DetectDesignFileFormat(std::string_view content) {
    const std::string_view start = skipLeadingSpace(content);
    if (!start.empty() && start.front() == '{') return DesignFileFormat::Json;
    const std::string_view head = leadingListHead(content);
    if (head == "kicad_pcb") return DesignFileFormat::KicadBoard;
    if (head == "export") return DesignFileFormat::KicadNetlist;
    return DesignFileFormat::Unknown;
}

DesignData LoadDesignFile(const std::filesystem::path& path) {
    const FileBytes bytes = FileBytes::read(path);
    const std::string_view content = bytes.view();
    switch (DetectDesignFileFormat(content)) {
        case DesignFileFormat::Json:
            return ReadJsonDesign(content, path);
        case DesignFileFormat::KicadBoard:
            return ReadKicadBoard(content, path);
        case DesignFileFormat::KicadNetlist:
            return ReadKicadNetlist(content, path);
        case DesignFileFormat::Unknown:
            break;
    }
    if (leadingListHead(content) == "kicad_sch")
        throw DesignFileError(path.string() +
                              ": is a KiCad schematic, which is not read directly: export its "
                              "netlist in KiCad's S-expression form (.net) and give that file");
    if (skipLeadingSpace(content).empty())
        throw DesignFileError(path.string() + ": is empty, not a design file");
    throw DesignFileError(path.string() +
                          ": not a design file: expected a JSON design (starting with \"{\"), a "
                          "KiCad board (starting with \"(kicad_pcb\") or a KiCad netlist export "
                          "(starting with \"(export\")");
}

}  // namespace netlist
