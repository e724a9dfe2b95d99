// The shot pool on its own: slots, lifetimes and impact flashes. With no
// World the shots fly and expire without meeting anything.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/Graphics.h"
#include "support/RecordingGl.h"
#include "support/ScratchFolder.h"
#include "weapons/ProjectileSystem.h"
#include "world/ActorContext.h"

namespace {

class ProjectilePool : public ::testing::Test {
  protected:
    static Vector3 at(float x, float y = 0) { return makeVector3(x, y, 0); }

    // Sprites of one draw: x from the view centre, and the frame on the
    // 256 x 128 weapons sheet.
    std::vector<std::pair<float, int>> drawn(float alpha) {
        recgl::calls().clear();
        pool_.draw(alpha);
        std::vector<std::pair<float, int>> out;
        for (const recgl::Call& sprite : recgl::sprites()) {
            out.emplace_back(sprite.x - 160.0f, sprite.frame(256, 128));
        }
        return out;
    }

    ScratchFolder folder_{"pool", ScratchFolder::kGameFolder};  // the weapons sheet
    Graphics graphics_{recgl::recordingGl()};
    ActorContext actors_;
    ProjectileSystem pool_{&graphics_, &actors_};
};

}  // namespace

TEST_F(ProjectilePool, AFullPoolDropsTheNextShotAndReusesTheLowestFreeSlot) {
    EXPECT_TRUE(drawn(0.5f).empty());  // fresh slots draw nothing
    for (int i = 0; i < ProjectileSystem::kCapacity; ++i) {
        pool_.spawnPlayerShot(at(static_cast<float>(i)), at(0), kVantaShot);
    }
    pool_.spawnEnemyShot(at(-1), at(1), 1);
    EXPECT_EQ(pool_.activeCount(), 100);
    EXPECT_EQ(pool_.projectile(0).kind, kVantaShot);
    pool_.clear();
    EXPECT_EQ(pool_.activeCount(), 0);
    pool_.spawnEnemyShot(at(5), at(0), 1);
    EXPECT_EQ(pool_.projectile(0).kind, kHelmetShot);
}

TEST_F(ProjectilePool, EachKindFliesItsLifeInSteps) {
    struct Case {
        bool enemy;
        std::int32_t kindOrVariant, kind;
        int life;
    };
    for (const Case c :
         {Case{false, kVantaShot, kVantaShot, 80}, Case{false, kGearboyShot, kGearboyShot, 80},
          Case{true, 0, kSwoopShot, 20}, Case{true, 1, kHelmetShot, 140}}) {
        SCOPED_TRACE(c.kind);
        pool_.clear();
        if (c.enemy) {
            pool_.spawnEnemyShot(at(0), at(4), c.kindOrVariant);
        } else {
            pool_.spawnPlayerShot(at(0), at(4), c.kindOrVariant);
        }
        const Projectile& shot = pool_.projectile(0);
        EXPECT_EQ(shot.kind, c.kind);
        int steps = 0;
        for (; shot.active && steps < 1000; ++steps) pool_.update();
        EXPECT_EQ(steps, c.life);
        EXPECT_FLOAT_EQ(shot.position.x, 4.0f * c.life);
    }
}

TEST_F(ProjectilePool, OnlyTheVantaShotFlashesForFiveDrawsWhereItEnded) {
    REQUIRE_GENERATED_DATA();  // frames beyond an empty sheet are not drawn
    pool_.spawnPlayerShot(at(0), at(4), kVantaShot);
    pool_.spawnPlayerShot(at(0, 50), at(4), kGearboyShot);
    for (int step = 0; step < 79; ++step) pool_.update();
    EXPECT_EQ(drawn(0.25f), (std::vector<std::pair<float, int>>{{313, 0}, {313, 8}}));

    std::vector<std::size_t> spritesPerDraw;
    for (int step = 0; step < 7; ++step) {
        pool_.update();
        const auto sprites = drawn(0.5f);
        spritesPerDraw.push_back(sprites.size());
        for (const auto& sprite : sprites) {
            EXPECT_EQ(sprite, (std::pair<float, int>{318, 1}));  // frozen between 316 and 320
        }
    }
    EXPECT_EQ(spritesPerDraw, (std::vector<std::size_t>{1, 1, 1, 1, 1, 0, 0}));
}
