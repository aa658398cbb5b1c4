#pragma once

namespace netlist {
class NetList {};
}  // namespace netlist
