// The particle pool: slots and lifetimes.
#include <gtest/gtest.h>

#include "gfx/Graphics.h"
#include "input/InputDevice.h"
#include "particles/ParticleSystem.h"

namespace {

class Particles : public ::testing::Test {
  protected:
    Graphics graphics_{nullGl()};
    ParticleSystem pool_{&graphics_};
};

TEST_F(Particles, AFullPoolDropsNewStartsAndEachParticleEndsWithItsLife) {
    for (int i = 0; i < ParticleSystem::kCapacity; ++i) {
        pool_.emit(makeVector3(static_cast<float>(i), 0, 0), makeVector3(0, 0, 0), 0, 1, 0, 50);
    }
    pool_.spawnBurst(makeVector3(999, 0, 0), kBurstSmall);
    EXPECT_EQ(pool_.activeCount(), 200);

    pool_.clear();
    pool_.spawnBurst(makeVector3(5, 6, 0), kBurstExplosion);  // 19 steps, frames 10 to 13
    pool_.emit(makeVector3(0, 0, 0), makeVector3(0, 0, 0), 0, 1, kParticleDebris, 1);
    pool_.update();
    EXPECT_EQ(pool_.activeCount(), 1);  // life 1 ends on its first update
    for (int step = 1; step < 18; ++step) pool_.update();
    EXPECT_TRUE(pool_.particle(0).active);
    EXPECT_EQ(pool_.particle(0).frame, 13);
    pool_.update();
    EXPECT_EQ(pool_.activeCount(), 0);
}

}  // namespace
