// A large design is hundreds of thousands of allocations. The system takes
// a process's memory back at exit at once, so what a run holds at its end
// is not freed piece by piece there: it stays reachable from a global, so
// that memory checkers do not call it lost. Builds that check for leaks at
// exit tear it down as usual, so that a leak anywhere still shows.
#pragma once

#include <memory>

namespace netlist {

bool LeaksCheckedAtExit();
// Whether the object is now held until exit; a run keeps a few at most.
bool KeepReachable(void* object);

template <typename T>
void KeepUntilExit(std::unique_ptr<T>& object) {
    // The global holds it now: the pointer given up here is not lost.
    if (object && !LeaksCheckedAtExit() && KeepReachable(object.get()))
        static_cast<void>(object.release());
}

}  // namespace netlist
