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

WindowModule LoadWindowModule(std::string& failure) {
    const auto candidates = moduleCandidates();
    if (candidates.empty()) {
        failure = "the window module cannot be found: the program's own path is unknown";
        return {};
    }
    for (const auto& path : candidates) {
        std::error_code error;
        if (!std::filesystem::exists(path, error)) continue;
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            failure = std::string("the window module cannot be loaded: ") + dlerror();
            return {};
        }
        WindowModule entries;
        entries.runWindow = reinterpret_cast<WindowEntry>(dlsym(module, kWindowEntryName));
        entries.showFailure =
            reinterpret_cast<FailureBoxEntry>(dlsym(module, kFailureBoxEntryName));
        if (entries) return entries;
        failure = "the window module " + path.string() + " is not this program's: it lacks " +
                  (entries.runWindow ? kFailureBoxEntryName : kWindowEntryName);
        dlclose(module);
        return {};
    }
    failure = "the window module is missing (neither " + candidates[0].string() + " nor " +
              candidates[1].string() + " exists)";
    return {};
}

}  // namespace netlist
