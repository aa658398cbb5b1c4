#include "design/files/DesignFileLoader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "design/files/JsonDesignReader.h"
#include "design/files/SourcePlace.h"
#include "design/files/kicad/KicadBoardReader.h"
#include "design/files/kicad/KicadNetlistReader.h"

namespace netlist {
namespace {

constexpr std::uintmax_t kMaxDesignFileBytes = std::uintmax_t{1} << 30;

// A file's bytes. Large files are read into a buffer that is not cleared
// first: a board runs to megabytes, and touching them twice costs more than
// parsing them.
class FileBytes {
  public:
    std::string_view view() const {
        return buffer_ ? std::string_view(buffer_.get(), size_) : std::string_view(text_);
    }

    static FileBytes read(const std::filesystem::path& path) {
        std::error_code error;
        if (std::filesystem::is_directory(path, error))
            throw DesignFileError(path.string() + ": is a folder, not a design file");
        std::ifstream in(path, std::ios::binary);
        if (!in) throw DesignFileError(path.string() + ": cannot be read: " + std::strerror(errno));
        FileBytes bytes;
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
