// The fixed-step update through InitGame, with the game's own objects:
// start-up, room-change fades, freezes and the music they hold, what a step
// holds back, and doors and rock around the player.
#include <gtest/gtest.h>

#include "audio/NullAudioBackend.h"
#include "game/Game.h"
#include "input/ScriptInput.h"
#include "player/Player.h"
#include "support/ScratchFolder.h"
#include "support/WorldFixture.h"
#include "world/World.h"

namespace {

// A working folder whose data/ holds the real pictures and sounds and a map
// of the test's own.
class GameFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GENERATED_DATA();
        folder_ = std::make_unique<ScratchFolder>("game");
        folder_->linkData(true);
        folder_->enter();
    }
    void TearDown() override {
        if (started_) shutdownGame(game);
        folder_.reset();
    }
    // Starts the game on the rooms; the controls come from a script when one
    // is given (its first run covers the start-up poll).
    void start(std::vector<TestRoom> rooms, const char* script = nullptr) {
        writeTestRooms("data/map", rooms);
        GameServices services = headlessServices(input_, 1);
        if (script) {
            ASSERT_TRUE(script_.parse(script, nullptr));
            services.input = &script_;
        }
        ASSERT_TRUE(InitGame(game, services));
        started_ = true;
    }
    // Update steps (a headless frame owes exactly one each).
    void step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            game.timeAccumulator = 0.5f;
            updateGame(game);
        }
    }
    // Draws a frame half way between the last two steps; where the camera
    // was drawn.
    Vector3 drawHalfWay() {
        game.timeAccumulator = -0.5f;  // the frame drawn owes one more: 0.5
        advanceFrameClock(game);
        EXPECT_TRUE(drawFrame(game));
        return world().drawCamera;
    }
    World& world() { return *game.world; }
    Player& player() { return *game.player; }

    // The game running: past "READY", the gearboy appeared, the opening
    // fade over.
    void skipReady() {
        world().freezeTimer = 0;
        step(90);
    }

    GameState game;
    NullInput input_;
    ScriptInput script_;
    std::unique_ptr<ScratchFolder> folder_;
    bool started_ = false;
};

}  // namespace

TEST_F(GameFlow, StartUpWarmsUpAndHoldsReadyForFourSecondsOfSteps) {
    start({floorRoom("first.sec", 0)});
    EXPECT_EQ(world().freezeTimer, kReadyFreezeSteps);
    EXPECT_TRUE(game.readyShown);
    EXPECT_EQ(player().appearTimer, 30);
    // Placed 30 above the stored start (y 20), the gearboy has fallen during
    // the warm-up and stands on the floor, whose top is at 15.
    EXPECT_TRUE(player().onGround);
    EXPECT_LT(player().position.y, 50);
    EXPECT_EQ(world().musicTrack, 0);
    const AudioEventLog& log = game.recordedAudio->log();
    ASSERT_GE(log.size(), 1u);
    EXPECT_STREQ(log.at(log.size() - 1).name, "data\\sound\\music_fernvale.ogg");
    EXPECT_EQ(log.at(log.size() - 1).volume, 50);

    // The freeze counts update steps, not frames: a frame on a fast display
    // that owes no step leaves it where it was.
    game.updateStep = 1.6f;  // 144 Hz
    game.timeAccumulator = -0.5f;
    updateGame(game);
    EXPECT_EQ(world().freezeTimer, kReadyFreezeSteps);
    step(kReadyFreezeSteps - 1);
    EXPECT_EQ(world().freezeTimer, 1);
    EXPECT_TRUE(game.readyShown);
    const std::size_t sounds = log.size();
    step();
    EXPECT_EQ(world().freezeTimer, 0);
    EXPECT_FALSE(game.readyShown);
    step(5);
    EXPECT_EQ(log.size(), sounds);  // the music was not restarted

    // The item fanfare's freeze asks for the music back, at the table's volume.
    world().freezeTimer = kFanfareFreezeSteps;
    world().resumeMusic = true;
    step(kFanfareFreezeSteps);
    ASSERT_GT(log.size(), sounds);
    EXPECT_STREQ(log.at(log.size() - 1).name, "data\\sound\\music_fernvale.ogg");
    EXPECT_EQ(log.at(log.size() - 1).volume, 60);
}

TEST_F(GameFlow, LeavingARoomHoldsTwentyOneStepsAndSwitchesOnTheTwentySecond) {
    // The second room has a door three tiles high two columns in.
    TestRoom second = floorRoom("second.sec", 1);
    for (int line = 11; line <= 13; ++line) second.solid[line] = "..D";
    start({floorRoom("first.sec", 0), second});
    skipReady();
    ASSERT_FALSE(game.fading);
    EXPECT_TRUE(game.fadeOverlayEnabled);

    player().setPosition(321, 40, 0);
    step();  // the exit is seen at the end of this step
    EXPECT_TRUE(game.fading);
    EXPECT_EQ(game.fadeLevel, 85);
    EXPECT_EQ(game.fadeDelta, -4);
    const Vector3 held = world().camera;
    for (int i = 1; i <= 21; ++i) {
        step();
        EXPECT_EQ(game.fadeLevel, 85 - 4 * i);
        EXPECT_EQ(world().section().name, "first.sec");
    }
    EXPECT_FLOAT_EQ(world().camera.x, held.x);  // nothing moved
    step();
    EXPECT_EQ(game.fadeLevel, -3);
    EXPECT_EQ(game.fadeDelta, 4);
    EXPECT_EQ(world().section().name, "second.sec");
    EXPECT_FLOAT_EQ(player().position.x, 5);
    EXPECT_FALSE(game.roomChangePending);
    // Arriving beside a door opens it, to close once the player walks away.
    ASSERT_EQ(world().blocks.size(), 3u);
    for (const BlockRecord& b : world().blocks) {
        EXPECT_EQ(b.timer, 1) << "door tile at row " << b.row;
        EXPECT_TRUE(b.autoClose);
    }
    // The fade-in runs 23 steps while the game plays.
    step(22);
    EXPECT_TRUE(game.fading);
    step();
    EXPECT_EQ(game.fadeLevel, 89);
    EXPECT_FALSE(game.fading);
}

