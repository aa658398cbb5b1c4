// Files for tests: scratch folders and whole-file reads and writes.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace netlist::test {

// A fresh folder under the system's temporary folder, removed afterwards
// (also when a test made it or its files read-only).
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Makes a folder the current one for its lifetime, and the previous one again after.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::filesystem::path& folder)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    std::filesystem::path previous_;
};

// A file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
// The names of the files in a folder, sorted.
std::vector<std::string> FileNames(const std::filesystem::path& folder);

// One row of a table kept in a data file: the lines of its input, then a line
// "=> " with what it gives. Rows are separated by blank lines, lines starting
// with "#" are comments, and "\xHH" stands for the byte HH (for bytes that
// are not printable or not UTF-8).
struct DataCase {
    std::string input;
    std::string expected;
    int line;  // where the row starts in the file, for failure messages
};
// The rows of a data file beside the tests (NETLIST_TEST_DATA/relativePath).
std::vector<DataCase> ReadDataCases(const std::string& relativePath);

}  // namespace netlist::test
