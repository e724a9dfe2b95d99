#include "app/FramePacer.h"

#include <SDL.h>

#include <cmath>

namespace {

constexpr double kMaxLag = 0.25;     // seconds behind before the schedule restarts
constexpr double kAveraging = 0.05;  // weight of each new frame in the average

}  // namespace

FramePacer::FramePacer(FrameClock& clock, double displayRate, bool swapsSynchronised,
                       double fallbackRate)
    : clock_(clock), rate_(fallbackRate), pacing_(true) {
    if (swapsSynchronised && displayRate > 0) {
        rate_ = displayRate;
        displayRate_ = displayRate;
        averageInterval_ = 1.0 / displayRate;
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
    double now = clock_.now();
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
    const double period = 1.0 / displayRate_;
    if (lastFrame_ >= 0 && now - lastFrame_ < 0.5 * period) {
        // This swap did not wait for the display.
        clock_.sleepUntil(lastFrame_ + period);
        now = clock_.now();
    }
    if (lastFrame_ >= 0) {
        const double interval = now - lastFrame_;
        if (interval < kMaxLag) {
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
