// The fixed-step update through InitGame on rooms of the test's own: the
// "READY" hold, room-change fades, freezes and the music they hold, the
// flashlight, the pause, and the game over with its restart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/AudioEventLog.h"
#include "audio/NullAudioBackend.h"
#include "game/Game.h"
#include "input/ScriptInput.h"
#include "player/Player.h"
#include "support/ScratchFolder.h"
#include "support/WorldFixture.h"
#include "world/World.h"

namespace {

class GameFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GENERATED_DATA();
        folder_.linkData(true);
        folder_.enter();
    }
    void TearDown() override {
        if (started_) shutdownGame(game);
    }
    // Starts on the rooms with the controls of the script.
    void start(const char* script = "1 -\n",
               std::vector<TestRoom> rooms = {floorRoom("first.sec")}) {
        writeTestRooms("data/map", rooms);
        ASSERT_TRUE(script_.parse(script, nullptr));
        ASSERT_TRUE(InitGame(game, headlessServices(script_, 1)));
        started_ = true;
    }
    // Update steps (a headless frame owes exactly one each).
    void step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            game.timeAccumulator = 0.5f;
            ASSERT_TRUE(updateGame(game));
        }
    }
    // Frames as the game loop runs them.
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(updateGame(game));
            advanceFrameClock(game);
            ASSERT_TRUE(drawFrame(game));
        }
    }
    // Starts and runs past "READY" and the opening fade.
    void startPlaying(const char* script = "1 -\n",
                      std::vector<TestRoom> rooms = {floorRoom("first.sec")}) {
        start(script, rooms);
        if (HasFatalFailure()) return;
        world().freezeTimer = 0;
        step(90);
    }
    // Draws a frame half way between the last two steps; where the camera was drawn.
    Vector3 drawHalfWay() {
        game.timeAccumulator = -0.5f;  // the frame drawn owes one more: 0.5
        advanceFrameClock(game);
        EXPECT_TRUE(drawFrame(game));
        return world().drawCamera;
    }
    // The music's starts ("music FILE VOLUME"), stops and pauses since the last call.
    std::vector<std::string> takeMusic() {
        return takeAudioEvents(game.recordedAudio->log(), /*withPlays=*/false);
    }
    World& world() { return *game.world; }
    Player& player() { return *game.player; }

    GameState game;
    ScriptInput script_;
    ScratchFolder folder_{"game"};
    bool started_ = false;
};

}  // namespace

TEST_F(GameFlow, ReadyHoldsForItsStepsNotFramesAndOnlyAFreezeThatAsksRestartsTheMusic) {
    start();
    EXPECT_TRUE(game.readyShown);
    EXPECT_TRUE(player().onGround) << "the warm-up lets the gearboy fall onto the floor";

    // A frame on a 144 Hz display that owes no step leaves the hold where it was.
    game.updateStep = 1.6f;
    game.timeAccumulator = -0.5f;
    updateGame(game);
    EXPECT_EQ(world().freezeTimer, kReadyFreezeSteps);
    step(kReadyFreezeSteps - 1);
    EXPECT_TRUE(game.readyShown);
    takeMusic();
    step();
    EXPECT_FALSE(game.readyShown);
    EXPECT_EQ(takeMusic(), std::vector<std::string>{}) << "the music was not restarted";

    // The item fanfare's freeze asks for the music back, at the table's volume.
    world().freezeTimer = kFanfareFreezeSteps;
    world().resumeMusic = true;
    step(kFanfareFreezeSteps);
    EXPECT_EQ(takeMusic(),
              (std::vector<std::string>{"stop", "music data\\sound\\music_fernvale.ogg 60"}));
}

TEST_F(GameFlow, LeavingARoomHoldsTwentyOneStepsSwitchesOnTheNextAndOpensTheEntryDoor) {
    // The second room has a door three tiles high two columns in.
    TestRoom second = floorRoom("second.sec", 1);
    for (int line = 11; line <= 13; ++line) second.solid[line] = "..D";
    startPlaying("1 -\n", {floorRoom("first.sec", 0), second});
    EXPECT_TRUE(game.fadeOverlayEnabled) << "the opening fade is over";

    player().setPosition(321, 40, 0);
    step();  // the exit is seen at the end of this step
    EXPECT_TRUE(game.fading);
    const Vector3 held = world().camera;
    step(21);
    EXPECT_EQ(world().section().name, "first.sec");
    EXPECT_FLOAT_EQ(world().camera.x, held.x);  // nothing moved
    step();
    EXPECT_EQ(world().section().name, "second.sec");
    EXPECT_FLOAT_EQ(player().position.x, 5);
    ASSERT_EQ(world().blocks.size(), 3u);
    for (const BlockRecord& b : world().blocks) {
        EXPECT_EQ(b.timer, 1) << "door tile at row " << b.row;
        EXPECT_TRUE(b.autoClose);
    }
    step(23);
    EXPECT_FALSE(game.fading) << "the fade-in runs 23 steps";
}

TEST_F(GameFlow, TheFlashlightEasesAFifthOfTheWayAFrameAndJumpsOnReset) {
    startPlaying();
    world().drawCamera.x -= 80;  // the aim is now half a view further right
    const float before = game.lightOffsetX;
    step();
    const float wanted = (player().position.x - world().drawCamera.x) / 160;
    EXPECT_NEAR(game.lightOffsetX, before + (wanted - before) / 5, 1e-5);
    world().resetFlashlight = true;
    step();
    EXPECT_NEAR(game.lightOffsetX, (player().position.x - world().drawCamera.x) / 160, 1e-5);
    EXPECT_FALSE(world().resetFlashlight) << "a reset is done once";
}

