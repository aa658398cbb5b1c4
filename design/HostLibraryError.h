// The host application's design library, or one of its operations, cannot
// be had. The message names the library (its full path once loaded), the
// missing operation and the system's error text. Only the Windows build has
// a host library to load; elsewhere this is never thrown.
#pragma once

#include <stdexcept>

namespace netlist {

class HostLibraryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace netlist
