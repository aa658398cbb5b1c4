#include "app/KeptUntilExit.h"

#include <array>

namespace netlist {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLeaksChecked = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
constexpr bool kLeaksChecked = true;
#else
constexpr bool kLeaksChecked = false;
#endif
#else
constexpr bool kLeaksChecked = false;
#endif

}  // namespace

// Not file-local: a store to it is never left out. Fixed in size, so that
// keeping an object allocates nothing and cannot fail for want of memory.
std::array<void*, 4> objectsKeptUntilExit{};

bool LeaksCheckedAtExit() {
    return kLeaksChecked;
}

bool KeepReachable(void* object) {
    for (void*& kept : objectsKeptUntilExit) {
        if (kept) continue;
        kept = object;
        return true;
    }
    return false;
}

}  // namespace netlist
