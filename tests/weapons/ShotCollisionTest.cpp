// What shots meet: enemies (hurt or ricochet), the player, and tiles (what a
// weapon hit does to doors, blocks and the flush target is in WorldBlocksTest).
#include <gtest/gtest.h>

#include "enemies/EnemyWorld.h"
#include "enemies/HelmetEnemy.h"
#include "enemies/SwoopEnemy.h"

namespace {

using Audio = std::vector<std::string>;

class ShotCollision : public EnemyWorld {
  protected:
    // Updates the pool until slot 0 ends; the number of steps, or -1.
    int flyUntilEnded(int limit = 200) {
        for (int step = 1; step <= limit; ++step) {
            shots().update();
            if (!shots().projectile(0).active) return step;
        }
        return -1;
    }

    // A floor, and a wall of `wall` tiles on rows 1 to 3 of column 10 (its
    // boxes span x 160 to 175).
    void buildWallRoom(char wall) {
        std::vector<std::string> rows(15, std::string(20, '.'));
        for (int r = 1; r <= 3; ++r) rows[14 - r][10] = wall;
        rows[14] = std::string(20, '#');
        buildRoom(rows);
    }

    int openedBlocks() const {
        int count = 0;
        for (const BlockRecord& block : world->blocks) count += block.timer != 0;
        return count;
    }
};

}  // namespace

TEST_F(ShotCollision, GearboyShotsRicochetOffAHidingHelmetAndVantaShotsEndOnIt) {
    buildWallRoom('#');
    auto* helmet = static_cast<HelmetEnemy*>(spawn(100, 22, kHelmet));  // box x 94..106
    shots().spawnPlayerShot(makeVector3(80, 22, 0), makeVector3(4, 0, 0), kGearboyShot);
    EXPECT_EQ(flyUntilEnded(), 4);  // at x 96 its 2 x 2 box reaches the helmet
    EXPECT_TRUE(helmet->alive);
    EXPECT_EQ(takeAudio(), (Audio{"play gearboy_ricochet 20"}));
    ASSERT_EQ(particles().activeCount(), 1);
    EXPECT_FLOAT_EQ(particles().particle(0).velocity.x, -3);  // the spark flies back

    // A vanta shot ends on it too, but does nothing to it.
    shots().spawnPlayerShot(makeVector3(80, 22, 0), makeVector3(4, 0, 0), kVantaShot);
    EXPECT_EQ(flyUntilEnded(), 4);
    EXPECT_TRUE(helmet->alive);
    EXPECT_TRUE(takeAudio().empty());
    EXPECT_EQ(particles().activeCount(), 1);
}

TEST_F(ShotCollision, EnemyShotsPassThroughWallsAndDoorsToHurtThePlayer) {
    buildWallRoom('D');
    placePlayer(220, 40);  // body x 214..226
    const int health = player->health;
    shots().spawnEnemyShot(makeVector3(120, 40, 0), makeVector3(2.5f, 0, 0), 1);
    EXPECT_EQ(flyUntilEnded(), 38);  // at x 215 its box reaches the body's edge at 214
    EXPECT_EQ(openedBlocks(), 0);
    EXPECT_EQ(player->health, health - 10);

    // A player shot stops at the first solid tile it touches.
    shots().spawnPlayerShot(makeVector3(120, 40, 0), makeVector3(4, 0, 0), kGearboyShot);
    EXPECT_EQ(flyUntilEnded(), 10);  // at x 160 it touches the door tile's box
}

TEST_F(ShotCollision, OneStepCanHurtAnEnemyAndOpenADoor) {
    buildWallRoom('D');
    auto* swoop = static_cast<SwoopEnemy*>(spawn(158, 40, kSwoop));  // box x 153..163
    shots().spawnPlayerShot(makeVector3(151, 40, 0), makeVector3(8, 0, 0), kVantaShot);
    EXPECT_EQ(flyUntilEnded(), 1);  // at x 159: inside the swoop and touching the door
    EXPECT_EQ(swoop->hitPoints, 5);
    EXPECT_EQ(openedBlocks(), 3);
    EXPECT_EQ(takeAudio(), (Audio{"play enemy_hit 30", "play door_open 30"}));
}
