// What an update step holds back, through InitGame with the game's own
// objects: a dead player stops the game, a freeze holds the player and is
// drawn without blending between steps, the start-up freeze leaves the music
// alone, and arriving in a room opens the door the player came through.
#include <gtest/gtest.h>

#include "audio/NullAudioBackend.h"
#include "game/Game.h"
#include "player/Player.h"
#include "support/ScratchFolder.h"
#include "support/WorldFixture.h"
#include "world/World.h"

namespace {

// A one-cell room with a floor; `doorColumn` >= 0 adds a door three tiles
// high standing on the floor there.
TestRoom floorRoom(const std::string& name, int gridX, int doorColumn = -1) {
    TestRoom t;
    t.name = name;
    t.gridX = gridX;
    t.solid.assign(14, "");
    if (doorColumn >= 0) {
        for (int line = 11; line <= 13; ++line) {
            t.solid[line] = std::string(doorColumn, '.') + "D";
        }
    }
    t.solid.push_back(std::string(20, '#'));
    t.start = makeVector3(100, 20, 0);
    return t;
}

class StepRules : public ::testing::Test {
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
    void start(std::vector<TestRoom> rooms) {
        writeTestRooms("data/map", rooms);
        const GameServices services = headlessServices(input_, 1);
        ASSERT_TRUE(InitGame(game, services));
        started_ = true;
        player().appearTimer = 0;  // the gearboy's arrival holds it still too
        game.recordedAudio->log().clear();
    }
    // One update step (a headless frame owes exactly one).
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

    GameState game;
    NullInput input_;
    std::unique_ptr<ScratchFolder> folder_;
    bool started_ = false;
};

}  // namespace

TEST_F(StepRules, ADeadPlayerStopsTheGame) {
    start({floorRoom("first.sec", 0)});
    world().freezeTimer = 0;
    player().setPosition(100, 150, 0);  // in the air
    player().health = 0;
    step(10);
    EXPECT_FLOAT_EQ(player().position.y, 150);
    player().health = 1;
    step(1);
    EXPECT_LT(player().position.y, 150);
}

TEST_F(StepRules, AFreezeHoldsThePlayerAndIsDrawnAsItIsNotBlended) {
    start({floorRoom("first.sec", 0)});
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

TEST_F(StepRules, TheStartUpFreezeEndsWithoutRestartingTheMusic) {
    start({floorRoom("first.sec", 0)});
    ASSERT_EQ(world().freezeTimer, kReadyFreezeSteps);
    step(kReadyFreezeSteps + 5);
    EXPECT_EQ(world().freezeTimer, 0);
    EXPECT_EQ(game.recordedAudio->log().size(), 0u);
}

TEST_F(StepRules, ArrivingBesideADoorOpensIt) {
    start({floorRoom("first.sec", 0), floorRoom("second.sec", 1, 0)});
    world().freezeTimer = 0;
    step(90);  // the opening fade is over
    player().setPosition(321, 30, 0);
    // The room switches at the black point of the fade out.
    for (int i = 0; i < 40 && world().section().name == "first.sec"; ++i) step();
    ASSERT_EQ(world().section().name, "second.sec");
    for (const BlockRecord& b : world().blocks) {
        EXPECT_EQ(b.timer, 1) << "door tile at row " << b.row;
        EXPECT_TRUE(b.autoClose);
    }
}
