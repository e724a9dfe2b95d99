// Doors, blocks, the flush target, the camera, the ball item and tile queries.
#include <gtest/gtest.h>

#include "particles/ParticleSystem.h"
#include "player/BoundingBox.h"
#include "support/WorldFixture.h"

namespace {

using Audio = std::vector<std::string>;

// A one-cell room: floor, a three-tile door on the right, a breakable block
// and a flush target on the left.
TestRoom doorRoom(const std::string& name = "doors.sec", int gridX = 0) {
    TestRoom t = floorRoom(name, gridX);
    t.solid[11] = "...................D";
    t.solid[12] = "...................D";
    t.solid[13] = "B.F................D";
    return t;
}

BoundingBox shotAt(int column, int row) {
    BoundingBox b;
    b.set(makeVector3(16.0f * column + 8, 16.0f * row + 8, 0), makeVector3(0, 0, 0), 4, 4);
    return b;
}

class WorldBlocks : public WorldFixture {
  protected:
    std::int32_t solidAt(int column, int row) { return world->tileAt(kSolidLayer, column, row); }
};

}  // namespace

TEST_F(WorldBlocks, AShotDoorOpensAsOneAndClosesOnItsTimeline) {
    // A door three tiles wide and high, and two tiles three away from the
    // corner that is hit: a door is never larger, so those belong to others.
    TestRoom room;
    room.name = "doors.sec";
    room.solid.assign(10, "");
    room.solid.insert(room.solid.end(), {"............D.......",  // row 4
                                         "............DDD.....",  // row 3
                                         "............DDD.....",
                                         "............DDD..D..",  // row 1
                                         "####################"});
    build({room});
    player->setPosition(60, 40, 0);  // far from the door
    EXPECT_TRUE(world->boxHitsTiles(shotAt(14, 1), kWeaponHit));
    EXPECT_EQ(takeAudio(), (Audio{"play door_open 30"}));
    for (const BlockRecord& b : world->blocks) {
        const bool otherDoor = b.row == 4 || b.column == 17;
        EXPECT_EQ(b.timer, otherDoor ? 0 : 1) << b.column << ", " << b.row;
    }
    world->boxHitsTiles(shotAt(13, 2), kWeaponHit);  // a moving door plays nothing
    EXPECT_TRUE(takeAudio().empty());

    std::vector<std::pair<int, std::int32_t>> changes;  // step -> code of the far corner
    std::vector<int> soundSteps;
    std::int32_t last = solidAt(12, 3);
    for (int step = 2; step <= 282; ++step) {
        world->update();
        if (solidAt(12, 3) != last) changes.push_back({step, last = solidAt(12, 3)});
        if (!takeAudio().empty()) soundSteps.push_back(step);
    }
    EXPECT_EQ(changes, (std::vector<std::pair<int, std::int32_t>>{
                           {22, kDoorTile + 1}, {30, 0}, {272, kDoorTile + 1}, {280, kDoorTile}}));
    EXPECT_EQ(soundSteps, std::vector<int>{250});
}

TEST_F(WorldBlocks, TheEntryDoorWaitsForThePlayerToWalkAway) {
    build({doorRoom()});
    player->setPosition(300, 40, 0);  // in the doorway, as if just arrived
    world->openDoorsNearPlayer();
    EXPECT_EQ(takeAudio(), (Audio{"play door_open 30"}));
    stepWorld(200);
    EXPECT_EQ(solidAt(19, 2), 0);
    EXPECT_EQ(solidAt(0, 1), kBreakableTile);  // only the door's records open
    EXPECT_TRUE(takeAudio().empty());

    // Two tiles away horizontally: the doors close together with one sound.
    player->setPosition(19 * 16 - 24, 40, 0);
    world->update();
    EXPECT_EQ(takeAudio(), (Audio{"play door_open 30"}));
    stepWorld(40);
    EXPECT_EQ(solidAt(19, 2), kDoorTile);

    // An entry door opens for a player up to two tiles away, not three.
    player->setPosition(16 * 16 + 8, 40, 0);
    world->openDoorsNearPlayer();
    EXPECT_TRUE(takeAudio().empty());
    player->setPosition(17 * 16 + 8, 40, 0);
    world->openDoorsNearPlayer();
    EXPECT_EQ(takeAudio(), (Audio{"play door_open 30"}));
}

TEST_F(WorldBlocks, AShotBlockBreaksOnTheNextUpdateAndAProbeSetsNothingOff) {
    build({doorRoom()});
    player->setPosition(200, 40, 0);
    EXPECT_TRUE(world->boxHitsTiles(shotAt(19, 2), kProbeHit));
    EXPECT_TRUE(world->boxHitsTiles(shotAt(0, 1), kProbeHit));
    EXPECT_TRUE(takeAudio().empty());
    EXPECT_TRUE(world->boxHitsTiles(shotAt(0, 1), kWeaponHit));
    EXPECT_EQ(takeAudio(), (Audio{"play gearboy_enemyhurt 20"}));
    EXPECT_EQ(solidAt(0, 1), kBreakableTile);
    world->update();
    EXPECT_EQ(solidAt(0, 1), 0);
    EXPECT_EQ(world->getParticles()->activeCount(), 1);  // its burst
}

