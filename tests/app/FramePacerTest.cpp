// The game must run 90 update steps per second of real time whatever the
// display does. Frames feed the step accumulator; the pacer decides the rate
// that turns frames into steps, and sleeps when swaps do not pace the loop.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/FramePacer.h"

namespace {

// A clock whose frames take a fixed drawing time (every `hiccupEvery`-th one
// 40 ms longer: a busy machine), with swaps that either wait for the next
// refresh of a display or return at once.
struct SimulatedDisplay : FrameClock {
    SimulatedDisplay(double refresh, bool swapsWait, double draw, int hiccupEvery = 0)
        : refresh(refresh), swapsWait(swapsWait), draw(draw), hiccupEvery(hiccupEvery) {}
    double now() override { return time; }
    void sleepUntil(double seconds) override {
        time = std::max(time, seconds);
        ++sleeps;
    }
    void presentFrame() {  // draw a frame and swap it
        time += draw;
        if (hiccupEvery > 0 && ++frames % hiccupEvery == 0) time += 0.040;
        if (swapsWait) time = (static_cast<long long>(time * refresh) + 1) / refresh;
    }

    double refresh;
    bool swapsWait;
    double draw;
    int hiccupEvery;
    double time = 0;
    long frames = 0;
    int sleeps = 0;
};

// Runs the loop for `seconds` of simulated time; update steps per second,
// counted the way the game counts them.
double stepsPerSecond(SimulatedDisplay& display, FramePacer& pacer, double seconds) {
    float accumulator = 1.0f;
    long steps = 0;
    const double start = display.now();
    while (display.now() - start < seconds) {
        for (const float step = static_cast<float>(pacer.rate() / 90.0); accumulator > 0; ++steps) {
            accumulator -= step;
        }
        accumulator += 1.0f;  // the frame drawn
        display.presentFrame();
        pacer.frameShown();
    }
    return steps / (display.now() - start);
}

}  // namespace

TEST(FramePacer, EveryDisplayAndScheduleRunsTheGameAtNinetyStepsASecond) {
    struct Case {
        const char* what;
        double displayRate;  // what the display reports, 0 when unknown
        bool swapsWait;      // what its swaps really do
        bool synchronised;   // what the pacer is told about them
        double drawSeconds, fallbackRate;
        int hiccupEvery;
    };
    const Case cases[] = {
        {"60 Hz, swaps pace the loop", 60, true, true, 0.002, 75, 0},
        {"144 Hz, swaps pace the loop", 144, true, true, 0.002, 75, 0},
        {"144 Hz panel drawn in 9 ms: every other refresh", 144, true, true, 0.009, 75, 0},
        // The swap interval "works" and the rate reads 60, yet frames come as
        // fast as they are drawn: each is held back to its refresh.
        {"60 Hz virtual display", 60, false, true, 0.0015, 75, 0},
        {"no swap control and no known rate", 0, false, false, 0.001, 75, 0},
        {"no swap control, 75 asked, 20 ms frames: 50 come", 0, false, false, 0.020, 75, 0},
        {"144 Hz without swap control, 9 ms frames with hiccups", 144, false, false, 0.009, 75, 25},
        {"a rate far above what the machine can draw", 0, false, false, 0.004, 1000, 0},
    };
    for (const Case& c : cases) {
        SimulatedDisplay display(c.displayRate, c.swapsWait, c.drawSeconds, c.hiccupEvery);
        FramePacer pacer(display, c.displayRate, c.synchronised, c.fallbackRate);
        EXPECT_NEAR(stepsPerSecond(display, pacer, 30), 90.0, 0.9) << c.what;
        EXPECT_EQ(pacer.pacing(), !c.synchronised) << c.what;
        // Swaps that wait pace the loop themselves; frames drawn far quicker
        // than the rate, with swaps that do not wait, are held back by sleeping.
        if (c.swapsWait) {
            EXPECT_EQ(display.sleeps, 0) << c.what;
        }
        if (c.drawSeconds < 0.002) {
            EXPECT_EQ(display.sleeps > 1000, !c.swapsWait) << c.what;
        }
    }
}

TEST(FramePacer, AStallIsNotCaughtUp) {
    // Two seconds without a frame (a dragged window) cost at most one
    // frame's worth of steps, not a burst of 180.
    SimulatedDisplay display(0, false, 0.001);
    FramePacer pacer(display, 0, false, 75);
    stepsPerSecond(display, pacer, 2);
    const double rateBefore = pacer.rate();
    display.sleepUntil(display.now() + 2.0);
    pacer.frameShown();
    EXPECT_DOUBLE_EQ(pacer.rate(), rateBefore);
    EXPECT_NEAR(stepsPerSecond(display, pacer, 10), 90.0, 0.9);
}
