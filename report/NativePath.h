// Paths the user typed (UTF-8, as the command line gives them) in the form the
// file system takes, and back for messages. Linux file names are UTF-8
// already; the Windows build opens files through the ANSI code page, which
// the program takes to be Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace netlist {

std::string NativePathFromUtf8(std::string_view utf8);
std::string NativePathToUtf8(std::string_view nativePath);

}  // namespace netlist