TEST_F(GameFlow, ADoorWaitsOpenWhileThePlayerStandsInIt) {
    // A three-tile door in column 18, shot open; the gearboy stops in the doorway.
    TestRoom first = floorRoom("first.sec", 0);
    for (int line = 11; line <= 13; ++line) first.solid[line] = "..................D.";
    startPlaying("1 -\n", {first, floorRoom("second.sec", 1)});
    BoundingBox shot;
    shot.set(makeVector3(18 * 16 + 8, 24, 0), makeVector3(0, 0, 0), 4, 4);
    world().boxHitsTiles(shot, kWeaponHit);
    step(40);
    ASSERT_EQ(world().tileAt(kSolidLayer, 18, 1), 0);
    player().setPosition(18 * 16 + 7, player().position.y, 0);
    const Vector3 inDoorway = player().position;

    step(400);  // long past the time the door would close
    EXPECT_NEAR(player().position.x, inDoorway.x, 0.01);
    EXPECT_NEAR(player().position.y, inDoorway.y, 0.01);  // not pushed up through the rock
    EXPECT_EQ(world().tileAt(kSolidLayer, 18, 1), 0);

    player().setPosition(100, inDoorway.y, 0);  // stepped out: the door shuts
    step(40);
    EXPECT_EQ(world().tileAt(kSolidLayer, 18, 1), kDoorTile);
}

TEST_F(GameFlow, AGearboyInsideRockStaysPutRatherThanRisingThroughIt) {
    // A solid column 6 tiles high, with the gearboy inside it (as when a block
    // appears around it): sliding it out would carry it up the whole column.
    TestRoom first = floorRoom("first.sec", 0);
    for (int row = 8; row <= 13; ++row) first.solid[row] = "..........#.........";
    startPlaying("1 -\n", {first});
    player().setPosition(168, 60, 0);
    step(30);
    EXPECT_NEAR(player().position.y, 60, 0.01);
    EXPECT_NEAR(player().position.x, 168, 0.01);
}

TEST_F(GameFlow, CurlingIntoABallUnderTheTopEdgeStaysInTheRoom) {
    // A ledge just under the top edge of the lower room, a room above: the
    // curled ball sits 8 units higher than the standing figure.
    TestRoom low = floorRoom("low.sec", 0);
    low.solid[1] = "...########.........";
    TestRoom high = floorRoom("high.sec", 0, 1);
    startPlaying("1 -\n200 D\n", {low, high});
    player().form = kVanta;
    player().hasBall = true;
    player().setPosition(100, 16 * 13 + 15 + 16, 0);  // feet on the ledge, y 239
    for (int i = 0; i < 60 && !game.fading; ++i) step();
    EXPECT_TRUE(player().ball);
    EXPECT_FALSE(game.fading);
    EXPECT_LT(player().position.y, 240);
}

TEST_F(GameFlow, AFreezeHoldsThePlayerAndIsDrawnAsItIsNotBlended) {
    startPlaying();
    world().freezeTimer = 50;
    player().setPosition(100, 150, 0);  // in the air
    step(10);
    EXPECT_FLOAT_EQ(player().position.y, 150);

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

TEST_F(GameFlow, OnlyAFirePressAfterGameOverStartsAgainFromTheFirstRoom) {
    // Walk off; fire held through the death and "GAME OVER", released, pressed.
    start("1 -\n90 R\n300 F\n500 -\n1 F\n");
    const Vector3 startAt = player().position;
    world().freezeTimer = 0;
    step(90);
    ASSERT_NE(player().position.x, startAt.x);
    player().health = 0;
    const float deadX = player().position.x;
    step(kGameOverSteps - 1);
    EXPECT_FALSE(game.gameOver);
    step();
    EXPECT_TRUE(game.gameOver) << "three seconds after the death";
    EXPECT_EQ(player().position.x, deadX) << "the game stands still";

    // The press held from before does not count, and nothing happens without one.
    step(800 - kGameOverSteps);
    EXPECT_TRUE(game.gameOver);
    takeMusic();
    const long before = game.steps;
    step();  // pressed: a new game
    EXPECT_FALSE(game.gameOver);
    EXPECT_EQ(game.steps, before + 1) << "the step count runs on";
    EXPECT_EQ(world().currentSection, 0);
    EXPECT_EQ(player().health, 99);
    EXPECT_FLOAT_EQ(player().position.x, startAt.x);
    EXPECT_FLOAT_EQ(player().position.y, startAt.y);
    EXPECT_TRUE(game.readyShown);
    EXPECT_EQ(takeMusic(),
              (std::vector<std::string>{"stop", "music data\\sound\\music_fernvale.ogg 50"}));
}

TEST_F(GameFlow, APauseHoldsTheStepsAndTheSoundUntilResumed) {
    startPlaying("1 -\n90 -\n400 R\n");
    step(30);
    const long before = game.steps;
    takeMusic();
    advanceFrameClock(game);  // a frame drawn: the next update owes a step
    setPaused(game, true);    // P comes before that update
    setPaused(game, true);    // asked twice: one pause
    frames(200);
    EXPECT_EQ(game.steps, before);
    EXPECT_EQ(takeMusic(), std::vector<std::string>{"pause"});

    setPaused(game, false);
    EXPECT_EQ(takeMusic(), std::vector<std::string>{"resume"});
    frames(30);
    EXPECT_NEAR(game.steps, before + 30, 1) << "a frame a step again, no backlog from the pause";
}
