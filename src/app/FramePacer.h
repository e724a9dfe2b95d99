#pragma once

// Keeps the game at 90 update steps per second of real time on any display.
// The game's step is measured in drawn frames (update step = frame rate / 90),
// so what matters is knowing the rate frames really come at. That rate is
// always measured (a running average of the intervals between shown frames);
// the display only decides who paces the loop:
// - when buffer swaps wait for the display's refresh, the swap itself does;
//   a frame that comes in less than half a refresh (a swap that did not wait)
//   is held back by sleeping;
// - when they do not (no swap control, a driver that ignores it, a virtual
//   display), frames would come as fast as the machine draws, so the pacer
//   sleeps until each frame's time on a fixed schedule at the display's rate
//   (or the configured one when the display does not say).
// Either way a machine too slow for the schedule still runs the game at full
// speed: slower frames each owe more steps.
class FrameClock {
  public:
    virtual ~FrameClock() = default;
    virtual double now() = 0;  // seconds
    virtual void sleepUntil(double seconds) = 0;
};

class FramePacer {
  public:
    // `displayRate` in hertz, 0 when unknown; `swapsSynchronised` when the
    // swap interval was set; `fallbackRate` the rate to pace at when the
    // display's is unknown.
    FramePacer(FrameClock& clock, double displayRate, bool swapsSynchronised, double fallbackRate);

    // Frames per second the update step is based on: the measured rate.
    double rate() const { return rate_; }
    // Whether the pacer sleeps to a schedule (swaps do not wait).
    bool pacing() const { return pacing_; }

    // Call after each frame is shown: measures the frame rate, and sleeps
    // until the next frame is due when swaps do not pace the loop.
    void frameShown();

  private:
    void measure(double now);

    FrameClock& clock_;
    double rate_;
    bool pacing_;
    double period_;           // seconds between frames the loop aims at
    double nextFrame_ = 0;    // while pacing: when the next frame is due
    double lastFrame_ = -1;   // when the last frame was shown
    double averageInterval_;  // seconds, the running average of frame intervals
};

// The real clock: SDL's high-resolution counter and SDL_Delay.
class SystemFrameClock : public FrameClock {
  public:
    double now() override;
    void sleepUntil(double seconds) override;
};
