#include "app/DisplayCheck.h"

namespace netlist {

// Windows always has its desktop.
bool HasDisplay() {
    return true;
}

bool HasVisibleDisplay() {
    return true;
}

}  // namespace netlist
