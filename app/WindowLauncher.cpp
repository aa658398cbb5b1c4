#include "app/WindowLauncher.h"

#include <dlfcn.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace netlist {

namespace {

// Where the module is looked for, in order.
std::vector<std::filesystem::path> moduleCandidates() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const auto folder = program.parent_path();
    return {(folder / NETLIST_WINDOW_MODULE_DIR / kWindowModuleName).lexically_normal(),
            folder / kWindowModuleName};
}

}  // namespace

WindowEntry LoadWindowModule(std::string& failure) {
    const auto candidates = moduleCandidates();
    if (candidates.empty()) {
        failure = "the window module cannot be found: the program's own path is unknown";
        return nullptr;
    }
    for (const auto& path : candidates) {
        std::error_code error;
        if (!std::filesystem::exists(path, error)) continue;
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            failure = std::string("the window module cannot be loaded: ") + dlerror();
            return nullptr;
        }
        if (void* entry = dlsym(module, kWindowEntryName)) {
            return reinterpret_cast<WindowEntry>(entry);
        }
        failure = "the window module " + path.string() + " is not this program's: it lacks " +
                  kWindowEntryName;
        dlclose(module);
        return nullptr;
    }
    failure = "the window module is missing (neither " + candidates[0].string() + " nor " +
              candidates[1].string() + " exists)";
    return nullptr;
}

}  // namespace netlist
