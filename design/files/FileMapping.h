// A design file mapped into memory, where the system offers it: its pages
// come straight from the system's file cache, while reading would fault in
// fresh memory and copy the file into it. Each platform has its own variant
// (FileMapping.cpp, FileMapping_win32.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace netlist {

struct FileMapping {
    const char* data = nullptr;
    std::size_t size = 0;
};

// Maps a regular file that is neither empty nor larger than limit; for any
// other file, and any failure, returns an empty mapping and leaves the
// messages to the reading that follows.
FileMapping MapFile(const std::filesystem::path& path, std::uintmax_t limit);
void UnmapFile(const FileMapping& mapping);

// A mapped file that another program cuts short while it is parsed makes
// the pages past its new end fault. No exception can leave that fault, so
// the guard ends the process there: with the message prefix, the file's
// name and why, and this exit code. Until this is called, the fault ends
// the process as the system would.
void EndProcessOnMappedFileCutShort(std::string_view messagePrefix, int exitCode);

}  // namespace netlist
