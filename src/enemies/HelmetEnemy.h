#pragma once

#include <cstdint>

#include "enemies/Enemy.h"

// Kind 1: hides under its helmet (shots cannot hurt it; gearboy shots
// ricochet), rises when the player comes near, fires a fan of three shots,
// walks toward the player and hides again. One hit while out kills it.
class HelmetEnemy : public Enemy {
  public:
    enum State : std::int32_t {
        kHiding = 0,
        kRising = 1,  // rising and firing
        kWalking = 2,
    };

    static constexpr float kWidth = 12.0f;
    static constexpr float kHeight = 14.0f;
    static constexpr float kWakeRange = 100.0f;  // horizontal distance that wakes it
    static constexpr int kFireStep = 50;         // step of the rise that fires the fan

    HelmetEnemy(Graphics* graphics, Vector3 position, std::int32_t kind, std::uint8_t flag);

    void hurt(std::int32_t damage) override;
    bool overlaps(BoundingBox* other) override;
    void update() override;
    void draw(float alpha) override;
    std::int32_t traceState() const override { return state; }

    std::int32_t frame = 0;
    std::int32_t state = kHiding;
    std::int32_t timer = 50;  // steps in the current state; starts part-way through hiding
    std::int32_t facing = 0;  // 0 faces and walks left (the sheet's way), 1 right (mirrored)

  private:
    void hide();
    void rise();
    void walk();
    void fireFan();
    void faceThePlayer();
    void enterState(State next);
};