TEST_F(GameFlow, TheFlashlightEasesAFifthOfTheWayAFrameAndJumpsOnReset) {
    start({floorRoom("first.sec", 0)});
    world().freezeTimer = 0;
    step();
    world().drawCamera.x -= 80;  // the aim is now half a view further right
    const float before = game.lightOffsetX;
    step();
    const float wanted = (player().position.x - world().drawCamera.x) / 160;
    EXPECT_NEAR(game.lightOffsetX, before + (wanted - before) / 5, 1e-5);
    world().resetFlashlight = true;
    step();
    EXPECT_NEAR(game.lightOffsetX, (player().position.x - world().drawCamera.x) / 160, 1e-5);
    EXPECT_FALSE(world().resetFlashlight);
}

TEST_F(GameFlow, ADoorWaitsOpenWhileThePlayerStandsInIt) {
    // A three-tile door in column 18 of the first room; the gearboy stops in
    // the doorway after shooting it open.
    TestRoom first = floorRoom("first.sec", 0);
    for (int line = 11; line <= 13; ++line) first.solid[line] = "..................D.";
    start({first, floorRoom("second.sec", 1)});
    skipReady();
    BoundingBox shot;
    shot.set(makeVector3(18 * 16 + 8, 24, 0), makeVector3(0, 0, 0), 4, 4);
    world().boxHitsTiles(shot, kWeaponHit);
    step(40);
    ASSERT_EQ(world().tileAt(kSolidLayer, 18, 1), 0);  // open
    player().setPosition(18 * 16 + 7, player().position.y, 0);
    const Vector3 inDoorway = player().position;

    // Long past the time the door would close.
    step(400);
    EXPECT_NEAR(player().position.x, inDoorway.x, 0.01);
    EXPECT_NEAR(player().position.y, inDoorway.y, 0.01);  // not pushed up through the rock
    EXPECT_EQ(world().tileAt(kSolidLayer, 18, 1), 0);
    EXPECT_EQ(world().section().name, "first.sec");

    // Once the player has stepped out, the door shuts.
    player().setPosition(100, inDoorway.y, 0);
    step(40);
    EXPECT_EQ(world().tileAt(kSolidLayer, 18, 1), kDoorTile);
    EXPECT_EQ(world().tileAt(kSolidLayer, 18, 3), kDoorTile);
}

TEST_F(GameFlow, AGearboyInsideRockStaysPutRatherThanRisingThroughIt) {
    // A solid column 6 tiles high; the gearboy finds itself inside it (a
    // block appearing around it). Sliding it out would carry it up through
    // the whole column.
    TestRoom first = floorRoom("first.sec", 0);
    for (int row = 8; row <= 13; ++row) first.solid[row] = "..........#.........";
    start({first});
    skipReady();
    player().setPosition(168, 60, 0);
    step(30);
    EXPECT_NEAR(player().position.y, 60, 0.01);
    EXPECT_NEAR(player().position.x, 168, 0.01);
}

TEST_F(GameFlow, CurlingIntoABallUnderTheTopEdgeStaysInTheRoom) {
    // A ledge on row 13, just under the top edge of the lower room, with a
    // room above. The curled ball sits 8 units higher than the standing
    // figure, which would put it over the edge.
    TestRoom low = floorRoom("low.sec", 0);
    low.solid[1] = "...########.........";
    TestRoom high = floorRoom("high.sec", 0);
    high.gridY = 1;
    start({low, high}, "1 -\n200 D\n");
    skipReady();
    player().form = kVanta;
    player().hasBall = true;
    player().setPosition(100, 16 * 13 + 15 + 16, 0);  // feet on the ledge, y 239
    for (int i = 0; i < 60 && !game.fading; ++i) step();
    EXPECT_TRUE(player().ball);
    EXPECT_FALSE(game.fading);
    EXPECT_EQ(world().section().name, "low.sec");
    EXPECT_LT(player().position.y, 240);
}

TEST_F(GameFlow, ADeadPlayerStopsTheGame) {
    start({floorRoom("first.sec", 0)});
    skipReady();
    player().setPosition(100, 150, 0);  // in the air
    player().health = 0;
    step(10);
    EXPECT_FLOAT_EQ(player().position.y, 150);
    player().health = 1;
    step();
    EXPECT_LT(player().position.y, 150);
}

TEST_F(GameFlow, AFreezeHoldsThePlayerAndIsDrawnAsItIsNotBlended) {
    start({floorRoom("first.sec", 0)});
    skipReady();
    world().freezeTimer = 50;
    player().setPosition(100, 150, 0);
    step(10);
    EXPECT_FLOAT_EQ(player().position.y, 150);
    EXPECT_EQ(world().freezeTimer, 40);

    // The camera stands for everything drawn with the step blend.
    world().camera = makeVector3(200, 150, 0);
    world().prevCamera = makeVector3(160, 130, 0);
    EXPECT_FLOAT_EQ(drawHalfWay().x, 200);
    world().freezeTimer = 0;
    EXPECT_FLOAT_EQ(drawHalfWay().x, 180);
    // Fading out to change rooms is drawn as it is too.
    game.fading = true;
    game.fadeDelta = -4;
    EXPECT_FLOAT_EQ(drawHalfWay().y, 150);
}
