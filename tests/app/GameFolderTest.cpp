// Where the game finds its data and keeps its settings: run from the build
// folder, beside the program, or installed under a prefix.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/GameFolder.h"
#include "support/ScratchFolder.h"

namespace fs = std::filesystem;

TEST(GameFolder, TheCurrentFolderThenBesideTheProgramThenThePrefixShareFolder) {
    ScratchFolder scratch("gamefolder");
    scratch.enter();
    const fs::path root = fs::current_path();
    auto makeData = [](const fs::path& folder) {
        fs::create_directories(folder / "data/map");
        std::ofstream(folder / "data/map/test.map") << "map";
    };
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);

    // Nothing anywhere: the current folder, as before.
    GameFolder found = findGameFolder((root / "nowhere/bin/").string());
    EXPECT_EQ(found.root, ".");
    EXPECT_FALSE(found.installed);

    // Installed: <prefix>/bin/quasarine with <prefix>/share/quasarine/data.
    makeData(root / "prefix/share/quasarine");
    found = findGameFolder((root / "prefix/bin/").string());
    EXPECT_EQ(fs::path(found.root), root / "prefix/share/quasarine");
    EXPECT_TRUE(found.installed);
    EXPECT_EQ(fs::path(found.configPath), root / "config/quasarine/config.txt");
    makeConfigFolder(found);
    EXPECT_TRUE(fs::is_directory(root / "config/quasarine"));

    // Data beside the program (a build folder run from elsewhere): config there too.
    makeData(root / "portable");
    found = findGameFolder((root / "portable").string());
    EXPECT_EQ(fs::path(found.root), root / "portable");
    EXPECT_EQ(found.configPath, "config.txt");

    // Data in the current folder wins over all.
    makeData(root);
    EXPECT_EQ(findGameFolder((root / "prefix/bin/").string()).root, ".");
    unsetenv("XDG_CONFIG_HOME");
}
