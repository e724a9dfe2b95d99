#include "app/GameFolder.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool holdsData(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(folder / "data" / "map" / "test.map", error);
}

fs::path userConfigHome() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME")) {
        if (*config && fs::path(config).is_absolute()) return config;
    }
    if (const char* home = std::getenv("HOME")) {
        if (*home) return fs::path(home) / ".config";
    }
    return ".";
}

}  // namespace

GameFolder findGameFolder(const std::string& programDir) {
    GameFolder folder;
    folder.root = ".";
    folder.configPath = "config.txt";
    if (holdsData(".") || programDir.empty()) return folder;
    // The program's folder without its trailing separator ("/usr/bin/").
    fs::path program = fs::path(programDir).lexically_normal();
    if (program.filename().empty()) program = program.parent_path();
    if (holdsData(program)) {
        folder.root = program.string();
        return folder;
    }
    const fs::path installed = program.parent_path() / "share" / "quasarine";
    if (holdsData(installed)) {
        folder.root = installed.string();
        folder.configPath = (userConfigHome() / "quasarine" / "config.txt").string();
        folder.installed = true;
    }
    return folder;
}

void makeConfigFolder(const GameFolder& folder) {
    std::error_code error;
    const fs::path parent = fs::path(folder.configPath).parent_path();
    if (!parent.empty()) fs::create_directories(parent, error);
}
