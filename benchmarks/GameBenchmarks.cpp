// Performance figures of the game's hot paths, measured with the real data
// and the null GL side (so the figures are the game's own work, not the GL
// driver's): one update step, one frame's drawing bookkeeping, a room load,
// and start-up to the first frame.
// Run from the build folder (it reads data/ there): ./gamebench
#include <benchmark/benchmark.h>

#include "game/Game.h"
#include "gfx/GlApi.h"
#include "input/InputDevice.h"
#include "player/Player.h"
#include "world/World.h"

namespace {

NullInput noInput;

GameServices headlessServices() {
    GameServices services;
    services.gl = &nullGl();
    services.input = &noInput;
    services.headless = true;
    services.seed = 1;
    return services;
}

// Starts the game and moves to the section with the most block records and
// the largest area: the busiest room of the map.
bool startInBusiestRoom() {
    if (!InitGame(headlessServices())) return false;
    World& world = *gameState.world;
    world.freezeTimer = 0;
    std::size_t best = 0;
    long bestScore = -1;
    for (std::size_t i = 0; i < world.sections.size(); ++i) {
        if (!world.changeRoom(world.sections[i].gridX, world.sections[i].gridY)) continue;
        const long score = static_cast<long>(world.blocks.size()) * 1000 + world.width * world.height;
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return world.changeRoom(world.sections[best].gridX, world.sections[best].gridY);
}

void BM_UpdateStep(benchmark::State& state) {
    if (!startInBusiestRoom()) {
        state.SkipWithError("the game's data did not load");
        return;
    }
    for (auto _ : state) {
        gameState.timeAccumulator = 0.5f;
        updateGame();
    }
    shutdownGame();
}
BENCHMARK(BM_UpdateStep);

void BM_DrawFrame(benchmark::State& state) {
    if (!startInBusiestRoom()) {
        state.SkipWithError("the game's data did not load");
        return;
    }
    for (auto _ : state) {
        drawFrame();
        gameState.timeAccumulator = 0;
    }
    shutdownGame();
}
BENCHMARK(BM_DrawFrame);

void BM_RoomLoad(benchmark::State& state) {
    if (!InitGame(headlessServices())) {
        state.SkipWithError("the game's data did not load");
        return;
    }
    World& world = *gameState.world;
    std::size_t next = 0;
    for (auto _ : state) {
        const SectionRecord& s = world.sections[next++ % world.sections.size()];
        world.changeRoom(s.gridX, s.gridY);
    }
    shutdownGame();
}
BENCHMARK(BM_RoomLoad);

void BM_StartUpToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        if (!InitGame(headlessServices())) {
            state.SkipWithError("the game's data did not load");
            return;
        }
        updateGame();
        drawFrame();
        shutdownGame();
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
