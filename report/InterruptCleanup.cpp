#include "report/InterruptCleanup.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <iterator>

namespace netlist {
namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The handler may only read memory that stays put and call what is safe in a
// signal handler: the paths wait in fixed buffers, and a slot is marked in
// use only once its path is complete.
struct Slot {
    std::atomic<bool> inUse{false};
    char path[4096];
};
static_assert(std::atomic<bool>::is_always_lock_free);
Slot slots[4];
struct sigaction previousActions[std::size(kStopSignals)];
bool handlersInstalled = false;

extern "C" void removeAndStop(int signal) {
    const int savedErrno = errno;
    for (Slot& slot : slots)
        if (slot.inUse.load(std::memory_order_acquire)) ::unlink(slot.path);
    // The signal then takes the course it had before: as it is blocked while
    // this handler runs, it arrives again as soon as the handler returns.
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
        if (kStopSignals[i] == signal) ::sigaction(signal, &previousActions[i], nullptr);
    ::raise(signal);
    errno = savedErrno;
}

void installHandlers() {
    if (handlersInstalled) return;
    handlersInstalled = true;
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
        struct sigaction& previous = previousActions[i];
        if (::sigaction(kStopSignals[i], nullptr, &previous) != 0) continue;
        // A signal the caller chose to ignore (nohup, say) stays ignored.
        if (!(previous.sa_flags & SA_SIGINFO) && previous.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = removeAndStop;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(kStopSignals[i], &action, nullptr);
    }
}

}  // namespace

int RemoveWhenInterrupted(const std::string& path) {
    if (path.size() >= sizeof slots[0].path) return -1;
    installHandlers();
    for (int i = 0; i < static_cast<int>(std::size(slots)); ++i) {
        Slot& slot = slots[i];
        if (slot.inUse.load(std::memory_order_relaxed)) continue;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.inUse.store(true, std::memory_order_release);
        return i;
    }
    return -1;
}

void ReleaseInterruptCleanup(int slot) {
    if (slot >= 0 && slot < static_cast<int>(std::size(slots)))
        slots[slot].inUse.store(false, std::memory_order_release);
}

}  // namespace netlist
