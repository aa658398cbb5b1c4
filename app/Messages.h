// What the program tells its user on the terminal: one line per message,
// after the program's name. Messages carry paths and texts from designs,
// whose control characters a terminal would obey; each is shown as "?".
#pragma once

#include <ostream>
#include <string_view>

namespace netlist {

// Begins every line the program writes to stderr or stdout about itself.
inline constexpr char kMessagePrefix[] = "netlist-report: ";

void Tell(std::ostream& out, std::string_view utf8Message);

}  // namespace netlist
