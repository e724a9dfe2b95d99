// The two ways the game stands still. Paused: no steps, no sound, until
// resumed. After the player dies: "GAME OVER" 3 s later, and a fresh fire
// press starts the game again from the first room, as at launch.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/AudioEventLog.h"
#include "audio/NullAudioBackend.h"
#include "game/Game.h"
#include "input/ScriptInput.h"
#include "player/Player.h"
#include "support/ScratchFolder.h"
#include "world/World.h"

namespace {

class StandStill : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GENERATED_DATA();
        folder_ = std::make_unique<ScratchFolder>("gameover", ScratchFolder::kGameFolder);
    }
    void TearDown() override {
        if (started_) shutdownGame(game);
    }
    void start(const char* script) {
        ASSERT_TRUE(input_.parse(script, nullptr));
        ASSERT_TRUE(InitGame(game, headlessServices(input_, 5)));
        started_ = true;
    }
    void steps(int n) {
        for (int i = 0; i < n; ++i) {
            game.timeAccumulator = 0.5f;
            ASSERT_TRUE(updateGame(game));
        }
    }
    // The music's starts ("music FILE"), stops and pauses since the last call.
    std::vector<std::string> takeMusic() {
        std::vector<std::string> music;
        AudioEventLog& log = game.recordedAudio->log();
        for (std::size_t i = 0; i < log.size(); ++i) {
            const AudioEvent& e = log.at(i);
            if (e.kind == AudioEventKind::MusicStop) music.push_back("stop");
            if (e.kind == AudioEventKind::MusicStart)
                music.push_back(std::string("music ") + e.name);
            if (e.kind == AudioEventKind::Pause) music.push_back("pause");
            if (e.kind == AudioEventKind::Resume) music.push_back("resume");
        }
        log.clear();
        return music;
    }

    std::unique_ptr<ScratchFolder> folder_;
    ScriptInput input_;
    GameState game;
    bool started_ = false;
};

}  // namespace

TEST_F(StandStill, OnlyAFirePressAfterGameOverStartsAgainFromTheFirstRoom) {
    // Start-up poll; READY; walk off; then fire held through the death and the
    // "GAME OVER", released for long, and pressed again.
    start("1 -\n420 -\n60 R\n400 F\n1000 -\n3 F\n");
    const Vector3 startAt = game.player->position;
    steps(480);
    ASSERT_NE(game.player->position.x, startAt.x);
    game.player->health = 0;
    game.player->hasBall = true;  // taken before dying: gone after the restart
    const float deadX = game.player->position.x;

    steps(kGameOverSteps - 1);
    EXPECT_FALSE(game.gameOver);
    steps(1);
    EXPECT_TRUE(game.gameOver) << "three seconds after the death";
    EXPECT_EQ(game.player->position.x, deadX) << "the game stands still";

    // Fire was already held when the message came up: that press does not
    // count, and nothing happens without a press.
    steps(1400 - kGameOverSteps);
    EXPECT_TRUE(game.gameOver);
    EXPECT_EQ(game.player->health, 0);
    takeMusic();
    const long before = game.steps;
    steps(1);  // pressed: a new game
    EXPECT_FALSE(game.gameOver);
    EXPECT_EQ(game.steps, before + 1) << "the step count runs on";
    EXPECT_EQ(game.world->currentSection, 0);
    EXPECT_EQ(game.player->health, 99);
    EXPECT_FALSE(game.player->hasBall);
    EXPECT_EQ(game.player->form, kGearboy);
    EXPECT_FLOAT_EQ(game.player->position.x, startAt.x);
    EXPECT_FLOAT_EQ(game.player->position.y, startAt.y);
    EXPECT_TRUE(game.readyShown);
    EXPECT_EQ(takeMusic(),
              (std::vector<std::string>{"stop", "music data\\sound\\music_fernvale.ogg"}));
}

TEST_F(StandStill, APauseHoldsTheStepsAndTheSoundUntilResumed) {
    start("1 -\n420 -\n400 R\n");
    steps(450);
    const long before = game.steps;
    const float x = game.player->position.x;
    takeMusic();
    advanceFrameClock(game);  // a frame drawn: the next update owes a step
    setPaused(game, true);    // P comes before that update
    setPaused(game, true);    // asked twice: one pause
    for (int frame = 0; frame < 200; ++frame) {
        ASSERT_TRUE(updateGame(game));
        advanceFrameClock(game);
        ASSERT_TRUE(drawFrame(game));
    }
    EXPECT_EQ(game.steps, before);
    EXPECT_EQ(game.player->position.x, x);
    EXPECT_EQ(takeMusic(), std::vector<std::string>{"pause"});

    setPaused(game, false);
    EXPECT_EQ(takeMusic(), std::vector<std::string>{"resume"});
    for (int frame = 0; frame < 30; ++frame) {
        ASSERT_TRUE(updateGame(game));
        advanceFrameClock(game);
    }
    EXPECT_NEAR(game.steps, before + 30, 1) << "a frame a step again, no backlog from the pause";
    EXPECT_GT(game.player->position.x, x);
}
