#include "report/InterruptCleanup.h"

namespace netlist {

// Windows removes no file that is still open, and Ctrl-C ends the program
// from a thread of its own: a temporary file left by a stopped run is never
// taken for a report, and the next run's file has another name.
int RemoveWhenInterrupted(const std::string&) {
    return -1;
}

void ReleaseInterruptCleanup(int) {}

}  // namespace netlist
