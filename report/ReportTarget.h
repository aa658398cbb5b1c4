// The file system's side of replacing a report: which file a report path
// names, and the calls that put a new file in its place. Each platform has
// its own variant (ReportTarget.cpp, ReportTarget_win32.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace netlist {

// What a replacement keeps of the file it replaces.
struct ReplacedFacts {
    std::uint32_t mode = 0;  // permission bits
    std::int64_t owner = -1;
    std::int64_t group = -1;
};

struct ReportTarget {
    std::string path;       // the file to replace: the report path, or where its links lead
    std::string directory;  // path's folder with its trailing separator; empty for a bare name
    std::optional<ReplacedFacts> existing;  // none when the file does not exist yet
};

// Finds the file that a plain redirect by this user to reportPath would
// write, and throws ReportFileError (naming reportPath) where that redirect
// would be refused, or where the file is not one a report may replace: a
// folder, a device, a pipe, a socket, or a read-only file.
ReportTarget ResolveReportTarget(const std::string& reportPath);

// Creates path for writing, readable and writable by its owner alone; fails
// when anything exists under that name. Returns the descriptor, or -1 with
// errno set.
int CreatePrivateFile(const std::string& path);
// Gives the new file what it keeps of the one it replaces (owner and group
// where this user may set them, then the permission bits), or for a file
// that is new, the permissions the user's file-creation mask gives. Returns
// 0, or an errno value.
int MatchReplacedFile(int fd, const ReportTarget& target);

long WriteSome(int fd, const char* data, std::size_t size);
int SyncToDisk(int fd);
int CloseFile(int fd);
int ProcessId();
// Makes a rename into the folder durable, where the system allows it.
void SyncDirectory(const std::string& directory);

}  // namespace netlist
