// A fuzzed room played by the game. The input is a room file; it stands in for
// one room of the built map (chosen by the input's size), and that room is
// moved to the front of the map so the game starts in it. The scratch folder
// holds the rest of the real generated data, and the game runs as it does
// with --headless (null GL, scripted controls, one update step a frame), then
// shuts down. A room the loader refuses simply ends the run.
//
// The game reads data/ from the current folder, so each run works in the
// scratch folder and returns to the starting one afterwards: give libFuzzer
// absolute paths for -artifact_prefix, or a crash file lands in the scratch
// folder.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/Files.h"
#include "game/Game.h"
#include "gfx/GlApi.h"
#include "input/ScriptInput.h"
#include "world/RoomFile.h"

namespace fs = std::filesystem;

namespace {

// The "READY" pause takes the first 300 frames; the rest is play: walking
// both ways, jumps of several lengths, shots level, up and crouched, a roll.
constexpr char kControls[] =
    "300 -\n"
    "30 R\n15 RJ\n5 RJF\n20 R\n8 F\n25 L\n30 LJ\n6 UF\n12 U\n20 D\n6 DF\n10 DL\n"
    "25 RJ\n3 J\n10 -\n3 J\n40 RF\n20 LJF\n30 R\n";
constexpr int kFrames = 560;
// Drawing a frame costs about ten update steps under the sanitizers; every
// fifth frame still draws each place the camera passes.
constexpr int kDrawEvery = 5;

struct Scratch {
    std::string folder;
    fs::path home;                                 // where the fuzzer was started
    MapFile map;                                   // the built map
    std::vector<std::vector<std::uint8_t>> rooms;  // each section's built file
};
Scratch scratch;

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) {
        std::fprintf(stderr, "fuzz_game_room: cannot write %s\n", path.c_str());
        std::abort();
    }
}

void removeScratch() {
    if (scratch.folder.empty()) return;
    std::error_code ignored;
    fs::current_path("/", ignored);
    fs::remove_all(scratch.folder, ignored);
}

[[noreturn]] void giveUp(const std::string& why) {
    std::fprintf(stderr, "fuzz_game_room: %s\n", why.c_str());
    removeScratch();
    std::exit(1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* env = std::getenv("QUASARINE_DATA_DIR");
    const fs::path data = fs::absolute(env && *env ? env : QUASARINE_FUZZ_DATA_DIR);
    if (!fs::exists(data / "map" / "test.map")) {
        giveUp("no generated data in " + data.string() +
               " (build it with tools/build.sh, or set QUASARINE_DATA_DIR)");
    }
    char name[] = "/tmp/quasarine-fuzz-room-XXXXXX";
    if (!mkdtemp(name)) giveUp("cannot make a scratch folder");
    scratch.folder = name;
    std::atexit(removeScratch);

    // Pictures and sounds are the built ones; the map folder is a copy the
    // runs write into.
    fs::create_directories(scratch.folder + "/data/map");
    for (const auto& entry : fs::directory_iterator(data)) {
        if (entry.path().filename() == "map") continue;
        fs::create_symlink(entry.path(),
                           fs::path(scratch.folder) / "data" / entry.path().filename());
    }
    std::string error;
    if (!readMapFile((data / "map" / "test.map").string(), scratch.map, &error)) {
        giveUp("the built map does not load: " + error);
    }
    for (const SectionRecord& section : scratch.map.sections) {
        std::vector<std::uint8_t> bytes;
        const std::string path = (data / "map" / nativePath(section.name)).string();
        if (!readWholeFile(path, bytes, 64u << 20, &error)) giveUp(path + ": " + error);
        writeFile(scratch.folder + "/data/map/" + nativePath(section.name), bytes.data(),
                  bytes.size());
        scratch.rooms.push_back(std::move(bytes));
    }
    scratch.home = fs::current_path();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fs::current_path(scratch.folder);
    const std::size_t index = size % scratch.map.sections.size();
    MapFile map = scratch.map;
    std::rotate(map.sections.begin(), map.sections.begin() + static_cast<std::ptrdiff_t>(index),
                map.sections.begin() + static_cast<std::ptrdiff_t>(index) + 1);
    const std::vector<std::uint8_t> mapBytes = serializeMapFile(map);
    writeFile("data/map/test.map", mapBytes.data(), mapBytes.size());
    const std::string roomPath = "data/map/" + nativePath(map.sections[0].name);
    writeFile(roomPath, data, size);

    ScriptInput controls;
    if (!controls.parse(kControls, nullptr)) std::abort();
    GameState game;
    const GameServices services = headlessServices(controls, 1);
    if (InitGame(game, services)) {
        for (int frame = 0; frame < kFrames; ++frame) {
            if (!updateGame(game)) break;
            if (frame % kDrawEvery == kDrawEvery - 1 && !drawFrame(game)) break;
        }
    }
    shutdownGame(game);

    const std::vector<std::uint8_t>& original = scratch.rooms[index];
    writeFile(roomPath, original.data(), original.size());
    fs::current_path(scratch.home);
    return 0;
}
