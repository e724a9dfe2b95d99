// The scripted rooms, step by step through the World: the boss music, the
// dragon's fly-past and the bridge coming down in two stages.
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
    }
    int playsOf(const Audio& audio, const std::string& what) {
        return static_cast<int>(std::count(audio.begin(), audio.end(), what));
    }
};

}  // namespace

TEST_F(RoomEvents, TheBossMusicStartsOncePerGamePastTheMiddleOfTheFightRoom) {
    buildScriptedRooms();
    enter(3, 640, 100);
    takeAudio();
    stepWorld(5);
    EXPECT_FALSE(world->bossMusicStarted);
    player->setPosition(640.5f, 100, 0);
    stepWorld(1);
    EXPECT_TRUE(world->bossMusicStarted);
    EXPECT_EQ(world->musicTrack, 3);
    EXPECT_EQ(takeAudio().size(), 1u);
    // Out and back in: it does not start again.
    enter(0, 100, 100);
    enter(3, 700, 100);
    takeAudio();
    stepWorld(5);
    EXPECT_TRUE(takeAudio().empty());
}

TEST_F(RoomEvents, TheFlyPastStartsJustAbove720OncePerVisit) {
    buildScriptedRooms();
    enter(1, 170, 720);
    takeAudio();
    stepWorld(3);
    EXPECT_FALSE(world->wooshPlayed);
    player->setPosition(170, 720.5f, 0);
    stepWorld(1);
    EXPECT_TRUE(world->wooshPlayed);
    EXPECT_EQ(world->freezeTimer, kFlyPastFreezeSteps);
    EXPECT_TRUE(world->updateDuringFreeze);
    EXPECT_EQ(takeAudio(), (Audio{"play dragon_woosh 40"}));
    stepWorld(10);
    EXPECT_TRUE(takeAudio().empty());
    // A new visit, with the bridge still up, sees it again.
    enter(0, 100, 100);
    enter(1, 170, 730);
    EXPECT_FALSE(world->wooshPlayed);
    stepWorld(1);
    EXPECT_EQ(takeAudio(), (Audio{"play dragon_woosh 40"}));
}

TEST_F(RoomEvents, TheBridgeComesDownInTwoStagesAndStaysDown) {
    buildScriptedRooms();
    enter(1, 100, 760);
    takeAudio();
    world->crushStage = 1;
    stepWorld(1);
    EXPECT_EQ(world->crushStage, 2);
    EXPECT_TRUE(world->musicLocked);
    EXPECT_EQ(world->musicTrack, 2);
    for (int c = 12; c <= 15; ++c) EXPECT_EQ(world->tileAt(kSolidLayer, c, 45), 0) << c;
    for (int c = 16; c <= 19; ++c) EXPECT_NE(world->tileAt(kSolidLayer, c, 45), 0) << c;
    EXPECT_GT(world->getParticles()->activeCount(), 0);
    world->crushStage = 3;
    stepWorld(1);
    EXPECT_EQ(world->crushStage, 4);
    for (int c = 12; c <= 19; ++c) EXPECT_EQ(world->tileAt(kSolidLayer, c, 45), 0) << c;
    const Audio audio = takeAudio();
    EXPECT_EQ(playsOf(audio, "play big_crush 100"), 2);

    // Track 2 plays on through other rooms, and the bridge stays down.
    enter(0, 100, 100);
    EXPECT_EQ(world->musicTrack, 2);
    enter(1, 100, 760);
    EXPECT_EQ(world->musicTrack, 2);
    for (int c = 12; c <= 19; ++c) EXPECT_EQ(world->tileAt(kSolidLayer, c, 45), 0) << c;
    EXPECT_NE(world->tileAt(kSolidLayer, 11, 45), 0);  // the rest of the ledge
}

// The flooded room's bubbles and rakas live in its water: once it is
// drained, neither comes back (the other kinds of enemy still do).
TEST_F(RoomEvents, TheDrainedFloodedRoomHasNoBubblesAndNoRakas) {
    TestRoom flooded = floorRoom("fernvale_vertical.sec");
    flooded.room.enemies = {EnemyEntry{makeVector3(100, 60, 0), kRaka, 0},
                            EnemyEntry{makeVector3(200, 60, 0), kRaka, 1},
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
    ASSERT_TRUE(player->inWater);
    EXPECT_EQ(kindsHere(), (std::vector<int>{kRaka, kRaka, kSwoop}));
    stepWorld(1000);  // about one bubble in 101 steps
    EXPECT_GT(world->getParticles()->activeCount(), 0);

    world->waterDrained = true;
    ASSERT_TRUE(world->changeRoom(1, 0));
    ASSERT_TRUE(world->changeRoom(0, 0));
    EXPECT_FALSE(player->inWater);
    EXPECT_EQ(kindsHere(), (std::vector<int>{kSwoop}));
    stepWorld(1000);
    EXPECT_EQ(world->getParticles()->activeCount(), 0);
}
