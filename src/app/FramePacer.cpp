#include "app/FramePacer.h"

#include <SDL.h>

#include <cmath>

namespace {

constexpr int kMeasuredFrames = 120;  // frames per measurement window
constexpr double kTolerance = 0.05;   // how far a display may stray from its rate
constexpr double kMaxLag = 0.25;      // seconds behind before the schedule restarts

}  // namespace

FramePacer::FramePacer(FrameClock& clock, double displayRate, bool swapsSynchronised,
                       double fallbackRate)
    : clock_(clock), rate_(fallbackRate), pacing_(true) {
    if (swapsSynchronised && displayRate > 0) {
        rate_ = displayRate;
        pacing_ = false;
    } else {
        startPacing(displayRate > 0 ? displayRate : fallbackRate);
    }
}

void FramePacer::startPacing(double rate) {
    rate_ = rate;
    pacing_ = true;
    nextFrame_ = clock_.now() + 1.0 / rate_;
}

void FramePacer::frameShown() {
    const double now = clock_.now();
    if (pacing_) {
        if (now < nextFrame_) {
            clock_.sleepUntil(nextFrame_);
        } else if (now - nextFrame_ > kMaxLag) {
            // A long stall (a dragged window): start the schedule afresh
            // rather than rushing frames to catch up.
            nextFrame_ = now;
        }
        nextFrame_ += 1.0 / rate_;
        return;
    }
    if (windowStart_ < 0) {
        windowStart_ = now;
        windowFrames_ = 0;
        return;
    }
    if (++windowFrames_ < kMeasuredFrames) return;
    const double measured = windowFrames_ / (now - windowStart_);
    windowStart_ = now;
    windowFrames_ = 0;
    if (measured > rate_ * (1 + kTolerance)) {
        startPacing(rate_);  // swaps are not waiting for the display
    } else if (measured < rate_ * (1 - kTolerance)) {
        startPacing(measured);  // the machine cannot keep up: every other refresh, say
    }
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
