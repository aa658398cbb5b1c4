#include "design/DesignLibrary.h"

namespace netlist {

SessionContext theSessionContext{};
std::int32_t dbStatus = 0;

}  // namespace netlist
