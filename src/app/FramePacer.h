#pragma once

// Keeps the game at 90 update steps per second of real time on any display.
// The game's step is measured in drawn frames (update step = frame rate / 90),
// so what matters is knowing the rate frames really come at:
// - when buffer swaps wait for the display's refresh, that is the display's
//   rate, and the swap itself paces the loop;
// - when they do not (no swap control, a driver that ignores it, a virtual
//   display), frames would come as fast as the machine draws, so the pacer
//   sleeps until each frame's time at a fixed rate instead.
// A display that claims synchronised swaps is watched: the rate is the
// measured average frame rate (so a machine that manages only every other
// refresh still runs the game at full speed), and a frame that comes in less
// than half a refresh (a swap that did not wait) is held back by sleeping.
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

    // Frames per second the update step is based on.
    double rate() const { return rate_; }
    bool pacing() const { return pacing_; }

    // Call after each frame is shown: measures the frame rate, and when
    // pacing, sleeps until the next frame is due.
    void frameShown();

  private:
    void startPacing(double rate);

    FrameClock& clock_;
    double rate_;
    bool pacing_;
    double nextFrame_ = 0;
    double displayRate_ = 0;
    double lastFrame_ = -1;
    double averageInterval_ = 0;  // seconds, while trusting the display
};

// The real clock: SDL's high-resolution counter and SDL_Delay.
class SystemFrameClock : public FrameClock {
  public:
    double now() override;
    void sleepUntil(double seconds) override;
};
