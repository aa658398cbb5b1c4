// Who made the report: the texts of its "Created By" and "Email" lines.
#pragma once

namespace netlist {

inline constexpr char kCreatedByText[] = "netlist-report";
inline constexpr char kContactText[] = "netlist-report@example.org";

}  // namespace netlist
