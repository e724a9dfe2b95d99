// The scripted rooms, step by step through the World: the boss music, the
// dragon's fly-past, the bridge coming down in two stages, and the flooded
// room's water.
#include <gtest/gtest.h>

#include <algorithm>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "particles/ParticleSystem.h"
#include "support/WorldFixture.h"

namespace {

using Audio = std::vector<std::string>;

class RoomEvents : public WorldFixture {
  protected:
    // An ordinary room at grid (0, 0), the bridge room (2 x 4 cells) east of
    // it with a ledge on row 45, and the dragon room (3 x 1) east of that.
    // The bridge's first stage (breakable blocks) spans columns 12..15, its
    // second (flush targets) columns 16..19.
    void buildScriptedRooms() {
        TestRoom bridge;
        bridge.name = "bridge_and_under.sec";
        bridge.gridX = 1;
        bridge.widthCells = 2;
        bridge.heightCells = 4;
        bridge.solid = std::vector<std::string>(60, "");
        std::string ledge(40, '#');
        for (int c = 12; c <= 19; ++c) ledge[c] = c <= 15 ? 'B' : 'F';
        bridge.solid[60 - 1 - 45] = ledge;
        TestRoom dragon = floorRoom("dragon_fight_room.sec", 3);
        dragon.widthCells = 3;
        build({floorRoom("plain.sec"), bridge, dragon});
    }
    void enter(int gridX, float x, float y) {
        ASSERT_TRUE(world->changeRoom(gridX, 0));
        player->setPosition(x, y, 0);
        takeAudio();
    }
    // Steps once at x, y in the current room; the sounds of that step.
    Audio stepAt(float x, float y) {
        player->setPosition(x, y, 0);
        stepWorld(1);
        return takeAudio();
    }
    bool ledgeOpen(int from, int to) {
        for (int c = from; c <= to; ++c) {
            if (world->tileAt(kSolidLayer, c, 45) != 0) return false;
        }
        return true;
    }
};

}  // namespace

TEST_F(RoomEvents, TheBossMusicStartsOncePerGamePastTheMiddleOfTheFightRoom) {
    buildScriptedRooms();
    enter(3, 640, 100);
    EXPECT_TRUE(stepAt(640, 100).empty());
    EXPECT_EQ(stepAt(640.5f, 100).size(), 1u);
    EXPECT_EQ(world->musicTrack, 3);
    // Out and back in: it does not start again.
    enter(0, 100, 100);
    enter(3, 700, 100);
    EXPECT_TRUE(stepAt(700, 100).empty());
}

TEST_F(RoomEvents, TheFlyPastStartsJustAbove720OncePerVisit) {
    buildScriptedRooms();
    enter(1, 170, 720);
    EXPECT_TRUE(stepAt(170, 720).empty());
    EXPECT_EQ(stepAt(170, 720.5f), (Audio{"play dragon_woosh 40"}));
    EXPECT_EQ(world->freezeTimer, kFlyPastFreezeSteps);
    EXPECT_TRUE(world->updateDuringFreeze);
    EXPECT_TRUE(stepAt(170, 730).empty());
    // A new visit, with the bridge still up, sees it again.
    enter(0, 100, 100);
    enter(1, 170, 730);
    EXPECT_EQ(stepAt(170, 730), (Audio{"play dragon_woosh 40"}));
}

TEST_F(RoomEvents, TheBridgeComesDownInTwoStagesAndStaysDown) {
    buildScriptedRooms();
    enter(1, 100, 760);
    world->crushStage = 1;
    EXPECT_EQ(stepAt(100, 760).at(0), "play big_crush 100");
    EXPECT_EQ(world->crushStage, 2);
    EXPECT_EQ(world->musicTrack, 2);
    EXPECT_TRUE(ledgeOpen(12, 15));
    EXPECT_NE(world->tileAt(kSolidLayer, 16, 45), 0);
    EXPECT_GT(world->getParticles()->activeCount(), 0);
    world->crushStage = 3;
    EXPECT_EQ(stepAt(100, 760), (Audio{"play big_crush 100"}));
    EXPECT_EQ(world->crushStage, 4);
    EXPECT_TRUE(ledgeOpen(12, 19));

    // Track 2 is locked in through other rooms, and the bridge stays down.
    enter(0, 100, 100);
    enter(1, 100, 760);
    EXPECT_EQ(world->musicTrack, 2);
    EXPECT_TRUE(ledgeOpen(12, 19));
    EXPECT_NE(world->tileAt(kSolidLayer, 11, 45), 0);  // the rest of the ledge
}

// The flooded room's bubbles and rakas live in its water: once it is
// drained, neither comes back (the other kinds of enemy still do).
TEST_F(RoomEvents, TheDrainedFloodedRoomHasNoBubblesAndNoRakas) {
    TestRoom flooded = floorRoom("fernvale_vertical.sec");
    flooded.room.enemies = {EnemyEntry{makeVector3(100, 60, 0), kRaka, 0},
                            EnemyEntry{makeVector3(150, 200, 0), kSwoop, 0}};
    build({floorRoom("plain.sec", 1), flooded});
    auto kindsHere = [&] {
        std::vector<int> kinds;
        for (int slot = 0; slot < EnemyList::kCapacity; ++slot) {
            if (const Enemy* e = world->getEnemies()->enemyAt(slot)) kinds.push_back(e->kind);
        }
        return kinds;
    };
    ASSERT_TRUE(world->changeRoom(0, 0));
    EXPECT_EQ(kindsHere(), (std::vector<int>{kRaka, kSwoop}));
    stepWorld(1000);  // about one bubble in 101 steps
    EXPECT_GT(world->getParticles()->activeCount(), 0);

    world->waterDrained = true;
    ASSERT_TRUE(world->changeRoom(1, 0));
    ASSERT_TRUE(world->changeRoom(0, 0));
    EXPECT_EQ(kindsHere(), std::vector<int>{kSwoop});
    stepWorld(1000);
    EXPECT_EQ(world->getParticles()->activeCount(), 0);
}
