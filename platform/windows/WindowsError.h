// Windows only.
#pragma once

#include <string>

namespace netlist {

// The system's text for a Windows error code (as from GetLastError), followed
// by the code itself, e.g. "The specified module could not be found. (error 126)".
std::string WindowsErrorText(unsigned long code);

}  // namespace netlist
