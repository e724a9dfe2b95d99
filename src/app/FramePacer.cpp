#include "app/FramePacer.h"

#include <SDL.h>

namespace {

// An interval longer than this is a stall (a dragged window, a debugger), not
// a frame: it is left out of the average, and a schedule that far behind
// restarts instead of rushing frames to catch up. It also caps how many steps
// one slow frame can owe.
constexpr double kMaxLag = 0.25;     // seconds
constexpr double kAveraging = 0.05;  // weight of each new interval in the average

}  // namespace

FramePacer::FramePacer(FrameClock& clock, double displayRate, bool swapsSynchronised,
                       double fallbackRate)
    : clock_(clock) {
    const bool displayKnown = displayRate > 0;
    pacing_ = !(swapsSynchronised && displayKnown);
    rate_ = displayKnown ? displayRate : fallbackRate;
    period_ = 1.0 / rate_;
    averageInterval_ = period_;
    if (pacing_) nextFrame_ = clock_.now() + period_;
}

void FramePacer::frameShown() {
    double now = clock_.now();
    if (pacing_) {
        if (now < nextFrame_) {
            clock_.sleepUntil(nextFrame_);
            now = clock_.now();
        } else if (now - nextFrame_ > kMaxLag) {
            nextFrame_ = now;
        }
        nextFrame_ += period_;
    } else if (lastFrame_ >= 0 && now - lastFrame_ < 0.5 * period_) {
        // This swap did not wait for the display.
        clock_.sleepUntil(lastFrame_ + period_);
        now = clock_.now();
    }
    measure(now);
}

void FramePacer::measure(double now) {
    if (lastFrame_ >= 0) {
        const double interval = now - lastFrame_;
        if (interval > 0 && interval < kMaxLag) {
            averageInterval_ += (interval - averageInterval_) * kAveraging;
            rate_ = 1.0 / averageInterval_;
        }
    }
    lastFrame_ = now;
}

double SystemFrameClock::now() {
    return static_cast<double>(SDL_GetPerformanceCounter()) /
           static_cast<double>(SDL_GetPerformanceFrequency());
}

void SystemFrameClock::sleepUntil(double seconds) {
    // Sleep most of the wait, then yield in short naps: SDL_Delay may
    // oversleep by a millisecond or so.
    for (;;) {
        const double left = seconds - now();
        if (left <= 0) return;
        SDL_Delay(left > 0.002 ? static_cast<Uint32>((left - 0.001) * 1000) : 0);
    }
}
