// The program's command line as UTF-8, as the rest of the program reads it.
// The C runtime hands main() its arguments in the ANSI code page, where a
// designer's name like "Zoë" or a folder name outside that code page would
// arrive as something else. Windows only.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace netlist {

class Utf8CommandLine {
  public:
    // From the process's own wide command line.
    Utf8CommandLine();

    int argc() const { return static_cast<int>(arguments_.size()); }
    // Valid while this object lives.
    char** argv() { return pointers_.data(); }

  private:
    std::vector<std::string> arguments_;
    std::vector<char*> pointers_;  // argv-style, ending in a null pointer
};

// A path given as UTF-8 text: a narrow path would be read in the ANSI code page.
std::filesystem::path PathFromUtf8(std::string_view utf8);

}  // namespace netlist
