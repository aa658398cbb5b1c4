// Paths between the forms the program meets them in and the form the file
// system takes. Linux file names are UTF-8; the Windows build opens files
// through the ANSI code page, which the program takes to be Windows-1252.
// Each platform has its own variant (NativePath.cpp, NativePath_win32.cpp).
#pragma once

#include <string>
#include <string_view>

namespace netlist {

// A path the user typed (UTF-8, as the command line gives it), and back for
// messages.
std::string NativePathFromUtf8(std::string_view utf8);
std::string NativePathToUtf8(std::string_view nativePath);

// A path as the design library gives it (Windows-1252, where both "\" and
// "/" separate folders): on Linux UTF-8 with every "\" read as "/".
std::string NativeFileSystemPath(std::string_view windows1252Path);
// The reverse, for messages that name a native path.
std::string NativeTextToWindows1252(std::string_view nativeText);

// Whether a "\" in a path is a character of a name (Linux) rather than a
// folder separator (Windows).
bool BackslashIsPartOfNames();

}  // namespace netlist
