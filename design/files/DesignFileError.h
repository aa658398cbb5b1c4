#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace netlist {

// A design file that cannot be served. The message names the file, the place
// (line and column, or the path of the value inside the file) and what is
// wrong, ready to be shown to the user as it stands.
class DesignFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The error for a file whose contents do not fit in the memory at hand.
inline DesignFileError TooLargeForMemory(const std::filesystem::path& file) {
    return DesignFileError(file.string() +
                           ": cannot be read: there is not enough memory for all that it holds");
}

}  // namespace netlist
