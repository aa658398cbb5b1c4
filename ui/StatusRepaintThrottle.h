// During a report run the status line names every net as it goes, and the run
// keeps the event loop waiting until it ends: a window repaints the line by
// hand, but at most once per interval, so that a design with many nets is
// not slowed down by painting captions nobody can read.
#pragma once

#include <chrono>

namespace netlist {

class StatusRepaintThrottle {
  public:
    using Clock = std::chrono::steady_clock;

    explicit StatusRepaintThrottle(
        std::chrono::milliseconds interval = std::chrono::milliseconds(50))
        : interval_(interval) {}

    void setInterval(std::chrono::milliseconds interval) { interval_ = interval; }
    // A new run: its first caption is painted at once.
    void restart() { painted_ = false; }
    // Whether a caption changing now is to be painted; if so, counts it as
    // painted.
    bool due() {
        const Clock::time_point now = Clock::now();
        if (painted_ && now - lastPaint_ < interval_) return false;
        painted_ = true;
        lastPaint_ = now;
        return true;
    }

  private:
    std::chrono::milliseconds interval_;
    bool painted_ = false;
    Clock::time_point lastPaint_{};
};

}  // namespace netlist
