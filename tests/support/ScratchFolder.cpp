#include "support/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>

#include "support/TestImages.h"

namespace fs = std::filesystem;

std::string generatedDataDir() {
    const char* dir = std::getenv("QUASARINE_DATA_DIR");
    if (!dir || !*dir) return std::string();
    const fs::path data(dir);
    const bool built = fs::exists(data / "tiles_test.tga") &&
                       fs::exists(data / "sound" / "music_fernvale.ogg") &&
                       fs::exists(data / "map" / "test.map");
    return built ? fs::absolute(data).string() : std::string();
}

bool linkGeneratedData(const std::string& folder, bool ownMap) {
    const std::string data = generatedDataDir();
    if (data.empty()) return false;
    const fs::path target = fs::path(folder) / "data";
    if (!ownMap) {
        fs::create_directory_symlink(data, target);
        return true;
    }
    fs::create_directories(target / "map");
    for (const auto& entry : fs::directory_iterator(data)) {
        if (entry.path().filename() == "map") continue;
        fs::create_symlink(entry.path(), target / entry.path().filename());
    }
    return true;
}

ScratchFolder::ScratchFolder(const std::string& name, Kind kind) : path_(tempPath(name)) {
    fs::remove_all(path_);
    fs::create_directories(path_);
    if (kind == kGameFolder) {
        linkData();
        enter();
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    if (!previous_.empty()) fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

void ScratchFolder::enter() {
    if (previous_.empty()) previous_ = fs::current_path().string();
    fs::current_path(path_);
}
