// The enemy table: sheets, slots, hit tests, removal, drawing; no World needed.
#include <gtest/gtest.h>

#include <vector>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "enemies/SwoopEnemy.h"
#include "gfx/Graphics.h"
#include "player/BoundingBox.h"
#include "support/RecordingGl.h"
#include "support/ScratchFolder.h"
#include "world/ActorContext.h"

namespace {

class EnemyListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GENERATED_DATA();
        recgl::reset();
    }
    Enemy* spawn(float x, std::int32_t kind) { return list_.spawn(makeVector3(x, 0, 0), kind, 0); }
    Enemy* hitAt(float x, float y = 0) {
        BoundingBox box;
        box.set(makeVector3(x, y, 0), makeVector3(0, 0, 0), 2, 2);
        return list_.hitTest(&box);
    }
    ScratchFolder folder_{"list", ScratchFolder::kGameFolder};
    Graphics graphics_{recgl::recordingGl()};
    ActorContext actors_;
    EnemyList list_{&graphics_, &actors_};
};

}  // namespace

TEST_F(EnemyListTest, SheetsLoadOncePerKindInFirstSpawnOrderEvenWhenTheTableIsFull) {
    for (int i = 0; i < EnemyList::kCapacity; ++i) spawn(static_cast<float>(i) * 20, kSwoop);
    EXPECT_EQ(spawn(-500, kHelmet), nullptr);  // no room: none kept, the sheet loaded
    EXPECT_EQ(hitAt(-500), nullptr);
    list_.clear();
    spawn(0, kHelmet);
    EXPECT_EQ(spawn(0, 4), nullptr);
    EXPECT_EQ(spawn(0, -1), nullptr);
    EXPECT_EQ(recgl::texturesMade(), 2u);
    ASSERT_EQ(list_.registeredKindCount(), 2);
    EXPECT_EQ(list_.registeredKind(0), kSwoop);
    EXPECT_EQ(list_.registeredKind(1), kHelmet);
}

TEST_F(EnemyListTest, HitTestSeesAFreshSpawnAndPrefersTheLowerSlot) {
    const Enemy* helmet = spawn(100, kHelmet);  // its 12 x 14 box is placed at once
    EXPECT_EQ(hitAt(100 + 6 + 1), helmet);      // edges touch
    EXPECT_EQ(hitAt(100 + 6 + 1.01f), nullptr);
    EXPECT_EQ(hitAt(100, 7 + 1.01f), nullptr);
    const Enemy* swoop = spawn(96, kSwoop);  // 10 x 25, slot 1
    EXPECT_EQ(hitAt(98), helmet);
    EXPECT_EQ(hitAt(96, 12), swoop);
}

TEST_F(EnemyListTest, DeadEnemiesStayHittableButUndrawnUntilTheNextPassFreesTheirSlot) {
    Enemy* dead = spawn(0, kSwoop);
    Enemy* other = spawn(40, kSwoop);
    dead->alive = false;
    list_.drawAll(1.0f);
    ASSERT_EQ(recgl::sprites().size(), 1u);
    EXPECT_FLOAT_EQ(recgl::sprites()[0].x - 160, 40);
    EXPECT_EQ(hitAt(0), dead);
    other->alive = false;  // so the pass only removes
    list_.updateAll();
    EXPECT_EQ(list_.enemyAt(1), nullptr);
    EXPECT_EQ(hitAt(0), nullptr);
    EXPECT_EQ(list_.enemyAt(0), spawn(7, kHelmet));
}

TEST_F(EnemyListTest, DrawsGroupedByKindInRegistrationOrderBlended) {
    auto* swoopA = static_cast<SwoopEnemy*>(spawn(10, kSwoop));  // sheet 1
    spawn(20, kHelmet);                                          // sheet 2
    auto* swoopB = static_cast<SwoopEnemy*>(spawn(30, kSwoop));
    recgl::calls().clear();
    swoopA->previousPosition = makeVector3(0, 8, 0);
    swoopB->frame = 1;
    swoopB->hurtTimer = 5;  // the hurt flash: frame + 4
    list_.drawAll(0.25f);
    EXPECT_EQ(recgl::binds(), (std::vector<unsigned>{1, 2}));
    const std::vector<recgl::Call> drawn = recgl::sprites();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_FLOAT_EQ(drawn[0].x - 160, 10 * 0.25f);
    EXPECT_FLOAT_EQ(drawn[0].y - 120, 8 * 0.75f);
    EXPECT_FLOAT_EQ(drawn[1].x - 160, 30);
    EXPECT_EQ(drawn[1].frame(256, 32), 5);
    EXPECT_FLOAT_EQ(drawn[2].x - 160, 20);
}
