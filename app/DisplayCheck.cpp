#include "app/DisplayCheck.h"

#include <cstdlib>
#include <initializer_list>

namespace netlist {

bool HasDisplay() {
#ifdef _WIN32
    return true;
#else
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
#endif
}

}  // namespace netlist
