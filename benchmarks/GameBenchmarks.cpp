// Performance figures of the game's hot paths, measured with the real data
// and the null GL side (so the figures are the game's own work, not the GL
// driver's): one update step, one frame's drawing bookkeeping, a room load,
// and start-up to the first frame.
// Run from the build folder (it reads data/ there): ./gamebench
#include <benchmark/benchmark.h>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "game/Game.h"
#include "gfx/GlApi.h"
#include "input/InputDevice.h"
#include "particles/ParticleSystem.h"
#include "player/Player.h"
#include "weapons/ProjectileSystem.h"
#include "world/World.h"

namespace {

// The game under measurement (one at a time).
GameState game;

NullInput noInput;

// Starts the game and moves to the section with the most block records and
// the largest area: the busiest room of the map.
bool startInBusiestRoom() {
    if (!InitGame(game, headlessServices(noInput, 1))) return false;
    World& world = *game.world;
    world.freezeTimer = 0;
    std::size_t best = 0;
    long bestScore = -1;
    for (std::size_t i = 0; i < world.sections.size(); ++i) {
        if (!world.changeRoom(world.sections[i].gridX, world.sections[i].gridY)) continue;
        const long score =
            static_cast<long>(world.blocks.size()) * 1000 + world.width * world.height;
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    if (!world.changeRoom(world.sections[best].gridX, world.sections[best].gridY)) return false;
    // Stand the player at the room's start, past the opening fade.
    Player& player = *game.player;
    player.setPosition(world.startPos.x, world.startPos.y + 30, 0);
    for (int i = 0; i < 120; ++i) {
        game.timeAccumulator = 0.5f;
        updateGame(game);
    }
    return !game.fading && player.health > 0;
}

void BM_UpdateStep(benchmark::State& state) {
    if (!startInBusiestRoom()) {
        state.SkipWithError("the game's data did not load");
        return;
    }
    for (auto _ : state) {
        game.player->health = 99;  // the room's enemies must not end the game
        game.timeAccumulator = 0.5f;
        updateGame(game);
    }
    shutdownGame(game);
}
BENCHMARK(BM_UpdateStep);

// The busiest step the game can have: a room full of enemies (100 swoops and
// 100 helmets) and the shot pool kept full, besides the player.
void BM_UpdateStepCrowded(benchmark::State& state) {
    if (!startInBusiestRoom()) {
        state.SkipWithError("the game's data did not load");
        return;
    }
    World& world = *game.world;
    auto fill = [&world]() {
        for (int i = 0; i < EnemyList::kCapacity; ++i) {
            const float x = 24.0f + (i % 20) * 14.0f, y = 40.0f + (i / 20) * 16.0f;
            world.getEnemies()->spawn(makeVector3(x, y, 0), i % 2 == 0 ? kSwoop : kHelmet, 0);
        }
    };
    fill();
    ProjectileSystem& shots = *game.player->getProjectiles();
    long steps = 0;
    for (auto _ : state) {
        while (shots.activeCount() < ProjectileSystem::kCapacity) {
            shots.spawnPlayerShot(game.player->position, makeVector3(3, 0, 0), 8);
        }
        game.player->health = 99;
        game.timeAccumulator = 0.5f;
        updateGame(game);
        if (++steps % 400 == 0) fill();  // shots kill enemies; refill the room
    }
    shutdownGame(game);
}
BENCHMARK(BM_UpdateStepCrowded);

// The dragon fight at its fullest: the dragon hovering, a dozen rakas, and
// every particle slot taken by the collapse's debris. The cast is renewed
// every 100 steps (rakas sink out of the room in time).
void BM_UpdateStepDragonFight(benchmark::State& state) {
    if (!startInBusiestRoom()) {
        state.SkipWithError("the game's data did not load");
        return;
    }
    World& world = *game.world;
    world.inDragonRoom = true;
    world.bossMusicStarted = true;
    ParticleSystem& particles = *world.getParticles();
    auto renew = [&world, &particles]() {
        EnemyList& enemies = *world.getEnemies();
        enemies.clear();
        enemies.spawn(makeVector3(160, 140, 0), kBossDragon, 0);
        for (int i = 0; i < 12; ++i)
            enemies.spawn(makeVector3(30.0f + i * 22, 90, 0), kRaka, i % 2);
        for (int i = 0; i < ParticleSystem::kCapacity; ++i) {
            particles.emit(makeVector3(10.0f + i, 120, 0), makeVector3(0.3f, 2, 0), 0.2f, 2,
                           kParticleDebris, 300);
        }
    };
    long steps = 0;
    for (auto _ : state) {
        if (steps++ % 100 == 0) renew();
        game.player->health = 99;
        game.timeAccumulator = 0.5f;
        updateGame(game);
    }
    int enemies = 0;
    for (int slot = 0; slot < EnemyList::kCapacity; ++slot) {
        enemies += world.getEnemies()->enemyAt(slot) != nullptr;
    }
    state.counters["enemies"] = enemies;
    state.counters["particles"] = particles.activeCount();
    shutdownGame(game);
}
BENCHMARK(BM_UpdateStepDragonFight);

void BM_DrawFrame(benchmark::State& state) {
    if (!startInBusiestRoom()) {
        state.SkipWithError("the game's data did not load");
        return;
    }
    for (auto _ : state) {
        drawFrame(game);
        game.timeAccumulator = 0;
    }
    shutdownGame(game);
}
BENCHMARK(BM_DrawFrame);

void BM_RoomLoad(benchmark::State& state) {
    if (!InitGame(game, headlessServices(noInput, 1))) {
        state.SkipWithError("the game's data did not load");
        return;
    }
    World& world = *game.world;
    std::size_t next = 0;
    for (auto _ : state) {
        const SectionRecord& s = world.sections[next++ % world.sections.size()];
        world.changeRoom(s.gridX, s.gridY);
    }
    shutdownGame(game);
}
BENCHMARK(BM_RoomLoad);

void BM_StartUpToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        if (!InitGame(game, headlessServices(noInput, 1))) {
            state.SkipWithError("the game's data did not load");
            return;
        }
        updateGame(game);
        drawFrame(game);
        shutdownGame(game);
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
