// The particle pool: slots, bursts and how each moving type steps.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gfx/Graphics.h"
#include "input/InputDevice.h"
#include "particles/ParticleSystem.h"

namespace {

class Particles : public ::testing::Test {
  protected:
    Graphics graphics_{nullGl()};
    ParticleSystem pool_{&graphics_};
};

}  // namespace

TEST_F(Particles, FullPoolDropsNewStartsAndClearFreesSlotZero) {
    for (int i = 0; i < ParticleSystem::kCapacity; ++i) {
        pool_.emit(makeVector3(static_cast<float>(i), 0, 0), makeVector3(0, 0, 0), 0, 1, 0, 50);
    }
    pool_.spawnBurst(makeVector3(999, 0, 0), kBurstSmall);
    EXPECT_EQ(pool_.activeCount(), 200);
    EXPECT_EQ(pool_.particle(199).position.x, 199.0f);
    pool_.clear();
    EXPECT_EQ(pool_.activeCount(), 0);
    pool_.spawnBurst(makeVector3(5, 6, 0), kBurstExplosion);
    EXPECT_TRUE(pool_.particle(0).active);
}

TEST_F(Particles, BurstsPlayTheirFramesForwardOnceAndEnd) {
    struct Case {
        std::int32_t preset;
        std::vector<int> frames;
        int updates;
    };
    for (const Case& c :
         {Case{kBurstSmall, {8, 9}, 10}, Case{kBurstExplosion, {10, 11, 12, 13}, 19}}) {
        pool_.clear();
        pool_.spawnBurst(makeVector3(0, 0, 0), c.preset);
        std::vector<int> shown{pool_.particle(0).frame};
        int updates = 0;
        for (; pool_.particle(0).active && updates < 100; ++updates) {
            pool_.update();
            const int frame = pool_.particle(0).frame;
            if (pool_.particle(0).active && frame != shown.back()) shown.push_back(frame);
        }
        EXPECT_EQ(shown, c.frames);
        EXPECT_EQ(updates, c.updates);
    }
}

TEST_F(Particles, DebrisFallsAndSpinsAndABubbleSwaysWithItsLife) {
    pool_.emit(makeVector3(10, 20, 0), makeVector3(1, 0.5f, 0), 0.25f, 1, kParticleDebris, 3);
    pool_.update();
    const Particle& debris = pool_.particle(0);
    EXPECT_FLOAT_EQ(debris.previousPosition.x, 10.0f);  // kept for blending the draw
    EXPECT_FLOAT_EQ(debris.position.x, 11.0f);
    EXPECT_FLOAT_EQ(debris.position.y, 20.45f);  // gravity 0.05 before the move
    EXPECT_FLOAT_EQ(debris.angle, 0.25f);

    // The sway reads the life before the decrement; life 1 ends on the first update.
    pool_.clear();
    pool_.emit(makeVector3(0, 0, 0), makeVector3(0, 0.3f, 0), 0, 0, kParticleBubble, 1);
    pool_.update();
    EXPECT_FALSE(pool_.particle(0).active);
    EXPECT_NEAR(pool_.particle(0).velocity.x, std::cos(0.1f) * 0.7f, 1e-6);
}
