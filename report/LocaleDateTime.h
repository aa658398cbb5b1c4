// The date and time as the user's locale writes them.
#pragma once

#include <chrono>
#include <string>

namespace netlist {

// The short date, a blank, and the time with seconds, in the user's locale
// and time zone, as Windows-1252 text.
std::string LocaleDateTimeText(std::chrono::system_clock::time_point when);

}  // namespace netlist
