#pragma once

// Scratch folders for tests, and the game's generated data. The game loads
// "data\\..." paths relative to its working folder; the tests find the data
// the play build generated through QUASARINE_DATA_DIR.

#include <gtest/gtest.h>

#include <string>

// The generated data folder, or "" when QUASARINE_DATA_DIR does not hold the
// built pictures, sounds and map.
std::string generatedDataDir();

// Skips the test, saying why, when the generated data is not built. For a
// test body or a SetUp.
#define REQUIRE_GENERATED_DATA()                                                            \
    do {                                                                                    \
        if (generatedDataDir().empty()) {                                                   \
            GTEST_SKIP() << "the game's data is not built: QUASARINE_DATA_DIR must name a " \
                            "built data folder (build/data)";                               \
        }                                                                                   \
    } while (0)

// Makes `folder`/data show the generated data: a link to each of its entries,
// except that with `ownMap` data/map is an empty folder for the test's own
// rooms. False when the data is not built.
bool linkGeneratedData(const std::string& folder, bool ownMap);

// A fresh folder for one test, named after the test, removed with its
// contents when destroyed. It can be the working folder meanwhile, as the
// game's build folder is for the game.
class ScratchFolder {
  public:
    enum Kind {
        kEmpty,       // an empty folder
        kGameFolder,  // data/ is the generated data (when built); the working folder
    };
    explicit ScratchFolder(const std::string& name, Kind kind = kEmpty);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    // See linkGeneratedData.
    bool linkData(bool ownMap = false) { return linkGeneratedData(path_, ownMap); }
    // The working folder until destruction.
    void enter();

  private:
    std::string path_;
    std::string previous_;
};
