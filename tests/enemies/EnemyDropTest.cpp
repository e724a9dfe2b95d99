// An enemy that walks off into a bottomless drop is not kept falling for
// ever: more than a screen below the room it is removed.
#include <gtest/gtest.h>

#include "enemies/EnemyWorld.h"

namespace {

class EnemyDrop : public EnemyWorld {};

}  // namespace

TEST_F(EnemyDrop, AHelmetFallingOutOfTheRoomIsEndedAScreenBelowIt) {
    // A ledge on row 4 over columns 0 to 5, and nothing under it.
    std::vector<std::string> rows(15, std::string(20, '.'));
    rows[15 - 1 - 4] = std::string(6, '#') + std::string(14, '.');
    buildRoom(rows);
    Enemy* helmet = spawn(120, 100, kHelmet);  // past the ledge's end, in the air
    ASSERT_NE(helmet, nullptr);
    float lastSeenY = 0;
    for (int step = 0; step < 2000 && enemies().enemyAt(0); ++step) {
        lastSeenY = enemies().enemyAt(0)->position.y;
        steps(1);
    }
    EXPECT_EQ(enemies().enemyAt(0), nullptr);
    // It fell out of the room, and went at the first step past the bound.
    EXPECT_LT(lastSeenY, -EnemyList::kLostBelow);
    EXPECT_GT(lastSeenY, -EnemyList::kLostBelow - 20);

    // One standing on the ledge stays.
    Enemy* standing = spawn(40, 16.0f * 4 + 15 + 7, kHelmet);
    ASSERT_NE(standing, nullptr);
    steps(300);
    EXPECT_EQ(enemies().enemyAt(0), standing);
}
