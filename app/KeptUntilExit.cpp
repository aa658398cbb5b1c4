#include "app/KeptUntilExit.h"

#include <vector>

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

// Not file-local, and never destroyed: a store to it is never left out, and
// what it points to stays reachable to the end.
std::vector<void*>* objectsKeptUntilExit = nullptr;

bool LeaksCheckedAtExit() {
    return kLeaksChecked;
}

void KeepReachable(void* object) {
    if (!objectsKeptUntilExit) objectsKeptUntilExit = new std::vector<void*>;
    objectsKeptUntilExit->push_back(object);
}

}  // namespace netlist
