// The command line as the program reads it, UTF-8, and the program's output
// reaching its caller. Per platform (ProgramArguments.cpp and its Win32 twin,
// which attaches to the caller's console and reads the wide command line).
#pragma once

#include <string>
#include <vector>

namespace netlist {

class ProgramArguments {
  public:
    ProgramArguments(int argc, char** argv);
    ProgramArguments(const ProgramArguments&) = delete;
    ProgramArguments& operator=(const ProgramArguments&) = delete;

    int argc() const { return static_cast<int>(arguments_.size()); }
    // Valid while this object lives.
    char** argv() { return pointers_.data(); }

  private:
    std::vector<std::string> arguments_;
    std::vector<char*> pointers_;  // argv-style, ending in a null pointer
};

}  // namespace netlist