TEST_F(WorldBlocks, TheFlushTargetDrainsTheFloodOnlyFromTheSaveRoomAndOnlyOnce) {
    build({doorRoom("other.sec"), doorRoom("save_room1.sec", 1)});
    player->setPosition(200, 40, 0);
    EXPECT_TRUE(world->boxHitsTiles(shotAt(2, 1), kWeaponHit));  // elsewhere it only stops shots
    EXPECT_FALSE(world->waterDrained);

    ASSERT_TRUE(world->changeRoom(1, 0));
    world->resumeMusic = true;
    EXPECT_TRUE(world->boxHitsTiles(shotAt(2, 1), kWeaponHit));
    EXPECT_TRUE(world->waterDrained);
    EXPECT_EQ(world->freezeTimer, kDrainFreezeSteps);
    EXPECT_FALSE(world->resumeMusic);
    EXPECT_EQ(takeAudio(), (Audio{"play flush 100"}));
    world->boxHitsTiles(shotAt(2, 1), kWeaponHit);
    EXPECT_TRUE(takeAudio().empty());
    ASSERT_TRUE(world->changeRoom(1, 0));  // back again: the target stays drained
    EXPECT_EQ(solidAt(2, 1), kDrainedFlushTile);
}

TEST_F(WorldBlocks, TheCameraRestsAboveThePlayerInsideTheRoom) {
    TestRoom wide = doorRoom();
    wide.widthCells = 2;
    wide.heightCells = 2;
    build({wide});
    player->setPosition(300.7f, 200.2f, 0);
    stepWorld(500);
    // x settles on the truncated target; y stops inside the 3-unit dead zone.
    EXPECT_FLOAT_EQ(world->camera.x, 300);
    EXPECT_NEAR(world->camera.y, 220, 3);
    const float restY = world->camera.y;
    player->setPosition(300.7f, restY - 20 + 2.5f, 0);  // a move within the dead zone
    stepWorld(50);
    EXPECT_FLOAT_EQ(world->camera.y, restY);
    // Near the corners the view stays inside the room.
    player->setPosition(5, 5, 0);
    stepWorld(300);
    EXPECT_FLOAT_EQ(world->camera.x, 160);
    EXPECT_FLOAT_EQ(world->camera.y, 120);
    player->setPosition(635, 475, 0);
    stepWorld(300);
    EXPECT_FLOAT_EQ(world->camera.x, 640 - 160);
    EXPECT_FLOAT_EQ(world->camera.y, 480 - 120);
}

TEST_F(WorldBlocks, TheBallItemFreezesTheGameOnTouchAndIsGoneOnceTaken) {
    TestRoom start = doorRoom("starting_room.sec");
    start.feature = true;
    start.featurePos = makeVector3(150, 40, 0);
    build({start});
    player->bodyBox.set(makeVector3(150, 50, 0), makeVector3(0, 0, 0), 12, 24);
    world->update();
    EXPECT_EQ(world->freezeTimer, kFanfareFreezeSteps);
    EXPECT_TRUE(player->hasBall);
    EXPECT_EQ(takeAudio(), (Audio{"play voidlet_item 40"}));
    EXPECT_FALSE(sound->musicPlaying());
    world->freezeTimer = 0;  // the fanfare is over
    world->update();
    EXPECT_EQ(world->featureState, 2);
    ASSERT_TRUE(world->changeRoom(0, 0));
    EXPECT_FALSE(world->featurePresent);
}

TEST_F(WorldBlocks, TileQueriesUseEachTilesFrameBox) {
    build({doorRoom()});
    // Standing 0.2 units into the floor: its tiles' boxes are 15 x 15 around
    // (centre - 0.5), so the top is at 8 - 0.5 + 7.5 = 15.
    BoundingBox body;
    body.set(makeVector3(100, 15 + 12 - 0.2f, 0), makeVector3(1, -3, 0), 12, 24);
    EXPECT_TRUE(world->pushBoxOutOfTiles(body));
    EXPECT_FLOAT_EQ(body.position.y, 15 + 12);
    EXPECT_FLOAT_EQ(body.velocity.y, 0);
    // Beyond the room nothing is solid; negative codes never collide.
    body.set(makeVector3(-100, -100, 0), makeVector3(0, 0, 0), 12, 24);
    EXPECT_FALSE(world->pushBoxOutOfTiles(body));
    world->setTile(kSolidLayer, 6, 7, -5);
    body.set(makeVector3(104, 120, 0), makeVector3(0, 0, 0), 12, 24);
    EXPECT_FALSE(world->boxHitsTiles(body, kProbeHit));
}
