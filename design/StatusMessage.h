#pragma once

#include <cstdint>
#include <string>

namespace netlist {

// The message shown for a design-library status code: the library's own
// wording for known codes, "Status: " and the code in decimal otherwise.
std::string StatusMessage(std::int32_t status);

}  // namespace netlist
