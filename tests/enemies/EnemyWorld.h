#pragma once

// The headless world, with a player placed by hand (its body box set directly).

#include <string>
#include <vector>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "particles/ParticleSystem.h"
#include "support/WorldFixture.h"
#include "weapons/ProjectileSystem.h"

class EnemyWorld : public WorldFixture {
  protected:
    // One room `cells` map cells wide, drawn top row first (15 rows).
    void buildRoom(std::vector<std::string> rows, int cells = 1) {
        TestRoom room;
        room.name = "test.sec";
        room.widthCells = cells;
        room.solid = std::move(rows);
        build({room});
        placePlayer(-1000, -1000);
    }

    // The player's 12 x 30 body around (x, y).
    void placePlayer(float x, float y) {
        player->setPosition(x, y, 0);
        player->bodyBox.set(player->position, makeVector3(0, 0, 0), 12, 30);
    }
    Enemy* spawn(float x, float y, std::int32_t kind, std::uint8_t flag = 0) {
        return enemies().spawn(makeVector3(x, y, 0), kind, flag);
    }
    template <class Kind>
    Kind* spawnAs(float x, float y, std::int32_t kind, std::uint8_t flag = 0) {
        return static_cast<Kind*>(spawn(x, y, kind, flag));
    }
    // Steps until this enemy's state changes: the steps taken, or -1 past `limit`.
    int stepsToNextState(const Enemy& enemy, int limit = 500) {
        const std::int32_t state = enemy.traceState();
        for (int step = 1; step <= limit; ++step) {
            enemies().updateAll();
            if (enemy.traceState() != state) return step;
        }
        return -1;
    }
    void steps(int count) {
        for (int i = 0; i < count; ++i) enemies().updateAll();
    }
    EnemyList& enemies() { return *world->getEnemies(); }
    ProjectileSystem& shots() { return *player->getProjectiles(); }
    ParticleSystem& particles() { return *world->getParticles(); }
};
