#pragma once

#include <cstdint>

// The game's one random generator: x := x * 214013 + 2531011, each draw
// giving (x >> 16) & 32767 (0 to 32767). Seeded once at start-up (with the
// time, or the --seed value), so a seed and an input script replay exactly.
class Random {
  public:
    Random() = default;
    explicit Random(std::uint32_t seed) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 32767u);
    }
    // The next draw modulo n (n above 0).
    int below(int n) { return next() % n; }

  private:
    std::uint32_t state_ = 1;
};
