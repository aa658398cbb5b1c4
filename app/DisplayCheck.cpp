#include "app/DisplayCheck.h"

#include <cstdlib>
#include <initializer_list>
#include <string_view>

namespace netlist {
namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

}  // namespace

bool HasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (isSet(variable)) return true;
    return false;
}

bool HasVisibleDisplay() {
    if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) return false;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform) return true;
    const std::string_view name(platform);
    return !name.starts_with("offscreen") && !name.starts_with("minimal");
}

}  // namespace netlist
