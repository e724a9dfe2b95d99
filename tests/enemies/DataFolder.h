#pragma once

// Runs a test from a scratch folder whose `data` is the game's generated
// data, as the game runs from its build folder, so "data\\..." paths load the
// real sheets and sounds.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class DataFolder {
  public:
    explicit DataFolder(const std::string& name) {
        const char* data = std::getenv("QUASARINE_DATA_DIR");
        source_ = data ? data : "";
        dir_ = std::filesystem::path(QUASARINE_BUILD_DIR) / "test-output" / "enemies" / name;
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        if (!source_.empty()) std::filesystem::create_directory_symlink(source_, dir_ / "data");
        oldDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    ~DataFolder() { std::filesystem::current_path(oldDir_); }

    // Whether the generated pictures are there (tests that draw need them).
    bool hasPictures() const {
        return !source_.empty() && std::filesystem::exists(dir_ / "data" / "enemy_swoop.tga");
    }

  private:
    std::filesystem::path source_;
    std::filesystem::path dir_;
    std::filesystem::path oldDir_;
};
