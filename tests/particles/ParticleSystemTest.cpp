// The particle pool: slots, presets, behaviours.
#include <gtest/gtest.h>

#include <cmath>

#include "gfx/Graphics.h"
#include "input/InputDevice.h"
#include "particles/ParticleSystem.h"

namespace {

class Particles : public ::testing::Test {
  protected:
    NullInput input_;
    Graphics graphics_{nullGl(), input_};
    ParticleSystem pool_{&graphics_};
};

}  // namespace

TEST_F(Particles, FullPoolDropsNewStartsAndClearFreesSlotZero) {
    for (int i = 0; i < ParticleSystem::kCapacity; ++i) {
        pool_.emit(makeVector3(static_cast<float>(i), 0, 0), makeVector3(0, 0, 0), 0, 1, 0, 50);
    }
    EXPECT_EQ(pool_.activeCount(), 200);
    pool_.spawnBurst(makeVector3(999, 0, 0), kBurstSmall);
    EXPECT_EQ(pool_.activeCount(), 200);
    EXPECT_EQ(pool_.particle(0).position.x, 0.0f);
    EXPECT_EQ(pool_.particle(199).position.x, 199.0f);

    pool_.update();
    EXPECT_EQ(pool_.activeCount(), 200);  // the earlier ones keep running
    pool_.clear();
    EXPECT_EQ(pool_.activeCount(), 0);
    pool_.spawnBurst(makeVector3(5, 6, 0), kBurstExplosion);
    EXPECT_TRUE(pool_.particle(0).active);
    EXPECT_FALSE(pool_.particle(1).active);
}

TEST_F(Particles, BurstPresetsStepThroughTheirFrames) {
    pool_.spawnBurst(makeVector3(0, 0, 0), kBurstSmall);
    std::vector<int> small{pool_.particle(0).frame};
    while (pool_.particle(0).active) {
        pool_.update();
        if (pool_.particle(0).active) small.push_back(pool_.particle(0).frame);
    }
    // Drawn before its first update and after updates 1..4: 8; after 5..9: 9.
    EXPECT_EQ(small, (std::vector<int>{8, 8, 8, 8, 8, 9, 9, 9, 9, 9}));

    pool_.spawnBurst(makeVector3(0, 0, 0), kBurstExplosion);
    std::vector<int> seen(14, 0);
    seen[pool_.particle(0).frame]++;
    int updates = 0;
    while (pool_.particle(0).active) {
        pool_.update();
        ++updates;
        if (pool_.particle(0).active) seen[pool_.particle(0).frame]++;
    }
    EXPECT_EQ(updates, 19);
    EXPECT_EQ(seen[10], 5);  // life 19..15
    EXPECT_EQ(seen[11], 5);
    EXPECT_EQ(seen[12], 5);
    EXPECT_EQ(seen[13], 4);  // life 4..1
}

TEST_F(Particles, MovingTypesKeepTheirPreviousPositionForBlending) {
    pool_.emit(makeVector3(10, 20, 0), makeVector3(1, 0.5f, 0), 0.25f, 1, kParticleDebris, 3);
    pool_.update();
    const Particle& debris = pool_.particle(0);
    EXPECT_FLOAT_EQ(debris.previousPosition.x, 10.0f);
    EXPECT_FLOAT_EQ(debris.position.x, 11.0f);
    EXPECT_FLOAT_EQ(debris.velocity.y, 0.45f);  // falls: y grows upward
    EXPECT_FLOAT_EQ(debris.position.y, 20.45f);
    EXPECT_FLOAT_EQ(debris.angle, 0.25f);
    EXPECT_FLOAT_EQ(debris.previousAngle, 0.0f);

    // A bubble sways with its life before the decrement; a life-1 particle
    // ends on its first update.
    pool_.clear();
    pool_.emit(makeVector3(0, 0, 0), makeVector3(0, 0.3f, 0), 0, 0, kParticleBubble, 1);
    pool_.update();
    EXPECT_FALSE(pool_.particle(0).active);
    EXPECT_NEAR(pool_.particle(0).velocity.x, std::cos(0.1f) * 0.7f, 1e-6);
}
