// A fuzzed room played by the headless game: the input replaces the room of
// the built map picked by its size, moved first so the game starts in it. Runs
// work in a scratch copy of data/: give libFuzzer an absolute -artifact_prefix.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "FuzzCheck.h"
#include "common/Files.h"
#include "game/Game.h"
#include "input/ScriptInput.h"
#include "world/RoomFile.h"

namespace fs = std::filesystem;

namespace {

// 300 frames of "READY", then walks both ways, jumps of several lengths,
// shots level, up and crouched, and a roll.
constexpr char kControls[] =
    "300 -\n"
    "30 R\n15 RJ\n5 RJF\n20 R\n8 F\n25 L\n30 LJ\n6 UF\n12 U\n20 D\n6 DF\n10 DL\n"
    "25 RJ\n3 J\n10 -\n3 J\n40 RF\n20 LJF\n30 R\n";
constexpr int kFrames = 560;
constexpr int kDrawEvery = 5;  // a drawn frame costs about ten update steps

fs::path scratchFolder;
fs::path home;       // where the fuzzer was started
fs::path builtData;  // the generated data
MapFile builtMap;

void removeScratch() {
    if (scratchFolder.empty()) return;
    std::error_code ignored;
    fs::current_path("/", ignored);
    fs::remove_all(scratchFolder, ignored);
}

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    require(static_cast<bool>(out));
}

[[noreturn]] void giveUp(const std::string& why) {
    std::fprintf(stderr, "fuzz_game_room: %s\n", why.c_str());
    std::exit(1);  // removeScratch runs at exit
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* env = std::getenv("QUASARINE_DATA_DIR");
    const fs::path data = fs::absolute(env && *env ? env : QUASARINE_FUZZ_DATA_DIR);
    std::string error;
    if (!readMapFile((data / "map" / "test.map").string(), builtMap, &error))
        giveUp("no built map in " + data.string() + " (tools/build.sh, or set QUASARINE_DATA_DIR)");
    char name[] = "/tmp/quasarine-fuzz-room-XXXXXX";
    if (!mkdtemp(name)) giveUp("cannot make a scratch folder");
    scratchFolder = name;
    fs::create_directories(scratchFolder / "data");
    std::atexit(removeScratch);
    // Pictures and sounds are the built ones; the runs write into a copy of map/.
    builtData = data;
    for (const auto& entry : fs::directory_iterator(data)) {
        if (entry.path().filename() != "map")
            fs::create_symlink(entry.path(), scratchFolder / "data" / entry.path().filename());
    }
    std::error_code failed;
    fs::copy(data / "map", scratchFolder / "data" / "map", failed);
    if (failed) giveUp("cannot copy " + (data / "map").string() + ": " + failed.message());
    home = fs::current_path();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fs::current_path(scratchFolder);
    const std::size_t index = size % builtMap.sections.size();
    MapFile map = builtMap;
    const auto first = map.sections.begin();
    std::rotate(first, first + static_cast<std::ptrdiff_t>(index),
                first + static_cast<std::ptrdiff_t>(index) + 1);
    const std::vector<std::uint8_t> mapBytes = serializeMapFile(map);
    writeFile("data/map/test.map", mapBytes.data(), mapBytes.size());
    const std::string roomPath = "data/map/" + nativePath(map.sections[0].name);
    writeFile(roomPath, data, size);

    ScriptInput controls;
    require(controls.parse(kControls, nullptr));
    GameState game;
    if (InitGame(game, headlessServices(controls, 1))) {
        for (int frame = 0; frame < kFrames; ++frame) {
            if (!updateGame(game)) break;
            if (frame % kDrawEvery == kDrawEvery - 1 && !drawFrame(game)) break;
        }
    }
    shutdownGame(game);

    fs::copy_file(builtData / "map" / nativePath(map.sections[0].name), roomPath,
                  fs::copy_options::overwrite_existing);
    fs::current_path(home);
    return 0;
}
